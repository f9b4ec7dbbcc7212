#pragma once

#include "engine/spielzustand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QTimer;
class Spielfeld;

// The course of a game on the board: the start with its thirteen steps and
// the points clock. The window that hosts the board hands in, through
// Anbindung, what the flow needs of it (its controls, status panels, the
// settings and generation steps), so the flow knows nothing of its layout.
class Spielablauf : public QObject {
    Q_OBJECT
public:
    struct Texte {
        QString punkteSuffix;   // " Points"
        QString generieren;     // panel 0 while a puzzle is generated
        QString fertig;         // panel 0 when the game is ready
        std::array<QString, 3> hilfe;  // the help memo while a game runs
    };

    struct Anbindung {
        std::function<void(bool frei)> startSteuerungFreigeben;  // start picture, its label, the hidden button
        std::function<void(bool frei)> seitenFreigeben;          // the page control
        std::function<void(int panel, const QString&)> panel;
        std::function<bool()> einstellungenLesbar;
        std::function<void()> parameterSetzen;  // reads the lists, sizes and centres the board
        std::function<void()> generieren;       // the solution, attempt counter in panel 1
        std::function<void()> vorbereiten;      // the revealed cells
        std::function<void(const QStringList&)> hilfeZeigen;
        std::function<Texte()> texte;
    };

    Spielablauf(Spielzustand& zustand, Spielfeld* spielfeld, QTimer* uhr, QObject* parent = nullptr);

    void anbinden(Anbindung a);

    // Starts a new game, replacing whatever ran before. Returns false, with
    // nothing changed, when the settings cannot be read or a start is
    // already under way.
    bool spielstartenClick();
    // One tick of the clock: a point less, shown in panel 2.
    void TimerTimer();

    // Panel 2's text for a number of points: "-12 Points".
    QString punkteText(int32_t punkte) const;

    bool generiertGerade() const { return laeuft_; }

Q_SIGNALS:
    // The board is drawn, the points are set and the clock runs.
    void spielBereit();

private:
    Spielzustand& zustand_;
    Spielfeld* spielfeld_;
    QTimer* uhr_;
    Anbindung a_;
    bool laeuft_ = false;
};
