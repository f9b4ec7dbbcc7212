#include "board/spielablauf.h"

#include "board/spielfeld.h"
#include "engine/einstellungen.h"

#include <QTimer>

Spielablauf::Spielablauf(Spielzustand& zustand, Spielfeld* spielfeld, QTimer* uhr, Spielwirt& wirt, Texte texte,
                         QObject* parent)
    : QObject(parent), zustand_(zustand), spielfeld_(spielfeld), uhr_(uhr), wirt_(wirt), texte_(std::move(texte))
{
    // The clock ticks the points down.
    connect(uhr_, &QTimer::timeout, this, &Spielablauf::TimerTimer);
}

QString Spielablauf::punkteText(int32_t punkte) const { return QString::number(punkte) + texte_.punkteSuffix; }

bool Spielablauf::spielstartenClick()
{
    // Generation lets events run; a second start from inside it must not
    // begin another game on the same grids.
    if (laeuft_)
        return false;
    // An unreadable setting is refused before any control is disabled, so
    // the window never stays locked.
    if (!wirt_.einstellungenLesbar())
        return false;
    laeuft_ = true;
    const Texte& t = texte_;

    spielfeld_->show();
    wirt_.seitenFreigeben(false);
    wirt_.startSteuerungFreigeben(false);
    uhr_->stop();
    // Presses between generation attempts would act on grids the next
    // attempt clears again.
    spielfeld_->setGesperrt(true);
    zustand_.spiellaeuft = 0;

    wirt_.setPanelText(2, QStringLiteral("0") + t.punkteSuffix);
    wirt_.setPanelText(0, t.generieren);
    wirt_.parameterSetzen();
    wirt_.generieren();
    wirt_.vorbereiten();
    const int n = zustand_.feldgroesse;
    spielfeld_->Ausgabe(1, n, 1, n);
    wirt_.setPanelText(0, t.fertig);

    zustand_.punkte = startpunkte(zustand_.spielart, zustand_.aufgedeckt, zustand_.elemente);
    wirt_.setPanelText(2, QString::number(zustand_.punkte) + t.punkteSuffix);

    uhr_->start();
    wirt_.startSteuerungFreigeben(true);
    zustand_.spiellaeuft = 1;
    spielfeld_->setGesperrt(false);
    wirt_.hilfeZeigen({t.hilfe[0], t.hilfe[1], t.hilfe[2]});
    wirt_.seitenFreigeben(true);
    // The keyboard plays on the board from here.
    spielfeld_->setFocus(Qt::OtherFocusReason);
    laeuft_ = false;
    Q_EMIT spielBereit();
    return true;
}

void Spielablauf::TimerTimer()
{
    zustand_.punkte -= 1;
    wirt_.setPanelText(2, punkteText(zustand_.punkte));
}
