#pragma once

// What both win dialogs share: window kind, placement, the points font and
// the way back to the main window.

#include "widgets/fenster.h"
#include "widgets/hauptfenster.h"
#include "widgets/stil.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace dialoghilfe {

// A small stay-on-top tool window with a title bar and no close box: the
// dialog is left only through its drawn buttons.
inline void fensterArt(QWidget* w, int breite, int hoehe)
{
    w->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setFixedSize(breite, hoehe);
}

// Dark red, RGB 0x66 0x00 0x00.
inline QColor dunkelrot() { return QColor(0x66, 0x00, 0x00); }

inline void dunkelroteSchrift(QWidget* w)
{
    w->setFont(standardSchrift(11));
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, dunkelrot());
    p.setColor(QPalette::Text, dunkelrot());
    w->setPalette(p);
}

// Over the middle of the main window, or of the screen while that is not up.
// The client areas are centred on each other and placed as such: a move()
// would place the frame, whose size the window system only tells once the
// dialog has been shown, so that the first showing would sit elsewhere than
// the later ones.
inline void zentrieren(QWidget* dialog, const Hauptfenster* haupt)
{
    QRect bezug;
    if (const auto platz = haupt ? haupt->platz() : std::nullopt)
        bezug = *platz;
    else if (QScreen* s = QGuiApplication::primaryScreen())
        bezug = s->availableGeometry();
    if (bezug.isValid())
        dialog->setGeometry(mittigUeber(bezug, dialog->size()));
}

inline void hauptfensterSperren(Hauptfenster* haupt)
{
    if (haupt)
        haupt->setFreigegeben(false);
}

inline void hauptfensterFreigeben(Hauptfenster* haupt)
{
    if (haupt)
        haupt->setFreigegeben(true);
}

// Visible and in front.
inline void hauptfensterZeigen(Hauptfenster* haupt)
{
    if (haupt)
        haupt->nachVorn();
}

// The panel that holds the final points with their unit word.
inline QString punktetext(const Hauptfenster* haupt) { return haupt ? haupt->panelText(2) : QString(); }

}  // namespace dialoghilfe
