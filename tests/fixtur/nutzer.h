#pragma once

// The program as tests, the screenshot tool and the benchmarks see it: all
// windows built and connected by start-up's own Programm, their controls
// found by the object names the program gives them, and acted on the way a
// user acts: clicks and keys on the real controls, so that every control's
// connection is part of what is tested.

#include "app/programm.h"
#include "app/tstart.h"
#include "board/spielablauf.h"
#include "board/spielfeld.h"
#include "mainwindow/tprog.h"
#include "widgets/klicklabel.h"
#include "widgets/statusleiste.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace nutzer {

// The control of that name and kind inside w; a missing one ends the run,
// since every later step would act on nothing.
template <class T = QWidget>
T* teil(const QObject* w, const char* name)
{
    T* t = w->findChild<T*>(QLatin1String(name));
    if (!t) {
        std::fprintf(stderr, "no %s in %s\n", name, qPrintable(w->objectName()));
        std::abort();
    }
    return t;
}

// A left click (or another button) in the middle of a control, or at a point of it.
inline void klicken(QWidget* w, Qt::MouseButton taste = Qt::LeftButton, QPoint wo = QPoint(-1, -1))
{
    if (wo == QPoint(-1, -1))
        wo = w->rect().center();
    QTest::mouseClick(w, taste, Qt::NoModifier, wo);
}

// Drops a list down and clicks the item with that index. A list the user
// cannot see or use is left as it is, as a user would have to.
inline void waehlen(QComboBox* cb, int index)
{
    if (!cb->isVisible() || !cb->isEnabled()) {
        std::fprintf(stderr, "%s cannot be chosen from: %s\n", qPrintable(cb->objectName()),
                     cb->isVisible() ? "disabled" : "not visible");
        return;
    }
    cb->showPopup();
    QAbstractItemView* v = cb->view();
    const QModelIndex i = cb->model()->index(index, cb->modelColumn(), cb->rootModelIndex());
    v->scrollTo(i);
    const QPoint wo = v->visualRect(i).center();
    QTest::mousePress(v->viewport(), Qt::LeftButton, Qt::NoModifier, wo);
    // The list takes a release that follows its opening too closely for
    // the end of the click that opened it.
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, Qt::NoModifier, wo, QApplication::doubleClickInterval() + 10);
    if (cb->view()->isVisible())
        cb->hidePopup();
}

inline void waehlen(QComboBox* cb, const QString& text)
{
    const int i = cb->findText(text, Qt::MatchExactly);
    if (i < 0) {
        std::fprintf(stderr, "no item \"%s\" in %s\n", qPrintable(text), qPrintable(cb->objectName()));
        std::abort();
    }
    waehlen(cb, i);
}

// Clicks the tab of a page.
inline void seiteKlicken(QTabWidget* pc, int index)
{
    QTabBar* leiste = pc->tabBar();
    klicken(leiste, Qt::LeftButton, leiste->tabRect(index).center());
}

// The main window's controls by name.
struct Hauptteile {
    explicit Hauptteile(Tprog& p)
        : fenster(p),
          pc(teil<QTabWidget>(&p, "pc")),
          ts1(teil(&p, "ts1")),
          ts2(teil(&p, "ts2")),
          Bevel1(teil<QFrame>(&p, "Bevel1")),
          Bevel2(teil<QFrame>(&p, "Bevel2")),
          spielfeld(teil<Spielfeld>(&p, "spielfeld")),
          druckseite(teil<QLabel>(&p, "druckseite")),
          gbtitel(teil<QGroupBox>(&p, "gbtitel")),
          Image1(teil<QLabel>(gbtitel, "Image1")),
          Image2(teil<KlickLabel>(&p, "Image2")),
          Label2(teil<KlickLabel>(&p, "Label2")),
          Image3(teil<KlickLabel>(&p, "Image3")),
          Label3(teil<KlickLabel>(&p, "Label3")),
          gb1(teil<QGroupBox>(&p, "gb1")),
          cbspiel(teil<QComboBox>(&p, "cbspiel")),
          cbspielart(teil<QComboBox>(&p, "cbspielart")),
          cbgeloest(teil<QComboBox>(&p, "cbgeloest")),
          cbelemente(teil<QComboBox>(&p, "cbelemente")),
          Image4(teil<KlickLabel>(&p, "Image4")),
          Label4(teil<KlickLabel>(&p, "Label4")),
          spielstarten(teil<QPushButton>(&p, "spielstarten")),
          gb2(teil<QGroupBox>(&p, "gb2")),
          cbdruck(teil<QComboBox>(&p, "cbdruck")),
          Image7(teil<KlickLabel>(&p, "Image7")),
          Label5(teil<KlickLabel>(&p, "Label5")),
          gb3(teil<QGroupBox>(&p, "gb3")),
          hilfep(teil<QPlainTextEdit>(&p, "hilfep")),
          stat(teil<Statusleiste>(&p, "stat")),
          Timer(teil<QTimer>(&p, "Timer")),
          weg(teil<QTimer>(&p, "weg")),
          spielablauf(p.findChild<Spielablauf*>())
    {
        for (int k = 0; k < 6; ++k)
            x[size_t(k)] = teil<Bildhalter>(&p, qPrintable(QStringLiteral("x%1").arg(k + 1)));
    }

    Tprog& fenster;
    QTabWidget* pc;
    QWidget* ts1;
    QWidget* ts2;
    QFrame* Bevel1;
    QFrame* Bevel2;
    Spielfeld* spielfeld;
    QLabel* druckseite;
    std::array<Bildhalter*, 6> x{};
    QGroupBox* gbtitel;
    QLabel* Image1;
    KlickLabel* Image2;
    KlickLabel* Label2;
    KlickLabel* Image3;
    KlickLabel* Label3;
    QGroupBox* gb1;
    QComboBox* cbspiel;
    QComboBox* cbspielart;
    QComboBox* cbgeloest;
    QComboBox* cbelemente;
    KlickLabel* Image4;
    KlickLabel* Label4;
    QPushButton* spielstarten;
    QGroupBox* gb2;
    QComboBox* cbdruck;
    KlickLabel* Image7;
    KlickLabel* Label5;
    QGroupBox* gb3;
    QPlainTextEdit* hilfep;
    Statusleiste* stat;
    QTimer* Timer;
    QTimer* weg;
    Spielablauf* spielablauf;

    Spielzustand& zustand() const { return fenster.zustand(); }
    const Texte& texte() const { return fenster.texte(); }

    // What a user does.
    void spielStarten() const { klicken(Label4); }
    void vorbereiten() const { klicken(Label5); }
    void seite(int index) const { seiteKlicken(pc, index); }
    // The window comes to the front from another of the program's windows,
    // as it does when the splash hands over or a dialog is left.
    void aktivieren() const
    {
        fenster.show();
        fenster.activateWindow();
        if (!QTest::qWaitForWindowActive(&fenster))
            std::fprintf(stderr, "the main window did not become active\n");
    }
};

}  // namespace nutzer
