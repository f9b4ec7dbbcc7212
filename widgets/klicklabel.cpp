#include "widgets/klicklabel.h"

#include "widgets/fenster.h"

#include <QMetaMethod>
#include <QMouseEvent>

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

void ziehtFenster(KlickLabel* griff)
{
    QObject::connect(griff, &KlickLabel::pressed, griff, [griff] { fensterZiehen(griff); });
}
