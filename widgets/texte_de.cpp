// The program's German texts.
#include "widgets/adressen.h"
#include "widgets/texte.h"

const Texte& texteDe()
{
    static const Texte t = [] {
        Texte t;
        t.sprache = QStringLiteral("de");

        t.voreinstellung = {QStringLiteral("Frei Training"),        QStringLiteral("Frei Anfänger"),
                            QStringLiteral("Frei Fortgeschritten"), QStringLiteral("Frei Profi"),
                            QStringLiteral("Klassisch Anfänger"),   QStringLiteral("Klassisch Fortgeschritten"),
                            QStringLiteral("Klassisch Profi"),      QStringLiteral("Benutzerdefiniert..")};
        t.spielart = {QStringLiteral("3x3 Felder Frei"), QStringLiteral("4x4 Felder Frei"),
                      QStringLiteral("5x5 Felder Frei"), QStringLiteral("6x6 Felder Frei"),
                      QStringLiteral("7x7 Felder Frei"), QStringLiteral("8x8 Felder Frei"),
                      QStringLiteral("9x9 Felder Frei"), QStringLiteral("9x9 Felder Klassisch")};
        t.elemente = {QStringLiteral("Elemente: Rote Zahlen"), QStringLiteral("Elemente: Blaue Zahlen"),
                      QStringLiteral("Elemente: Symbole"), QStringLiteral("Elemente: Klassik"),
                      QStringLiteral("Elemente: Buchstaben")};
        t.aufgedecktPraefix = QStringLiteral("Eingetragene Elemente: ");
        t.seiten = {QStringLiteral("1 Feld pro Seite"), QStringLiteral("2 Felder pro Seite"),
                    QStringLiteral("6 Felder pro Seite")};
        t.hilfeDruckmodus = QStringLiteral(
            "Wählen Sie aus, wieviele Sudokus auf eine Seite sollen und klicken dann auf \"Vorbereiten\". "
            "Wenn sie fertig sind, können Sie auf \"Drucken\" klicken.");
        t.hilfeSpielmodus = QStringLiteral(
            "Wählen Sie unter \"Spiel\" eine Spielart aus und starten Sie das Spiel mit \"Spiel starten\".");
        t.hilfeWillkommen = QStringLiteral(
            "Herzlich Willkommen! Wählen Sie \"Am Computer Spielen\" oder Druckmodus. Wählen Sie unter "
            "\"Spiel\" eine Spielart aus und starten Sie das Spiel mit \"Spiel starten\".");
        t.hilfeSpiel = {QStringLiteral("Benutzen Sie die Maus auf dem Spielfeld!"),
                        QStringLiteral("Linke Maustaste: Element wählen."),
                        QStringLiteral("Rechte Maustaste: Element markieren.")};
        t.punkteSuffix = QStringLiteral(" Punkte");
        t.statusWillkommen = QStringLiteral("Herzlich Willkommen");
        t.statusSpielGenerieren = QStringLiteral("Spiel generieren..");
        t.statusFertig = QStringLiteral("Fertig. Viel Spaß!");
        t.statusSeiteGenerieren = QStringLiteral("Seite generieren..");
        t.spendenZusatz = QStringLiteral("/spenden - Vielen Dank");
        t.seiteSpielen = QStringLiteral("Am Computer spielen");
        t.seiteDrucken = QStringLiteral("Druckmodus");
        t.gruppeSpiel = QStringLiteral("Spiel");
        t.gruppeDrucken = QStringLiteral("Drucken");
        t.gruppeHilfe = QStringLiteral("Hilfe");
        t.informationen = QStringLiteral("Informationen");
        t.spielStarten = QStringLiteral("Spiel Starten");
        t.vorbereiten = QStringLiteral("Vorbereiten");
        t.software = webadressen::softwareDe;
        t.spendenPfad = QStringLiteral("/spenden&rf=sus");
        t.fusszeileLang = QStringLiteral("Velmar Sudoku - ") + QLatin1String(webadressen::adresseDe);
        t.fusszeileKurz = QStringLiteral("Sudoku - ") + QLatin1String(webadressen::adresseDe);

        t.gewKeinTitel = QStringLiteral("Herzlichen Glückwunsch");
        t.gewHighTitel = QStringLiteral("Highscoreverdächtig!");
        t.anonym = QStringLiteral("Anonymer Sudokuspieler");

        t.druckTitel = QStringLiteral("Drucken");
        t.drucken = QStringLiteral("Drucken");
        t.abbrechen = QStringLiteral("Abbrechen");
        t.keinDrucker = QStringLiteral(
            "Es ist kein Drucker eingerichtet. Bitte richten Sie einen Drucker ein und versuchen Sie es noch einmal.");
        t.dienstNichtErreichbar =
            QStringLiteral("Der Druckdienst ist nicht erreichbar, daher wurde die Seite nicht gedruckt.");
        t.nichtGeoeffnet =
            QStringLiteral("Der Drucker \u201E%1\u201C konnte nicht ge\u00F6ffnet werden. Die Seite wurde nicht gedruckt.");
        t.nichtAbgeschlossen = QStringLiteral(
            "Der Druckauftrag an \u201E%1\u201C konnte nicht abgeschlossen werden. Die Seite wurde nicht gedruckt.");
        t.abgelehnt = QStringLiteral(
            "Der Drucker \u201E%1\u201C hat den Auftrag abgelehnt (%2). Die Seite wurde nicht gedruckt.");
        t.angehalten = QStringLiteral("Der Drucker \u201E%1\u201C ist angehalten. Die Seite wartet in seiner "
                                      "Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.");
        t.aufgedecktKeineZahl = QStringLiteral(
            "Die Zahl der aufgedeckten Felder ist keine Zahl. Bitte wählen Sie einen Wert aus der Liste.");

        t.zurueck = QStringLiteral("<< zurück");
        t.weiter = QStringLiteral("weiter >>");
        return t;
    }();
    return t;
}
