#include "widgets/klicklabel.h"

#include "widgets/fenster.h"

#include <QMetaMethod>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

bool KlickLabel::drueckbar() const { return isSignalConnected(QMetaMethod::fromSignal(&KlickLabel::pressed)); }

bool KlickLabel::klickbar() const { return isSignalConnected(QMetaMethod::fromSignal(&KlickLabel::clicked)); }

void KlickLabel::mousePressEvent(QMouseEvent* e)
{
    if (drueckbar())
        Q_EMIT pressed();
    else if (klickbar())
        e->accept();  // a click target keeps its presses from the window beneath
    else
        QLabel::mousePressEvent(e);
    gedrueckt_ = e->button() == Qt::LeftButton;
}

void KlickLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (drueckbar())
        Q_EMIT pressed();
    else if (klickbar())
        e->accept();
    else
        QLabel::mouseDoubleClickEvent(e);  // ends in mousePressEvent
    gedrueckt_ = jederKlickZaehlt && e->button() == Qt::LeftButton;
}

void KlickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    QLabel::mouseReleaseEvent(e);
    if (klickbar())
        e->accept();
    if (klick)
        Q_EMIT clicked();
}

void KlickLabel::alsKnopf(const QString& name)
{
    knopf_ = true;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
}

void KlickLabel::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    // Only a button the player went to with Tab takes Enter: the focus a
    // window gives its first control leaves Enter to the window.
    if (knopf_ && vonTastatur_ && e->modifiers() == Qt::NoModifier &&
        (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        e->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

void KlickLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!knopf_ || !hasFocus() || !vonTastatur_)
        return;
    QPainter p(this);
    QStyleOptionFocusRect o;
    o.initFrom(this);
    o.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
}

void KlickLabel::focusInEvent(QFocusEvent* e)
{
    vonTastatur_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QLabel::focusInEvent(e);
    update();
}

void KlickLabel::focusOutEvent(QFocusEvent* e)
{
    vonTastatur_ = false;
    QLabel::focusOutEvent(e);
    update();
}

void ziehtFenster(KlickLabel* griff)
{
    QObject::connect(griff, &KlickLabel::pressed, griff, [griff] { fensterZiehen(griff); });
}
