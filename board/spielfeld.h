#pragma once

#include "engine/spielzustand.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <vector>

class QPainter;
class QTimer;

// The tile lists of the five element sets, found by name: the set's letter
// followed by "normal" (the player's cells) or "fest" (revealed cells), ten
// 45 x 45 tiles each (tile 0 the empty cell with the nine miniatures), and
// "grauliste" with the two 15 x 15 mark tiles (0 grey, 1 white).
class Kachellisten {
public:
    // The list of that name, read from the resources when first asked
    // for; an empty list for an unknown name. Stufe 2 and 3 are the lists
    // drawn at twice and three times the size, for finer screens (each tile
    // still 45 x 45 logical pixels).
    const std::vector<QPixmap>& liste(const QString& name, int stufe = 1) const;

    // Cuts a strip of equally wide square tiles (height = tile size) apart;
    // each tile gets the strip's scale as its device pixel ratio.
    static std::vector<QPixmap> zerlegen(const QImage& streifen, int stufe = 1);

private:
    mutable std::map<std::pair<QString, int>, std::vector<QPixmap>> listen_;
};

// Board geometry in picture pixels.
inline constexpr int zellenPixel = 45;
inline constexpr int unterPixel = 15;
inline constexpr int blockPixel = 135;

// The colours of the board.
inline const QColor zellenlinienFarbe{185, 189, 198};
inline const QColor rahmenFarbe{99, 106, 122};
inline const QColor loeschFarbe{192, 192, 192};  // clears the picture before the next game

// Draws cells x1..x2, y1..y2 (from 1, inclusive; an empty range draws no
// cells) of the game in z into the board picture through p, then all grid,
// frame and box lines. A picture with a device pixel ratio above 1 gets the
// finer tiles, each cell covering whole device pixels, so that no seam
// shows between cells at fractional ratios. The one drawing routine of the board: the widget and
// the tests both use it. Leaves the painter's brush at the clearing grey.
void zeichneAusgabe(QPainter& p, const Spielzustand& z, const Kachellisten& listen, int x1, int x2, int y1, int y2);

// The outer frame of an N x N board (as the game start draws it before the
// first tiles arrive).
void zeichneRahmen(QPainter& p, int n, int rechterRand);

// The board image: shows its picture at 1:1 and sizes itself to it. Presses
// become values and marks while a game runs; the board then checks the grid
// and announces a win.
class Spielfeld : public QLabel {
    Q_OBJECT
public:
    Spielfeld(Spielzustand& zustand, const Kachellisten& listen, QWidget* parent = nullptr);

    // The board picture (1 x 1 pixel before the first game), in logical
    // pixels; on a finer screen the board shows the same picture drawn at
    // the screen's device pixel ratio (feinbild).
    const QImage& bild() const;
    const QImage& feinbild() const { return fein_; }
    // Gives the picture a new size, fills (0,0)-(N*45,N*45) with the current
    // brush colour and draws the outer frame (2-pixel pen, RGB 99,106,122).
    void bildVorbereiten(int breite, int hoehe, int n);
    // Redraws the given cells and all lines, and shows the result.
    void Ausgabe(int x1, int x2, int y1, int y2);

    // The game clock that a completing press stops.
    void setUhr(QTimer* uhr);
    // While a puzzle is being generated the board ignores presses.
    void setGesperrt(bool gesperrt);
    bool istGesperrt() const { return gesperrt_; }

    // The colour the next bildVorbereiten clears with: white until the first
    // Ausgabe, the clearing grey after it.
    QColor pinselFarbe() const { return pinsel_; }

    // The press handler, X and Y in picture pixels.
    void spielfeldMouseDown(Qt::MouseButton taste, int X, int Y);

    // The keyboard's cursor: the cell (x, y from 1) that keys act on, shown
    // from the first key pressed on the board until the next mouse press.
    QPoint cursor() const { return cursor_; }
    bool cursorSichtbar() const { return cursorZeigen_; }

    // Takes back the player's last change of the running game (a value
    // entered, emptied or replaced, a mark set or cleared), or makes the last
    // one taken back again. False where there is nothing to do, no game runs
    // or it is won. The points stay as they are.
    bool rueckgaengig();
    bool wiederholen();

    // The game on the board.
    const Spielzustand& zustand() const { return zustand_; }
    // What assistive technology reads for cell (x, y); the window that hosts
    // the board words it in its language.
    using Zellenname = std::function<QString(int x, int y, const Spielzustand&)>;
    void setZellenname(Zellenname benenner) { benenner_ = std::move(benenner); }
    QString zellenname(int x, int y) const;

Q_SIGNALS:
    // A completed board with fewer than 25541 points.
    void gewonnenOhneHighscore();
    // A completed board with 25541 points or more; the four texts for the
    // high-score dialog's hidden labels.
    void gewonnenMitHighscore(const QString& punkte, const QString& spielart, const QString& aufgedeckt,
                              const QString& elemente);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // A new screen ratio redraws the fine picture; the cursor is drawn over it.
    void paintEvent(QPaintEvent* e) override;

private:
    void zeigen();
    qreal verhaeltnis() const;
    // Draws the fine picture anew for the current ratio.
    void feinNeu();

    Spielzustand& zustand_;
    const Kachellisten& listen_;
    // One cell as the player can change it: its value and its nine marks.
    struct Zelle {
        int32_t wert = 0;
        std::array<uint8_t, 9> marken{};
        bool operator==(const Zelle&) const = default;
    };
    struct Aenderung {
        int x, y;
        Zelle vorher, nachher;
    };
    Zelle zelle(int x, int y) const;
    void zelleSetzen(int x, int y, const Zelle& z);
    // Keeps a change of cell (x, y) just made for undo.
    void merken(int x, int y, const Zelle& vorher);
    // Redraws the cell and checks the board; a complete board ends the game.
    void zeichnenUndPruefen(int x, int y);
    // The value a key stands for (1..9), or 0.
    int wertVonTaste(const QKeyEvent* e) const;
    void cursorSetzen(int x, int y);

    // Tells assistive technology that cell (x, y) changed, or has the focus.
    void zugangMelden(int x, int y, bool fokus);

    Zellenname benenner_;
    std::vector<Aenderung> verlauf_;
    size_t stand_ = 0;  // the changes verlauf_[0 .. stand_) are in force
    QPoint cursor_{1, 1};
    QPoint letzteMaus_{1, 1};
    bool cursorZeigen_ = false;

    QImage bild_;
    QImage fein_;  // null on a screen of ratio 1
    QColor pinsel_{Qt::white};
    QTimer* uhr_ = nullptr;
    bool gesperrt_ = false;
};
