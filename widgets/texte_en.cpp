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

        t.knopfOk = QStringLiteral("OK");
        t.knopfEintragen = QStringLiteral("Sign In");
        t.knopfNichtJetzt = QStringLiteral("Perhaps at the Next Time");
        t.zelle = QStringLiteral("row %1, column %2: %3");
        t.zelleLeer = QStringLiteral("empty");
        t.zelleVorgegeben = QStringLiteral("given");
        t.marke = QStringLiteral("mark %1");
        t.marken = QStringLiteral("marks %1");
        t.und = QStringLiteral(" and ");

        t.zurueck = QStringLiteral("<< back");
        t.weiter = QStringLiteral("next >>");
        t.hilfeReiter = {QStringLiteral("Help"), QStringLiteral("Regards"), QStringLiteral("Software"),
                         QStringLiteral("Why Donate?"), QStringLiteral("Terms of Use")};
        t.hilfeSeiten[0] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Help"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("The program shows you the board, beside it the column of settings and in it a small " "help box that always tells you what you can do right now. Click \"Start Game\", wait " "until the puzzle has been made, and then choose the right number in every field."), 5, 28, 495, 54},
            {Hilfebaustein::Absatz, QStringLiteral("Under \"Game\" and \"User Defined\" you will find free variants besides the classic " "Sudoku, and symbols and letters instead of numbers. In \"Print Mode\" you make " "puzzles just as in play mode and print them on paper."), 5, 88, 495, 42},
            {Hilfebaustein::Absatz, QStringLiteral("You will find detailed notes on all settings and rules on the program's web page:"), 5, 136, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareInt) + QStringLiteral("/sudoku"), 336, 192, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("Your Converns"), 5, 223, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Do you have suggestions, criticism or wishes? We are glad about every message and " "read them all. Please write to us through the support form on the program's page:"), 5, 246, 495, 36},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareInt) + QStringLiteral("/support"), 336, 284, 0, 0},
        };
        t.hilfeSeiten[1] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Webdesign"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Do you need a web site for your club, your business or your family? Velmar Media " "designs web sites that look good, load fast and are easy to keep up to date."), 5, 28, 495, 42},
            {Hilfebaustein::Absatz, QStringLiteral("From the first idea through design and building to looking after it, you get " "everything from one source, at fair prices. Find out more here:"), 5, 74, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::persoenlichInt) + QStringLiteral("/webdesign"), 329, 122, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("Individual Software"), 5, 135, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("No ready-made program fits your tasks exactly? Then we develop software that is cut " "to the way you work, from a small tool to a large application for your company."), 5, 158, 495, 30},
            {Hilfebaustein::Absatz, QStringLiteral("Tell us what you need, and we will gladly make you an offer:"), 5, 200, 495, 28},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareInt) + QStringLiteral("/individual"), 329, 240, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("More Service for You"), 5, 254, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("You will find an overview of all services by Velmar Media on our web site:"), 5, 277, 495, 16},
            {Hilfebaustein::Verweis, QString::fromLatin1(webadressen::persoenlichInt), 329, 293, 0, 0},
        };
        t.hilfeSeiten[2] = {
        };
        t.hilfeSeiten[3] = {
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareInt) + QStringLiteral("/donate"), 387, 298, 0, 0},
        };
        t.hilfeSeiten[4] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Terms of Use"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Velmar Sudoku is free of charge. You may use the program at home and at work on as " "many computers as you like and pass it on unchanged, as long as you ask no money for " "it. Changing, taking apart or selling the program is not allowed."), 5, 28, 495, 56},
            {Hilfebaustein::Absatz, QStringLiteral("The program has been developed and tested with care. It is nevertheless offered as " "it is, without any warranty that it is free of errors or fit for a particular " "purpose. We are liable for damage caused by its use only as far as the law requires."), 5, 90, 495, 56},
            {Hilfebaustein::Absatz, QStringLiteral("© Velmar Media. All rights reserved. You will find the full terms of use here:"), 5, 152, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareInt) + QStringLiteral("/license"), 336, 196, 0, 0},
        };
        t.spendenBild = QStringLiteral(":/hilfe/spenden_en.jpg");
        return t;
    }();
    return t;
}
