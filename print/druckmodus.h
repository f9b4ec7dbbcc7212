#pragma once

// The print page's procedures of the main window: the prepare action, which
// composes a page of freshly generated puzzles into the holders x1 .. x6 and
// shows each in the preview while the print window reports the progress.

#include "engine/spielzustand.h"
#include "print/druckbild.h"
#include "widgets/hauptfenster.h"
#include "widgets/texte.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <optional>

class Tdruckfenster;

class Druckmodus {
public:
    Druckmodus(const Sprachwert& sprache, Druckseite& seite, Tdruckfenster& druckfenster);

    // Puzzles on the page being prepared or last prepared (1, 2 or 6; 0
    // before the first page of the run).
    int32_t felderproseite = 0;

    // The prepare action behind "Vorbereiten" / "Prepare".
    void vorschaudruckClick();
    // Gives holders 1 .. felderproseite the picture size of the coming page.
    void Druck1SeiteEinrichten();
    // Generates and draws each puzzle of the page into its holder.
    void Druck2Druckausgabe();

    // Shrinks the pictures of holders 1 .. anzahl to 1 x 1 and forgets
    // their puzzles.
    void halterSchrumpfen(int anzahl);

    // The puzzle drawn into holder k (0-based), kept so that the printer can
    // draw it again at its own resolution; empty once the holder is shrunk.
    const std::optional<Spielzustand>& raetsel(int k) const { return raetsel_.at(size_t(k)); }

    Fusszeilen fusszeilen() const;

    // True while a page is being composed (events run meanwhile).
    bool laeuft() const { return laeuft_; }

    // Draws the page's pictures into the sheet layout of a w x h page.
    void seiteZeichnen(QPainter& p, int w, int h) const;

private:
    const Sprachwert& sprache_;
    Druckseite& seite_;
    Tdruckfenster& druckfenster_;
    std::array<std::optional<Spielzustand>, 6> raetsel_{};
    bool laeuft_ = false;
};
