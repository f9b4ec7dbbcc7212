#pragma once

#include "widgets/klicklabel.h"
#include "help/katalog.h"

#include <QFrame>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVector>
#include <QWidget>

// The help windows' page control: a row of flat tab buttons over a stack of
// pages. The pressed tab marks the page shown.
class Seitensteuerung : public QWidget {
    Q_OBJECT
public:
    explicit Seitensteuerung(QWidget* parent = nullptr);

    // Adds a page of the usual inner size and returns it for filling.
    QWidget* neueSeite(const QString& reiter, const QString& name);

    int count() const { return stapel->count(); }
    int currentIndex() const { return stapel->currentIndex(); }
    QWidget* currentWidget() const { return stapel->currentWidget(); }
    QWidget* seite(int i) const { return stapel->widget(i); }
    void setCurrentIndex(int i);

    QVector<QToolButton*> reiter;
    QStackedWidget* stapel = nullptr;

    static constexpr int reiterHoehe = 24;

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void reiterAnordnen();
    int seitenOben_ = reiterHoehe + 4;
};

// What both help windows share; the two differ only in language.
class Hilfefenster : public QWidget {
    Q_OBJECT
public:
    // When the pages are filled: at once, or when the window is first shown
    // (start-up makes both help windows, and most runs open neither).
    enum class Seiten { sofort, beimZeigen };

    // Fills the pages if that has not happened yet.
    void seitenBauen();

    KlickLabel* kopfbild = nullptr;  // Image2 / Image3
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel1 = nullptr;
    Seitensteuerung* pc = nullptr;
    QPushButton* zurueck = nullptr;
    QPushButton* weiter = nullptr;
    TFrame* katalog = nullptr;
    QVector<KlickLabel*> verweise;  // every link label, in page order

    // Back and next wrap round over the pages.
    void zurueckClick();
    void weiterClick();

protected:
    Hilfefenster(bool deutsch, Seiten seiten, QWidget* parent);
    void resizeEvent(QResizeEvent*) override;
    // Fills the pages before the window is first shown, so that they are
    // shown with it.
    void setVisible(bool sichtbar) override;
    // Called once the pages are filled.
    virtual void seitenGebaut() {}

private:
    void seitenFuellen(bool deutsch);
    KlickLabel* verweis(QWidget* seite, const QString& link, int links, int oben);
    int pcRechts_ = 17;  // the page control's margin to the right edge
    bool deutsch_;
    bool gebaut_ = false;
};

// The German help window.
class Thilfe : public Hilfefenster {
    Q_OBJECT
public:
    explicit Thilfe(Seiten seiten = Seiten::sofort, QWidget* parent = nullptr);

    QPushButton* btide1 = nullptr;  // back
    QPushButton* btide2 = nullptr;  // next
    KlickLabel* Image2 = nullptr;
    TFrame1* frame1 = nullptr;

    void btide1Click() { zurueckClick(); }
    void btide2Click() { weiterClick(); }

protected:
    void seitenGebaut() override;
};

// The English help window.
class Thilfe_en : public Hilfefenster {
    Q_OBJECT
public:
    explicit Thilfe_en(Seiten seiten = Seiten::sofort, QWidget* parent = nullptr);

    QPushButton* btien1 = nullptr;
    QPushButton* btien2 = nullptr;
    KlickLabel* Image3 = nullptr;
    TFrame2* frame2 = nullptr;

    void btien1Click() { zurueckClick(); }
    void btien2Click() { weiterClick(); }

protected:
    void seitenGebaut() override;
};
