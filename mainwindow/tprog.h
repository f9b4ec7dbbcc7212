#pragma once

#include "app/bedienelemente.h"
#include "app/fenster.h"
#include "engine/spielzustand.h"
#include "engine/zufall.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMargins>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class Spielfeld;
class Spielablauf;

// The main window's vocabulary in the build's language. Choices are
// recognised by comparing a list's text with these; the lists are filled
// from them, so every item matches exactly one.
struct Texte {
    std::array<QString, 8> voreinstellung;  // presets; [7] is the user-defined one
    std::array<QString, 8> spielart;        // board kinds 3x3 free .. 9x9 free, 9x9 classic
    std::array<QString, 5> elemente;        // element sets R, B, S, K, C
    QString aufgedecktPraefix;              // "Elements Set: " (ends with a blank)
    std::array<QString, 3> seiten;          // puzzles per page 1, 2, 6
    QString hilfeDruckmodus, hilfeSpielmodus, hilfeWillkommen;
    std::array<QString, 3> hilfeSpiel;      // the three lines while a game runs
    QString punkteSuffix;                   // " Points" (begins with a blank)
    QString statusSpielGenerieren, statusFertig, statusSeiteGenerieren;
    QString fusszeileLang, fusszeileKurz;   // under printed puzzles

    static Texte fuer(bool deutsch);
};

// The custom status bar: four panels of widths 150, 50, 120 and the rest.
class Statusleiste : public QWidget {
    Q_OBJECT
public:
    explicit Statusleiste(QWidget* parent = nullptr);
    static constexpr std::array<int, 4> breiten{150, 50, 120, 50};

    QString panelText(int i) const;
    void setPanelText(int i, const QString& text);
    // Keeps the text without asking for a repaint; the next one shows it.
    void panelTextMerken(int i, const QString& text);

    std::function<void(int x)> beiKlick;        // x in the bar's coordinates
    std::function<void(int x)> beiBewegung;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    // The second press of a double click is no new click.
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    std::array<QString, 4> texte_;
    bool gedrueckt_ = false;
};

// A hidden picture holder of the print page: the k-th puzzle of a page is
// drawn into the picture of holder "x<k>".
class Bildhalter : public QLabel {
public:
    explicit Bildhalter(QWidget* parent = nullptr);
    QImage bild;  // 15 x 15 white at the start; 1 x 1 between pages
};

// The main window: play and print page, the column of group boxes and the
// status bar. Controls are public so the other windows and the tests can
// reach them by the names the program uses throughout.
class Tprog : public QWidget {
    Q_OBJECT
public:
    explicit Tprog(Fenster& fenster, QWidget* parent = nullptr);
    ~Tprog() override;

    Fenster& fenster;

    // The one game state of the process and its random generator (seeded
    // from the clock at creation; the high-score dialog reseeds it).
    Spielzustand zustand;
    Zufallsgenerator zufall;
    Texte texte;

    // Play and print page.
    QTabWidget* pc = nullptr;
    QWidget* ts1 = nullptr;
    QWidget* ts2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    Spielfeld* spielfeld = nullptr;
    QLabel* druckseite = nullptr;                // preview of a print page, sizes itself to its picture
    std::array<Bildhalter*, 6> x{};              // x1 .. x6 (object names "x1" .. "x6")

    // Title and links.
    QGroupBox* gbtitel = nullptr;
    QLabel* Image1 = nullptr;
    KlickLabel* Image2 = nullptr;
    KlickLabel* Label2 = nullptr;
    KlickLabel* Image3 = nullptr;
    KlickLabel* Label3 = nullptr;

    // Game group.
    QGroupBox* gb1 = nullptr;
    QComboBox* cbspiel = nullptr;
    QComboBox* cbspielart = nullptr;
    QComboBox* cbgeloest = nullptr;
    QComboBox* cbelemente = nullptr;
    KlickLabel* Image4 = nullptr;
    KlickLabel* Label4 = nullptr;
    QPushButton* spielstarten = nullptr;         // hidden for the whole run

    // Print group.
    QGroupBox* gb2 = nullptr;
    QComboBox* cbdruck = nullptr;
    KlickLabel* Image7 = nullptr;                // prepare; the print mode sets beiKlick
    KlickLabel* Label5 = nullptr;

    // Help group.
    QGroupBox* gb3 = nullptr;
    QPlainTextEdit* hilfep = nullptr;

    Statusleiste* stat = nullptr;
    QTimer* Timer = nullptr;                     // the game clock, 50 ms
    QTimer* weg = nullptr;                       // puts the print page back, 10 ms

    Spielablauf* spielablauf = nullptr;          // start button, clock and points

    // Procedures.
    void Sprache();
    void GbAnordnen();
    void EinstellungenInvisible(bool sichtbar);
    // False, with nothing changed, when the lists hold a text that cannot be
    // read (checked before a game start or a page disables anything).
    bool einstellungenLesbar() const;
    void Spiel1Parametersetzen();
    int32_t Spiel2Generieren();                  // the attempt counter runs in panel 1
    void Spiel3Vorbereiten();
    // Centres a picture in the frame of the pages (Bevel1).
    void zentrieren(QWidget* bild) const;

    // Handlers.
    void FormActivate();
    void cbspielChange();
    void cbspielartChange();
    void pcChange();
    void wegTimer();
    void Label2Click();
    void Label3Click();
    void statClick(int x);
    void statMouseMove(int x);
    void spielstartenClick();
    void TimerTimer();

protected:
    void changeEvent(QEvent* e) override;        // activation runs FormActivate
    void resizeEvent(QResizeEvent* e) override;  // FormResize
    void closeEvent(QCloseEvent* e) override;    // FormClose
    void showEvent(QShowEvent* e) override;      // centred on the screen the first time
    void moveEvent(QMoveEvent* e) override;      // the frame may have become known

public:
    // The frame a window manager puts round a window, as far as it can be
    // believed: while the window is still being framed Qt can read values
    // such as -736 x -581, and a frame wider than borders and a title bar
    // can be is no frame either. Unknown or implausible counts as none.
    static QMargins glaubhafterRahmen(const QMargins& gelesen);

private:
    // The minimum size a game asks for is that of the whole window, frame
    // included; Qt's minimum is that of the client area. It is set again
    // whenever the window system tells a new frame.
    void mindestgroesseAnwenden();
    QSize mindestAussen_;

    // Selects a page without running pcChange: only the user's page changes
    // switch the mode.
    void seiteWaehlen(int index);
    bool seiteDurchProgramm_ = false;
    bool zentriertGezeigt_ = false;
    // Set when another window of the program has been active since this one
    // last was; coming back from another program alone is no re-activation.
    bool andereFensterAktiv_ = true;
};
