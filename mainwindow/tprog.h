#pragma once

#include "board/spielablauf.h"
#include "engine/spielzustand.h"
#include "engine/zufall.h"
#include "widgets/hauptfenster.h"
#include "widgets/texte.h"

#include <QImage>
#include <QLabel>
#include <QSize>
#include <QWidget>

#include <array>

class KlickLabel;
class QComboBox;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class Spielfeld;
class Statusleiste;

// A hidden picture holder of the print page: the k-th puzzle of a page is
// drawn into the picture of holder "x<k>".
class Bildhalter : public QLabel {
    Q_OBJECT
public:
    explicit Bildhalter(QWidget* parent = nullptr);
    QImage bild;  // 15 x 15 white at the start; 1 x 1 between pages
};

// The main window: play and print page, the column of group boxes and the
// status bar. It holds the one game state of the process. The other windows
// reach it through the views it implements and through its signals; its
// controls carry the object names the program uses throughout.
class Tprog : public QWidget, public Hauptfenster, public Druckseite, private Spielwirt {
    Q_OBJECT
public:
    explicit Tprog(const Sprachwert& sprache, QWidget* parent = nullptr);
    ~Tprog() override;

    // The one game state of the process and its random generator (seeded
    // from the clock at creation; the high-score dialog reseeds it).
    Spielzustand& zustand() { return zustand_; }
    const Spielzustand& zustand() const override { return zustand_; }
    Zufallsgenerator& zufall() override { return zufall_; }
    // The texts of the language the window was built in.
    const Texte& texte() const { return texte_; }

    // Hauptfenster
    void setFreigegeben(bool frei) override;
    void nachVorn() override;
    std::optional<QRect> platz() const override;
    QString panelText(int panel) const override;

    // Druckseite
    bool einstellungenLesbar() const override;
    QString seitenwahl() const override;
    void seiteZeigen(int index) override;
    void zeigen() override;
    void setPanelText(int panel, const QString& text) override;
    void parameterSetzen() override;
    const Spielzustand& raetselErzeugen() override;
    QImage& halterbild(int k) override;
    void vorschauZeigen(const QImage& bild) override;
    void vorschauZentrieren() override;
    void druckseiteHalten() override;

Q_SIGNALS:
    // "Information": the help window of the language is wanted.
    void informationGewuenscht();
    // "Prepare" on the print page.
    void vorbereitenGeklickt();
    // A game won on the board, below and at or above the high-score
    // threshold; the four texts for the high-score dialog's hidden labels.
    void gewonnenOhneHighscore();
    void gewonnenMitHighscore(const QString& punkte, const QString& spielart, const QString& aufgedeckt,
                              const QString& elemente);
    // The window was closed: the program ends.
    void geschlossen();

protected:
    void changeEvent(QEvent* e) override;        // activation runs FormActivate
    void resizeEvent(QResizeEvent* e) override;  // FormResize
    void closeEvent(QCloseEvent* e) override;    // FormClose
    void showEvent(QShowEvent* e) override;      // centred on the screen the first time
    void moveEvent(QMoveEvent* e) override;      // the frame may have become known

private:
    void aufbauen();
    void verbinden();
    void tastaturEinrichten();
    void Sprache();
    void GbAnordnen();
    void EinstellungenInvisible(bool sichtbar);
    int32_t Spiel2Generieren();  // the attempt counter runs in panel 1
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
    void Label5Click();
    void statClick(int x);
    void statMouseMove(int x);

    // Spielwirt
    void startSteuerungFreigeben(bool frei) override;
    void seitenFreigeben(bool frei) override;
    void generieren() override { Spiel2Generieren(); }
    void vorbereiten() override { Spiel3Vorbereiten(); }
    void hilfeZeigen(const QStringList& zeilen) override;

    // The minimum size a game asks for is that of the whole window, frame
    // included; Qt's minimum is that of the client area. It is set again
    // whenever the window system tells a new frame.
    void mindestgroesseAnwenden();

    // The designed client size; the right-hand column keeps its distance
    // from the right edge, its lefts being given for the designed width.
    static constexpr int entwurfBreite = 737;
    static constexpr int entwurfHoehe = 582;
    static constexpr int spalteLinks = 530;

    const Sprachwert& sprache_;
    const Texte& texte_;
    Spielzustand zustand_;
    Zufallsgenerator zufall_;

    // Play and print page.
    QTabWidget* pc = nullptr;
    QWidget* ts1 = nullptr;
    QWidget* ts2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    Spielfeld* spielfeld = nullptr;
    QLabel* druckseite = nullptr;                // preview of a print page, sizes itself to its picture
    std::array<Bildhalter*, 6> x{};              // x1 .. x6

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
    KlickLabel* Image7 = nullptr;
    KlickLabel* Label5 = nullptr;

    // Help group.
    QGroupBox* gb3 = nullptr;
    QPlainTextEdit* hilfep = nullptr;

    Statusleiste* stat = nullptr;
    QTimer* Timer = nullptr;                     // the game clock, 50 ms
    QTimer* weg = nullptr;                       // puts the print page back, 10 ms
    Spielablauf* spielablauf = nullptr;          // start button, clock and points

    QSize mindestAussen_;
    bool seiteDurchProgramm_ = false;
    bool zentriertGezeigt_ = false;
    // Set when another window of the program has been active since this one
    // last was; coming back from another program alone is no re-activation.
    bool andereFensterAktiv_ = true;
};
