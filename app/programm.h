#pragma once

#include "app/fenster.h"

#include <memory>

// The program's eight windows, created once in their fixed order and kept
// until the end: splash, main window, information window, the two win
// dialogs, the print window, the German and the English help window.
class Programm {
public:
    // sprache: "de" or "en", the value the splash window's label will hold.
    explicit Programm(const QString& sprache);
    ~Programm();

    Fenster fenster;

    // Shows the splash window; the event loop then runs until it closes.
    void starten();

private:
    std::vector<std::unique_ptr<QWidget>> besitz_;  // destroyed in reverse creation order
};
