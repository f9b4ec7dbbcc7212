#include "widgets/fenster.h"

#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>

void fensterZiehen(QWidget* w)
{
    if (QWindow* h = w->window()->windowHandle())
        h->startSystemMove();
}

QMargins glaubhafterRahmen(const QMargins& m)
{
    // Generous for thick themes and large title fonts, far below the
    // window's own size.
    constexpr int seiteHoechstens = 48, titelHoechstens = 120;
    const bool glaubhaft = m.left() >= 0 && m.right() >= 0 && m.top() >= 0 && m.bottom() >= 0 &&
                           m.left() <= seiteHoechstens && m.right() <= seiteHoechstens &&
                           m.bottom() <= seiteHoechstens && m.top() <= titelHoechstens;
    return glaubhaft ? m : QMargins();
}

QRect mittigUeber(const QRect& bezug, QSize groesse)
{
    QRect r(QPoint(), groesse);
    r.moveCenter(bezug.center());
    return r;
}

Fensterausgang::Fensterausgang(QWidget* fenster, std::function<void()> ausgang, std::function<bool()> darf)
    : QObject(fenster), fenster_(fenster), ausgang_(std::move(ausgang)), darf_(std::move(darf))
{
    fenster->installEventFilter(this);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, this, [this] { verlassen(); });
}

void Fensterausgang::verlassen()
{
    if (!darf_ || darf_())
        ausgang_();
}

bool Fensterausgang::eventFilter(QObject* o, QEvent* e)
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
        // A minimised dialog would leave a disabled main window with nothing
        // on the screen to close: it comes straight back.
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
