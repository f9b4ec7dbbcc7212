#pragma once

#include "widgets/hauptfenster.h"
#include "widgets/klicklabel.h"
#include "widgets/texte.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

// Congratulations with the offer to enter the result in the high-score table.
class Tgew_high : public QWidget {
    Q_OBJECT
public:
    // haupt: the main window it stands in front of (none in some tests).
    Tgew_high(const Sprachwert& sprache, Hauptfenster* haupt, QWidget* parent = nullptr);

    KlickLabel* Image4 = nullptr;  // English picture
    KlickLabel* Image1 = nullptr;  // German picture, above Image4
    KlickLabel* Image2 = nullptr;  // click area over the drawn submit button
    KlickLabel* Image3 = nullptr;  // click area over the drawn not-now button
    QLabel* Label1 = nullptr;      // the points text from the status bar

    // Never visible: the game's values, written by the board before showing.
    QLabel* lapunkte = nullptr;
    QLabel* laspielart = nullptr;
    QLabel* laaufgedeckt = nullptr;
    QLabel* laelemente = nullptr;

    QLineEdit* Edit1 = nullptr;  // the player's name, at most 30 characters
    QLineEdit* Edit2 = nullptr;  // the code
    QLineEdit* Edit3 = nullptr;  // the address

    QString code;         // built at the latest activation
    QString spielername;  // taken at the latest submission, before encoding
    QString anzeigelink;  // the address shown in Edit3
    QString eintraglink;  // the address opened at the latest submission

    void Sprache();
    void FormActivate();
    void Image2Click();  // submit
    void Image3Click();  // not now
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();

    // Writes the game's values into the hidden labels and shows the dialog;
    // the board's high-score win.
    void zeigen(const QString& punkte, const QString& spielart, const QString& aufgedeckt, const QString& elemente);

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    const Sprachwert& sprache_;
    Hauptfenster* haupt_;
};
