#pragma once

#include "engine/spielzustand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QTimer;
class Spielfeld;

// What the game flow needs of the window that hosts the board: its
// controls, its status panels, reading the settings and the generation steps.
class Spielwirt {
public:
    virtual void startSteuerungFreigeben(bool frei) = 0;  // start picture, its label, the hidden button
    virtual void seitenFreigeben(bool frei) = 0;          // the page control
    virtual void setPanelText(int panel, const QString& text) = 0;
    virtual bool einstellungenLesbar() const = 0;
    virtual void parameterSetzen() = 0;  // reads the lists, sizes and centres the board
    virtual void generieren() = 0;       // the solution, attempt counter in panel 1
    virtual void vorbereiten() = 0;      // the revealed cells
    virtual void hilfeZeigen(const QStringList& zeilen) = 0;

protected:
    ~Spielwirt() = default;
};

// The course of a game on the board: the start with its thirteen steps and
// the points clock. The host window does what the steps ask of it, so the
// flow knows nothing of its layout.
class Spielablauf : public QObject {
    Q_OBJECT
public:
    struct Texte {
        QString punkteSuffix;   // " Points"
        QString generieren;     // panel 0 while a puzzle is generated
        QString fertig;         // panel 0 when the game is ready
        std::array<QString, 3> hilfe;  // the help memo while a game runs
    };

    Spielablauf(Spielzustand& zustand, Spielfeld* spielfeld, QTimer* uhr, Spielwirt& wirt, Texte texte,
                QObject* parent = nullptr);

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
    Spielwirt& wirt_;
    Texte texte_;
    bool laeuft_ = false;
};
