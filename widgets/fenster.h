#pragma once

// How the program's windows deal with the window system: dragging, frames,
// placement, and the ways out that a window manager offers.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Lets the window system move w's window with the mouse, as if it were
// dragged by its title bar.
void fensterZiehen(QWidget* w);

// The frame a window manager puts round a window, as far as it can be
// believed: while the window is still being framed Qt can read values such
// as -736 x -581, and a frame wider than borders and a title bar can be is no
// frame either. Unknown or implausible counts as none.
QMargins glaubhafterRahmen(const QMargins& gelesen);

// A rectangle of the given size centred on bezug.
QRect mittigUeber(const QRect& bezug, QSize groesse);

// The small windows that stand in front of a disabled main window (the win
// dialogs, the print window) have one way out each, drawn on their picture.
// A window manager may still offer its own: a close button it draws whatever
// the hints say, Alt+F4, a minimise button. Each of those must end exactly
// like the window's own way out, or the main window stays disabled behind a
// window that is gone.
class Fensterausgang : public QObject {
public:
    // ausgang: the window's own way out (OK, not now, cancel). darf: whether
    // the window may be left at this moment; without it, always.
    Fensterausgang(QWidget* fenster, std::function<void()> ausgang, std::function<bool()> darf = {});

    // What the window manager's close, Alt+F4 and Escape do.
    void verlassen();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* fenster_;
    std::function<void()> ausgang_;
    std::function<bool()> darf_;
};
