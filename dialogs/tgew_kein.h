#pragma once

#include "widgets/hauptfenster.h"
#include "widgets/klicklabel.h"
#include "widgets/texte.h"

#include <QLabel>
#include <QWidget>

// Congratulations on a solved puzzle below the high-score threshold.
class Tgew_kein : public QWidget {
    Q_OBJECT
public:
    // haupt: the main window it stands in front of (none in some tests).
    Tgew_kein(const Sprachwert& sprache, Hauptfenster* haupt, QWidget* parent = nullptr);

    KlickLabel* Image3 = nullptr; // English picture
    KlickLabel* Image1 = nullptr; // German picture, above Image3
    KlickLabel* Label1 = nullptr; // the points text from the status bar
    KlickLabel* Image2 = nullptr; // click area over the drawn OK button

    void Sprache();
    void FormActivate();
    void Image2Click();

    // Shows the dialog over the main window; the board's plain win.
    void zeigen();

protected:
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    const Sprachwert& sprache_;
    Hauptfenster* haupt_;
};
