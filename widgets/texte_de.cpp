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

        t.knopfOk = QStringLiteral("OK");
        t.knopfEintragen = QStringLiteral("Eintragen");
        t.knopfNichtJetzt = QStringLiteral("Vielleicht beim nächsten Mal");
        t.zelle = QStringLiteral("Zeile %1, Spalte %2: %3");
        t.zelleLeer = QStringLiteral("leer");
        t.zelleVorgegeben = QStringLiteral("vorgegeben");
        t.marke = QStringLiteral("Markierung %1");
        t.marken = QStringLiteral("Markierungen %1");
        t.und = QStringLiteral(" und ");

        t.zurueck = QStringLiteral("<< zurück");
        t.weiter = QStringLiteral("weiter >>");
        t.hilfeReiter = {QStringLiteral("Hilfe"), QStringLiteral("Empfehlungen"), QStringLiteral("Software"),
                         QStringLiteral("Wieso spenden?"), QStringLiteral("Nutzungsbedingungen")};
        t.hilfeSeiten[0] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Hilfe"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Das Programm zeigt Ihnen das Spielfeld, daneben die Spalte mit den Einstellungen und " "darin ein kleines Hilfefeld, das Ihnen immer sagt, was Sie gerade tun können. Klicken " "Sie auf \"Spiel starten\", warten Sie, bis das Rätsel erzeugt ist, und wählen Sie " "dann in jedem Feld die richtige Zahl."), 5, 28, 495, 54},
            {Hilfebaustein::Absatz, QStringLiteral("Unter \"Spiel\" und \"Benutzerdefiniert\" finden Sie neben dem klassischen Sudoku " "auch freie Varianten sowie Symbole und Buchstaben anstelle der Zahlen. Im " "\"Druckmodus\" erzeugen Sie die Rätsel wie beim Spielen und drucken sie aus."), 5, 88, 495, 42},
            {Hilfebaustein::Absatz, QStringLiteral("Ausführliche Hinweise zu allen Einstellungen und Spielregeln finden Sie auf der " "Seite des Programms im Internet:"), 5, 136, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareDe) + QStringLiteral("/sudoku"), 329, 196, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("Ihre Anliegen"), 5, 210, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Haben Sie Vorschläge, Kritik oder Wünsche? Wir freuen uns über jede Nachricht und " "lesen sie alle. Schreiben Sie uns bitte über das Support-Formular auf der Seite des " "Programms:"), 5, 233, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareDe) + QStringLiteral("/support"), 329, 287, 0, 0},
        };
        t.hilfeSeiten[1] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Webdesign"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Sie brauchen eine Internetseite für Ihren Verein, Ihr Geschäft oder Ihre Familie? " "Velmar Media gestaltet Webseiten, die gut aussehen, schnell laden und sich leicht " "pflegen lassen."), 5, 28, 495, 42},
            {Hilfebaustein::Absatz, QStringLiteral("Von der ersten Idee über Entwurf und Umsetzung bis zur Betreuung erhalten Sie alles " "aus einer Hand, zu fairen Preisen. Mehr dazu erfahren Sie hier:"), 5, 74, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::persoenlichDe) + QStringLiteral("/webdesign"), 329, 122, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("Individuelle Software"), 5, 135, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Kein fertiges Programm passt genau zu Ihren Aufgaben? Dann entwickeln wir eine " "Software, die auf Ihre Arbeitsweise zugeschnitten ist: vom kleinen Hilfsprogramm bis " "zur umfangreichen Anwendung für Ihr Unternehmen. Fragen Sie uns einfach:"), 5, 158, 495, 56},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareDe) + QStringLiteral("/individuell"), 329, 233, 0, 0},
            {Hilfebaustein::Ueberschrift, QStringLiteral("Mehr Service für Sie"), 5, 248, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Einen Überblick über alle Leistungen von Velmar Media finden Sie auf unserer " "Internetseite:"), 5, 271, 495, 28},
            {Hilfebaustein::Verweis, QString::fromLatin1(webadressen::persoenlichDe), 329, 295, 0, 0},
        };
        t.hilfeSeiten[2] = {
        };
        t.hilfeSeiten[3] = {
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareDe) + QStringLiteral("/spenden"), 387, 298, 0, 0},
        };
        t.hilfeSeiten[4] = {
            {Hilfebaustein::Ueberschrift, QStringLiteral("Nutzungsbedingungen"), 5, 5, 0, 0},
            {Hilfebaustein::Absatz, QStringLiteral("Velmar Sudoku ist kostenlos. Sie dürfen das Programm privat und beruflich auf " "beliebig vielen Rechnern benutzen und es unverändert weitergeben, solange Sie dafür " "kein Geld verlangen. Das Programm zu verändern, zu zerlegen oder zu verkaufen ist " "nicht gestattet."), 5, 28, 495, 56},
            {Hilfebaustein::Absatz, QStringLiteral("Das Programm wurde sorgfältig entwickelt und geprüft. Es wird dennoch so angeboten, " "wie es ist, ohne Gewähr dafür, dass es fehlerfrei ist oder sich für einen bestimmten " "Zweck eignet. Für Schäden durch seinen Gebrauch haften wir nur, soweit das Gesetz es " "zwingend vorschreibt."), 5, 90, 495, 56},
            {Hilfebaustein::Absatz, QStringLiteral("© Velmar Media. Alle Rechte vorbehalten. Die vollständigen Nutzungsbedingungen " "finden Sie hier:"), 5, 152, 495, 42},
            {Hilfebaustein::Verweis, QLatin1String(webadressen::softwareDe) + QStringLiteral("/lizenz"), 329, 196, 0, 0},
        };
        t.spendenBild = QStringLiteral(":/hilfe/spenden_de.jpg");
        return t;
    }();
    return t;
}
