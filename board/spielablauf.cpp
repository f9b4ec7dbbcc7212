#include "board/spielablauf.h"

#include "board/spielfeld.h"
#include "engine/einstellungen.h"

#include <QTimer>

Spielablauf::Spielablauf(Spielzustand& zustand, Spielfeld* spielfeld, QTimer* uhr, QObject* parent)
    : QObject(parent), zustand_(zustand), spielfeld_(spielfeld), uhr_(uhr)
{
}

void Spielablauf::anbinden(Anbindung a) { a_ = std::move(a); }

QString Spielablauf::punkteText(int32_t punkte) const
{
    return QString::number(punkte) + (a_.texte ? a_.texte().punkteSuffix : QString());
}

bool Spielablauf::spielstartenClick()
{
    // Generation lets events run; a second start from inside it must not
    // begin another game on the same grids.
    if (laeuft_)
        return false;
    // An unreadable setting is refused before any control is disabled, so
    // the window never stays locked.
    if (a_.einstellungenLesbar && !a_.einstellungenLesbar())
        return false;
    laeuft_ = true;
    const Texte t = a_.texte ? a_.texte() : Texte{};

    spielfeld_->show();
    if (a_.seitenFreigeben)
        a_.seitenFreigeben(false);
    if (a_.startSteuerungFreigeben)
        a_.startSteuerungFreigeben(false);
    uhr_->stop();
    // Presses between generation attempts would act on grids the next
    // attempt clears again.
    spielfeld_->setGesperrt(true);
    zustand_.spiellaeuft = 0;

    if (a_.panel) {
        a_.panel(2, QStringLiteral("0") + t.punkteSuffix);
        a_.panel(0, t.generieren);
    }
    if (a_.parameterSetzen)
        a_.parameterSetzen();
    if (a_.generieren)
        a_.generieren();
    if (a_.vorbereiten)
        a_.vorbereiten();
    const int n = zustand_.feldgroesse;
    spielfeld_->Ausgabe(1, n, 1, n);
    if (a_.panel)
        a_.panel(0, t.fertig);

    zustand_.punkte = startpunkte(zustand_.spielart, zustand_.aufgedeckt, zustand_.elemente);
    if (a_.panel)
        a_.panel(2, QString::number(zustand_.punkte) + t.punkteSuffix);

    uhr_->start();
    if (a_.startSteuerungFreigeben)
        a_.startSteuerungFreigeben(true);
    zustand_.spiellaeuft = 1;
    spielfeld_->setGesperrt(false);
    if (a_.hilfeZeigen)
        a_.hilfeZeigen({t.hilfe[0], t.hilfe[1], t.hilfe[2]});
    if (a_.seitenFreigeben)
        a_.seitenFreigeben(true);
    laeuft_ = false;
    Q_EMIT spielBereit();
    return true;
}

void Spielablauf::TimerTimer()
{
    zustand_.punkte -= 1;
    if (a_.panel)
        a_.panel(2, punkteText(zustand_.punkte));
}
