#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

class Tstart;
class Tprog;
class Tgew_kein;
class Tgew_high;
class Tdruckfenster;

// The program's windows, filled in by start-up in their creation order:
// splash, main window, information window, the two win dialogs, the print
// window, the German and the English help window. Each window is handed this
// object at construction and reaches the others through it; nothing else is
// global. Windows created earlier are already set when a later one is built.
struct Fenster {
    Tstart* start = nullptr;
    Tprog* prog = nullptr;
    QWidget* info = nullptr;
    Tgew_kein* gew_kein = nullptr;
    Tgew_high* gew_high = nullptr;
    Tdruckfenster* druckfenster = nullptr;
    QWidget* hilfe = nullptr;     // German help window
    QWidget* hilfe_en = nullptr;  // English help window

    // The splash window's hidden label that holds the language value. Tests
    // that build a window without the splash point this at a label of their own.
    QLabel* spr = nullptr;

    // "de" or "en", read at the moment of use.
    QString sprache() const { return spr ? spr->text() : QString(); }
    bool deutsch() const { return sprache() == QLatin1String("de"); }
};
