#pragma once

#include "widgets/texte.h"

#include <QWidget>

#include <memory>
#include <vector>

class Tstart;
class Tprog;
class Tgew_kein;
class Tgew_high;
class Tdruckfenster;
class Thilfe;
class Thilfe_en;

// The program's eight windows, created once in their fixed order and kept
// until the end: splash, main window, information window, the two win
// dialogs, the print window, the German and the English help window. The
// one place that knows them all and connects them. Tests, the screenshot
// tool and the benchmarks build the program through it as well.
class Programm {
public:
    // sprache: "de" or "en", the value the splash window's label will hold.
    // splashZuerst: the splash is shown and put on the screen as soon as it
    // exists, before the other windows are built (the program's start; a
    // test builds everything first and shows what it likes).
    explicit Programm(const QString& sprache, bool splashZuerst = false);
    ~Programm();

    // Shows the splash window; the event loop then runs until it closes.
    void starten();

    const Sprachwert& sprache() const { return sprache_; }
    Tstart& start() const { return *start_; }
    Tprog& hauptfenster() const { return *prog_; }
    QWidget& info() const { return *info_; }
    Tgew_kein& gewKein() const { return *gewKein_; }
    Tgew_high& gewHigh() const { return *gewHigh_; }
    Tdruckfenster& druckfenster() const { return *druckfenster_; }
    Thilfe& hilfe() const { return *hilfe_; }
    Thilfe_en& hilfeEn() const { return *hilfeEn_; }

private:
    template <class T>
    T* behalten(T* fenster)
    {
        besitz_.emplace_back(fenster);
        return fenster;
    }
    void verbinden();

    Sprachwert sprache_;
    Tstart* start_ = nullptr;
    Tprog* prog_ = nullptr;
    QWidget* info_ = nullptr;
    Tgew_kein* gewKein_ = nullptr;
    Tgew_high* gewHigh_ = nullptr;
    Tdruckfenster* druckfenster_ = nullptr;
    Thilfe* hilfe_ = nullptr;
    Thilfe_en* hilfeEn_ = nullptr;
    std::vector<std::unique_ptr<QWidget>> besitz_;  // destroyed in reverse creation order
};
