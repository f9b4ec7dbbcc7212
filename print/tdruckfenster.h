#pragma once

#include "widgets/hauptfenster.h"
#include "widgets/klicklabel.h"
#include "widgets/texte.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Druckdienst;
class Druckmodus;

// What the last successful print action put on paper, in printer pixels:
// for the tools and tests that look at the printed sheet.
struct Druckbericht {
    QString drucker;            // queue name, empty when printed into a file
    int aufloesung = 0;         // printer pixels per inch
    QRect seite;                // printable area within the paper
    QRect papier;               // the whole sheet
    std::vector<QRect> felder;  // puzzle rectangles within the printable area
};

// The print window: progress while a page is composed, then printer choice,
// print and cancel.
class Tdruckfenster : public QWidget {
    Q_OBJECT
public:
    // seite: the main window's print page, which the print mode composes.
    Tdruckfenster(const Sprachwert& sprache, Druckseite& seite, QWidget* parent = nullptr);
    ~Tdruckfenster() override;

    // Stands for the system's default printer; the same in both languages.
    static inline const QString standart = QStringLiteral("Standart");

    KlickLabel* Image4 = nullptr;  // English background, drag handle
    KlickLabel* Image3 = nullptr;  // German background, drag handle
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    KlickLabel* Image2 = nullptr;  // cancel
    KlickLabel* Image1 = nullptr;  // print
    KlickLabel* Label3 = nullptr;
    KlickLabel* Label4 = nullptr;
    QLabel* verdeck = nullptr;     // covers the buttons while a page is made
    QComboBox* cbdruck = nullptr;  // printer choice
    QProgressBar* gauge1 = nullptr;

    // The main window's print-page procedures (prepare action, composition).
    Druckmodus& druck() const { return *druck_; }

    void Sprache();
    void FormShow();
    void FormActivate();
    void FormHide();
    void Image3MouseDown();
    // Prints the page; false (after telling the user) when it could not.
    bool Image1Click();
    void Image2Click();

    // The printer text: "Standart" or the name chosen from the list.
    QString druckerText() const { return cbdruck->currentText(); }

    // When set, the print action writes the page into this PDF file instead
    // of sending it to a printer (tools and tests).
    QString ausgabeDatei;

    // Shows a problem to the user. A message box by default; tools that run
    // without anyone watching put their own handler here.
    std::function<void(const QString&)> meldung;
    // Tells the user something worth knowing about a print that went
    // through (an information box by default).
    std::function<void(const QString&)> hinweis;

    // The print service that lists the printers, takes the page and says
    // what became of it; the system's own unless replaced. Made when first
    // needed: asking the system for its printers takes a while.
    Druckdienst& druckdienst() const;
    void setDruckdienst(std::unique_ptr<Druckdienst> dienst);

    const Druckbericht& letzterDruck() const { return letzterDruck_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void listeFuellen();
    bool drucken();

    const Sprachwert& sprache_;
    Druckseite& seite_;
    std::unique_ptr<Druckmodus> druck_;
    mutable std::unique_ptr<Druckdienst> dienst_;
    QString gewaehlt_;  // chosen printer; empty while "Standart"
    bool zentriert_ = false;
    Druckbericht letzterDruck_;
};
