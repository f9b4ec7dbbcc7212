#pragma once

// The small windows that stand in front of a disabled main window (the win
// dialogs, the print window) have one way out each, drawn on their picture.
// A window manager may still offer its own: a close button it draws whatever
// the hints say, Alt+F4, a minimise button. Each of those must end exactly
// like the window's own way out, or the main window stays disabled behind a
// window that is gone.

#include <QEvent>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

#include <functional>

class Fensterausgang : public QObject {
public:
    // ausgang: the window's own way out (OK, not now, cancel). darf: whether
    // the window may be left at this moment; without it, always.
    Fensterausgang(QWidget* fenster, std::function<void()> ausgang, std::function<bool()> darf = {})
        : QObject(fenster), fenster_(fenster), ausgang_(std::move(ausgang)), darf_(std::move(darf))
    {
        fenster->installEventFilter(this);
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
        esc->setContext(Qt::WindowShortcut);
        QObject::connect(esc, &QShortcut::activated, this, [this] { verlassen(); });
    }

    // What the window manager's close, Alt+F4 and Escape do.
    void verlassen()
    {
        if (!darf_ || darf_())
            ausgang_();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != fenster_)
            return false;
        if (e->type() == QEvent::Close) {
            // The window never closes by itself; leaving it hides it.
            e->ignore();
            verlassen();
            return true;
        }
        if (e->type() == QEvent::WindowStateChange && (fenster_->windowState() & Qt::WindowMinimized)) {
            // A minimised dialog would leave a disabled main window with
            // nothing on the screen to close: it comes straight back.
            QTimer::singleShot(0, fenster_, [w = QPointer<QWidget>(fenster_)] {
                if (!w || !w->isVisible())
                    return;
                w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
                w->show();
                w->raise();
                w->activateWindow();
            });
        }
        return false;
    }

private:
    QWidget* fenster_;
    std::function<void()> ausgang_;
    std::function<bool()> darf_;
};
