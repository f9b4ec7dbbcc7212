#pragma once

// What the other windows need of the main window, as narrow typed views.
// The main window implements them; start-up hands each window the view it
// needs, so that no window knows another one's class.

#include "engine/spielzustand.h"
#include "engine/zufall.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

// The view of the win dialogs, which stand in front of the main window.
class Hauptfenster {
public:
    // Disabled while a dialog or the print window stands in front of it.
    virtual void setFreigegeben(bool frei) = 0;
    // Visible (not minimised) and in front.
    virtual void nachVorn() = 0;
    // Where it stands on the screen while it is shown.
    virtual std::optional<QRect> platz() const = 0;
    // The text of a status panel (2 holds the final points with their unit).
    virtual QString panelText(int panel) const = 0;
    // The process's random generator, which the high-score dialog reseeds
    // and draws the score code's digits from.
    virtual Zufallsgenerator& zufall() = 0;

protected:
    ~Hauptfenster() = default;
};

// The view of the print mode: the print page with its preview and the six
// hidden picture holders x1 .. x6, the settings it reads, and the game state
// that generating a puzzle for the page overwrites.
class Druckseite {
public:
    // False, with nothing changed, when the lists hold a text that cannot be read.
    virtual bool einstellungenLesbar() const = 0;
    // The text of the puzzles-per-page list.
    virtual QString seitenwahl() const = 0;
    // Selects a page (0 play, 1 print) the way the program does, not the
    // user: the switch between play and print mode does not run.
    virtual void seiteZeigen(int index) = 0;
    virtual void setFreigegeben(bool frei) = 0;
    // Shown, without being brought to the front.
    virtual void zeigen() = 0;
    virtual void setPanelText(int panel, const QString& text) = 0;
    // Reads the lists into the game state.
    virtual void parameterSetzen() = 0;
    // Generates one puzzle into the game state, with the attempt counter
    // running in the status bar, and returns that state.
    virtual const Spielzustand& raetselErzeugen() = 0;
    // The game state, as the last parameterSetzen or raetselErzeugen left it.
    virtual const Spielzustand& zustand() const = 0;
    // The picture of holder k (0..5).
    virtual QImage& halterbild(int k) = 0;
    // Shows a picture in the preview, centred in the page's frame.
    virtual void vorschauZeigen(const QImage& bild) = 0;
    // Centres the preview in the page's frame.
    virtual void vorschauZentrieren() = 0;
    // Starts the timer that keeps the print page in front after the print
    // window has gone.
    virtual void druckseiteHalten() = 0;

protected:
    ~Druckseite() = default;
};
