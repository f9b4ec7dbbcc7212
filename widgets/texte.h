#pragma once

// Every text the windows show, one table per language (texte_de.cpp,
// texte_en.cpp). Both languages are compiled in; the language value decides
// at run time which table a window reads, so a test can build either.

#include <QLabel>
#include <QString>

#include <array>
#include <vector>

// One piece of a help page, placed on the page: a heading, a paragraph
// (wrapped in breite x hoehe) or a link (its text is the link, host and path).
struct Hilfebaustein {
    enum Art { Ueberschrift, Absatz, Verweis };
    Art art;
    QString text;
    int links, oben, breite, hoehe;
};

struct Texte {
    QString sprache;  // "de" or "en"

    // Main window. The lists are filled from these and a choice is
    // recognised by comparing the list's text with them, so every item
    // matches exactly one.
    std::array<QString, 8> voreinstellung;  // presets; [7] is the user-defined one
    std::array<QString, 8> spielart;        // board kinds 3x3 free .. 9x9 free, 9x9 classic
    std::array<QString, 5> elemente;        // element sets R, B, S, K, C
    QString aufgedecktPraefix;              // "Elements Set: " (ends with a blank)
    std::array<QString, 3> seiten;          // puzzles per page 1, 2, 6
    QString hilfeDruckmodus, hilfeSpielmodus, hilfeWillkommen;
    std::array<QString, 3> hilfeSpiel;      // the three lines while a game runs
    QString punkteSuffix;                   // " Points" (begins with a blank)
    QString statusWillkommen;               // panel 0 at creation
    QString statusSpielGenerieren, statusFertig, statusSeiteGenerieren;
    QString spendenZusatz;                  // panel 3, after the domain
    QString seiteSpielen, seiteDrucken;     // the two pages
    QString gruppeSpiel, gruppeDrucken, gruppeHilfe;
    QString informationen, spielStarten, vorbereiten;
    const char* software;                   // the domain of the web-site button and the links
    QString spendenPfad;                    // after "http://www." + domain
    QString fusszeileLang, fusszeileKurz;   // under printed puzzles

    // Win dialogs.
    QString gewKeinTitel, gewHighTitel;
    QString anonym;  // the name sent for an empty name field

    // Print window and the prepare action.
    QString druckTitel, drucken, abbrechen;
    QString keinDrucker, dienstNichtErreichbar;
    QString nichtGeoeffnet, nichtAbgeschlossen;  // %1 the printer or file
    QString abgelehnt;                           // %1 the printer, %2 the reason
    QString angehalten;                          // %1 the printer
    QString aufgedecktKeineZahl;

    // What assistive technology reads: the buttons drawn on the dialogs'
    // pictures, and the cells of the board ("row 3, column 4: 7, given").
    QString knopfOk, knopfEintragen, knopfNichtJetzt;
    QString zelle;           // %1 row, %2 column, %3 what it holds
    QString zelleLeer, zelleVorgegeben;
    QString marke, marken;   // %1 one value / the list of them
    QString und;             // between the last two of a list

    // Help windows: the tabs of the five pages and what stands on them
    // (the catalogue page has its own table; the donation page holds its
    // picture and a link).
    QString zurueck, weiter;
    std::array<QString, 5> hilfeReiter;
    std::array<std::vector<Hilfebaustein>, 5> hilfeSeiten;
    QString spendenBild;
};

// The table of a language.
const Texte& texteDe();
const Texte& texteEn();
inline const Texte& texte(bool deutsch) { return deutsch ? texteDe() : texteEn(); }

// The language value of the run: the text of the splash window's hidden
// label, "de" or "en", read at the moment of use. Tests that build a window
// without the splash point it at a label of their own.
class Sprachwert {
public:
    explicit Sprachwert(const QLabel* spr = nullptr) : spr_(spr) {}
    void setLabel(const QLabel* spr) { spr_ = spr; }

    QString wert() const { return spr_ ? spr_->text() : QString(); }
    bool deutsch() const { return wert() == QLatin1String("de"); }
    bool englisch() const { return wert() == QLatin1String("en"); }
    const Texte& texte() const { return ::texte(deutsch()); }

private:
    const QLabel* spr_;
};
