#include "app/tstart.h"

Tstart::Tstart(Fenster& f, const QString& sprache, QWidget* parent) : QWidget(parent), fenster(f)
{
    spr = new QLabel(sprache, this);
    spr->hide();
    fenster.start = this;
    fenster.spr = spr;
}

void Tstart::FormActivate() {}
void Tstart::Timer1Timer() {}
void Tstart::Image1Click() {}
void Tstart::changeEvent(QEvent* e) { QWidget::changeEvent(e); }
