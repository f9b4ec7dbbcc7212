#pragma once

// The catalogue of the maker's programs on the "Software" page of the help
// windows: a fixed-size scrollable sheet with one icon button, name and
// description per program.

#include "widgets/klicklabel.h"

#include <QLabel>
#include <QScrollArea>
#include <QString>
#include <QToolButton>
#include <QVector>
#include <QWidget>

#include <array>

struct KatalogEintrag {
    QString name;
    QString beschreibung;
    QString link;  // host and path, no scheme: the button's hint
};

// The 16 entries in the language asked for; the hosts come from the one
// header that holds all of the maker's addresses.
std::array<KatalogEintrag, 16> katalogEintraege(bool deutsch);

// The scroll box: wheel turns move exactly 10 pixels, and nothing scrolls by
// itself when focus moves between the buttons inside.
class KatalogBox : public QScrollArea {
    Q_OBJECT
public:
    explicit KatalogBox(QWidget* parent = nullptr);

    static constexpr int inhaltBreite = 481;
    static constexpr int inhaltHoehe = 890;
    static constexpr int radSchritt = 10;

    int position() const;

    // One wheel event, wherever over the catalogue it was turned.
    void radDrehen(QWheelEvent* e);

protected:
    void wheelEvent(QWheelEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

// The frame itself, 511 x 311; TFrame1 speaks German, TFrame2 English.
class TFrame : public QWidget {
    Q_OBJECT
public:
    TFrame(bool deutsch, QWidget* parent);

    KatalogBox* scrollBox = nullptr;
    QLabel* ueberschrift = nullptr;
    QLabel* einleitung = nullptr;
    QVector<QToolButton*> knoepfe;
    QVector<QLabel*> namen;
    QVector<QLabel*> beschreibungen;
    KlickLabel* uebersicht = nullptr;  // the software overview link

    // Mouse movement over the sheet, a name or a description hands the
    // scroll box the focus, so the wheel works without a click first.
    void ScrollBoxMouseMove();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

class TFrame1 : public TFrame {
    Q_OBJECT
public:
    explicit TFrame1(QWidget* parent = nullptr) : TFrame(true, parent) {}
};

class TFrame2 : public TFrame {
    Q_OBJECT
public:
    explicit TFrame2(QWidget* parent = nullptr) : TFrame(false, parent) {}
};
