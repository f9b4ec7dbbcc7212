#pragma once

#include "widgets/klicklabel.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

// The splash window: borderless, on top, fading out after the main window
// appears. Its hidden label spr holds the language value for the whole run.
class Tstart : public QWidget {
    Q_OBJECT
public:
    explicit Tstart(const QString& sprache, QWidget* parent = nullptr);

    KlickLabel* Image1 = nullptr;  // German picture
    KlickLabel* Image2 = nullptr;  // English picture
    QLabel* spr = nullptr;         // the language value, never shown
    QTimer* Timer1 = nullptr;      // 27 ms
    int zaehler = 0;               // ticks since the splash became active
    // Opacity in steps of 1/255, kept as an integer so that 51 steps of 5
    // end exactly at 0.
    int deckkraft = 255;

    void FormActivate();
    void Timer1Timer();
    void Image1Click();

Q_SIGNALS:
    // The main window is to be shown and brought to the front.
    void hauptfensterGewuenscht();

protected:
    void changeEvent(QEvent* e) override;

private:
    // Each picture is read when it is first shown (and again after it was
    // given back).
    QString bilddatei(const KlickLabel* bild) const;
};
