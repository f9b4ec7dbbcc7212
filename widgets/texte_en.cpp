// The program's English texts.
#include "widgets/adressen.h"
#include "widgets/texte.h"

const Texte& texteEn()
{
    static const Texte t = [] {
        Texte t;
        t.sprache = QStringLiteral("en");

        t.voreinstellung = {QStringLiteral("Free Training"),
                            QStringLiteral("Free Beginner"),
                            QStringLiteral("Free Advanced"),
                            QStringLiteral("Free Professional"),
                            QStringLiteral("Classical Sudoku Beginner"),
                            QStringLiteral("Classical Sudoku Advanced"),
                            QStringLiteral("Classical Sudoku Professional"),
                            QStringLiteral("User Defined")};
        t.spielart = {QStringLiteral("3x3 Free"), QStringLiteral("4x4 Free"), QStringLiteral("5x5 Free"),
                      QStringLiteral("6x6 Free"), QStringLiteral("7x7 Free"), QStringLiteral("8x8 Free"),
                      QStringLiteral("9x9 Free"), QStringLiteral("9x9 Classical")};
        t.elemente = {QStringLiteral("Elements: Red Numbers"), QStringLiteral("Elements: Blue Numbers"),
                      QStringLiteral("Elements: Symbols"), QStringLiteral("Elements: Classic"),
                      QStringLiteral("Elements: Characters")};
        t.aufgedecktPraefix = QStringLiteral("Elements Set: ");
        t.seiten = {QStringLiteral("1 Field per Page"), QStringLiteral("2 Fields per Page"),
                    QStringLiteral("6 Fields per Page")};
        t.hilfeDruckmodus = QStringLiteral(
            "Choose how many Sudokus should be printed on a Page and click on \"Prepare\". If they are ready, "
            "click on \"Print\".");
        t.hilfeSpielmodus = QStringLiteral(
            "Choose at the \"Game\"-Box a kind of game and start the Sudoku by clicking \"Start Game\".");
        t.hilfeWillkommen = QStringLiteral(
            "Welcome! Choose \"Playing at the omputer\" or \"Print Mode\". Choose at the \"Game\"-Box a kind of "
            "game and start the Sudoku by clicking \"Start Game\"..");
        t.hilfeSpiel = {QStringLiteral("Use the Mouse on the Field!"),
                        QStringLiteral("Left Mouse Button: Choose Element."),
                        QStringLiteral("Right Mouse Button: Mark Element.")};
        t.punkteSuffix = QStringLiteral(" Points");
        t.statusWillkommen = QStringLiteral("Welcome!");
        t.statusSpielGenerieren = QStringLiteral("Create Sudoku..");
        t.statusFertig = QStringLiteral("Ready. Have Fun!");
        t.statusSeiteGenerieren = QStringLiteral("Create Page..");
        t.spendenZusatz = QStringLiteral("/donate - Thank you very much!");
        t.seiteSpielen = QStringLiteral("Playing at the Computer");
        t.seiteDrucken = QStringLiteral("Print Mode");
        t.gruppeSpiel = QStringLiteral("Game");
        t.gruppeDrucken = QStringLiteral("Print");
        t.gruppeHilfe = QStringLiteral("Help");
        t.informationen = QStringLiteral("Information");
        t.spielStarten = QStringLiteral("Start Game");
        t.vorbereiten = QStringLiteral("Prepare");
        t.software = webadressen::softwareInt;
        t.spendenPfad = QStringLiteral("/donate&rf=sus");
        t.fusszeileLang = QStringLiteral("Velmar Sudoku - ") + QLatin1String(webadressen::adresseInt);
        t.fusszeileKurz = QStringLiteral("Sudoku - ") + QLatin1String(webadressen::adresseInt);

        t.gewKeinTitel = QStringLiteral("Congratulations");
        t.gewHighTitel = QStringLiteral("Possibly a World Record!");
        t.anonym = QStringLiteral("Anonymous");

        t.druckTitel = QStringLiteral("Print");
        t.drucken = QStringLiteral("Print");
        t.abbrechen = QStringLiteral("Cancel");
        t.keinDrucker = QStringLiteral("No printer is installed. Please install a printer and try again.");
        t.dienstNichtErreichbar = QStringLiteral("The print service cannot be reached, so the page was not printed.");
        t.nichtGeoeffnet = QStringLiteral("The printer \"%1\" could not be opened. The page was not printed.");
        t.nichtAbgeschlossen = QStringLiteral("The print job for \"%1\" could not be completed. The page was not printed.");
        t.abgelehnt = QStringLiteral("The printer \"%1\" refused the job (%2). The page was not printed.");
        t.angehalten = QStringLiteral("The printer \"%1\" is paused. The page is waiting in its queue and will be "
                                      "printed when the printer is resumed.");
        t.aufgedecktKeineZahl = QStringLiteral(
            "The number of revealed fields is not a number. Please choose a value from the list.");

        t.zurueck = QStringLiteral("<< back");
        t.weiter = QStringLiteral("next >>");
        return t;
    }();
    return t;
}
