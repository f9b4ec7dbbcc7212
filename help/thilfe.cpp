#include "help/thilfe.h"

#include "help/verweis.h"
#include "widgets/adressen.h"
#include "widgets/bild.h"
#include "widgets/fenster.h"
#include "widgets/stil.h"
#include "widgets/texte.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>

namespace {

constexpr QColor reiterFarbe(0x2C, 0x58, 0x00);

QLabel* ueberschrift(QWidget* seite, const QString& text, int links, int oben)
{
    auto* l = new QLabel(text, seite);
    l->setFont(standardSchrift(16));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->move(links, oben);
    l->adjustSize();
    return l;
}

QLabel* absatz(QWidget* seite, const QString& text, int links, int oben, int breite, int hoehe)
{
    auto* l = new QLabel(text, seite);
    l->setFont(standardSchrift(11));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(links, oben, breite, hoehe);
    return l;
}

}  // namespace

// ---------------------------------------------------------------------------

Seitensteuerung::Seitensteuerung(QWidget* parent) : QWidget(parent)
{
    stapel = new QStackedWidget(this);
}

QWidget* Seitensteuerung::neueSeite(const QString& text, const QString& name)
{
    auto* seite = new QWidget;
    seite->setObjectName(name);
    const int index = stapel->addWidget(seite);

    auto* r = new QToolButton(this);
    r->setText(text);
    r->setCheckable(true);
    r->setAutoRaise(true);
    r->setFont(standardSchrift(11));
    QPalette p = r->palette();
    p.setColor(QPalette::ButtonText, reiterFarbe);
    r->setPalette(p);
    r->setCursor(Qt::PointingHandCursor);
    r->setFocusPolicy(Qt::TabFocus);
    connect(r, &QToolButton::clicked, this, [this, index] { setCurrentIndex(index); });
    reiter.push_back(r);

    if (index == 0)
        setCurrentIndex(0);
    reiterAnordnen();
    return seite;
}

void Seitensteuerung::setCurrentIndex(int i)
{
    if (i < 0 || i >= stapel->count())
        return;
    stapel->setCurrentIndex(i);
    for (int k = 0; k < reiter.size(); ++k)
        reiter[k]->setChecked(k == i);
}

void Seitensteuerung::reiterAnordnen()
{
    // Tabs flow left to right and open a new row when one is full.
    int x = 2, y = 0;
    for (QToolButton* r : reiter) {
        const int breite = r->sizeHint().width() + 12;
        if (x > 2 && x + breite > width() - 2) {
            x = 2;
            y += reiterHoehe;
        }
        r->setGeometry(x, y, breite, reiterHoehe - 2);
        x += breite + 3;
    }
    seitenOben_ = y + reiterHoehe + 4;
    stapel->setGeometry(4, seitenOben_, std::max(0, width() - 8), std::max(0, height() - seitenOben_ - 4));
    update();
}

void Seitensteuerung::resizeEvent(QResizeEvent*)
{
    reiterAnordnen();
}

void Seitensteuerung::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect rahmen(1, seitenOben_ - 3, width() - 2, height() - seitenOben_ + 2);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(rahmen.topLeft(), rahmen.topRight());
    p.drawLine(rahmen.topLeft(), rahmen.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(rahmen.bottomLeft(), rahmen.bottomRight());
    p.drawLine(rahmen.topRight(), rahmen.bottomRight());
}

// ---------------------------------------------------------------------------

Hilfefenster::Hilfefenster(bool de, Seiten seiten, QWidget* parent) : QWidget(parent), deutsch_(de)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Sudoku - Velmar Media"));
    setFixedSize(543, 495);
    setObjectName(de ? QStringLiteral("pinfo_de") : QStringLiteral("pinfo_en"));

    kopfbild = new KlickLabel(this);
    kopfbild->setGeometry(0, 0, 543, 100);
    bildBeiBedarf(kopfbild, QStringLiteral(":/hilfe/kopf.jpg"));
    ziehtFenster(kopfbild);

    Bevel2 = new QFrame(this);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(0, 100, 543, 2);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(0, height() - 37, 543, 2);

    pc = new Seitensteuerung(this);
    pc->setObjectName(QStringLiteral("pc"));
    pc->setGeometry(de ? 8 : 12, 110, 518, 342);
    pcRechts_ = width() - pc->geometry().right() - 1;

    zurueck = new QPushButton(texte(de).zurueck, this);
    zurueck->setGeometry(370, 464, 75, 25);
    zurueck->setFont(standardSchrift(11));
    connect(zurueck, &QPushButton::clicked, this, &Hilfefenster::zurueckClick);
    weiter = new QPushButton(texte(de).weiter, this);
    weiter->setGeometry(451, 464, 75, 25);
    weiter->setFont(standardSchrift(11));
    connect(weiter, &QPushButton::clicked, this, &Hilfefenster::weiterClick);

    if (seiten == Seiten::sofort)
        seitenBauen();

    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect bereich = s->availableGeometry();
        move(bereich.center() - rect().center());
    }
}

void Hilfefenster::seitenBauen()
{
    if (gebaut_)
        return;
    gebaut_ = true;
    seitenFuellen(deutsch_);
    pc->setCurrentIndex(0);
    seitenGebaut();
}

void Hilfefenster::showEvent(QShowEvent* e)
{
    seitenBauen();
    QWidget::showEvent(e);
}

KlickLabel* Hilfefenster::verweis(QWidget* seite, const QString& link, int links, int oben)
{
    KlickLabel* l = verweisLabel(seite, link, links, oben);
    l->move(hilfeVerweisLinks(links, l->width(), pc->stapel->width()), oben);
    l->jederKlickZaehlt = true;
    verweise.push_back(l);
    return l;
}

void Hilfefenster::seitenFuellen(bool de)
{
    const QString software = QString::fromLatin1(de ? webadressen::softwareDe : webadressen::softwareInt);
    const QString persoenlich = QString::fromLatin1(de ? webadressen::persoenlichDe : webadressen::persoenlichInt);
    constexpr int breite = 495;

    // Page 1: playing, and where to turn with questions.
    QWidget* s = pc->neueSeite(de ? QStringLiteral("Hilfe") : QStringLiteral("Help"), QStringLiteral("pc_hilfe"));
    if (de) {
        ueberschrift(s, QStringLiteral("Hilfe"), 5, 5);
        absatz(s, QStringLiteral("Das Programm zeigt Ihnen das Spielfeld, daneben die Spalte mit den Einstellungen und "
                                 "darin ein kleines Hilfefeld, das Ihnen immer sagt, was Sie gerade tun können. Klicken "
                                 "Sie auf \"Spiel starten\", warten Sie, bis das Rätsel erzeugt ist, und wählen Sie "
                                 "dann in jedem Feld die richtige Zahl."),
               5, 28, breite, 54);
        absatz(s, QStringLiteral("Unter \"Spiel\" und \"Benutzerdefiniert\" finden Sie neben dem klassischen Sudoku "
                                 "auch freie Varianten sowie Symbole und Buchstaben anstelle der Zahlen. Im "
                                 "\"Druckmodus\" erzeugen Sie die Rätsel wie beim Spielen und drucken sie aus."),
               5, 88, breite, 42);
        absatz(s, QStringLiteral("Ausführliche Hinweise zu allen Einstellungen und Spielregeln finden Sie auf der "
                                 "Seite des Programms im Internet:"),
               5, 136, breite, 42);
        verweis(s, software + QStringLiteral("/sudoku"), 329, 196);
        ueberschrift(s, QStringLiteral("Ihre Anliegen"), 5, 210);
        absatz(s, QStringLiteral("Haben Sie Vorschläge, Kritik oder Wünsche? Wir freuen uns über jede Nachricht und "
                                 "lesen sie alle. Schreiben Sie uns bitte über das Support-Formular auf der Seite des "
                                 "Programms:"),
               5, 233, breite, 42);
        verweis(s, software + QStringLiteral("/support"), 329, 287);
    } else {
        ueberschrift(s, QStringLiteral("Help"), 5, 5);
        absatz(s, QStringLiteral("The program shows you the board, beside it the column of settings and in it a small "
                                 "help box that always tells you what you can do right now. Click \"Start Game\", wait "
                                 "until the puzzle has been made, and then choose the right number in every field."),
               5, 28, breite, 54);
        absatz(s, QStringLiteral("Under \"Game\" and \"User Defined\" you will find free variants besides the classic "
                                 "Sudoku, and symbols and letters instead of numbers. In \"Print Mode\" you make "
                                 "puzzles just as in play mode and print them on paper."),
               5, 88, breite, 42);
        absatz(s, QStringLiteral("You will find detailed notes on all settings and rules on the program's web page:"),
               5, 136, breite, 42);
        verweis(s, software + QStringLiteral("/sudoku"), 336, 192);
        ueberschrift(s, QStringLiteral("Your Converns"), 5, 223);
        absatz(s, QStringLiteral("Do you have suggestions, criticism or wishes? We are glad about every message and "
                                 "read them all. Please write to us through the support form on the program's page:"),
               5, 246, breite, 36);
        verweis(s, software + QStringLiteral("/support"), 336, 284);
    }

    // Page 2: the maker's other services.
    s = pc->neueSeite(de ? QStringLiteral("Empfehlungen") : QStringLiteral("Regards"), QStringLiteral("pc_empf"));
    ueberschrift(s, QStringLiteral("Webdesign"), 5, 5);
    if (de) {
        absatz(s, QStringLiteral("Sie brauchen eine Internetseite für Ihren Verein, Ihr Geschäft oder Ihre Familie? "
                                 "Velmar Media gestaltet Webseiten, die gut aussehen, schnell laden und sich leicht "
                                 "pflegen lassen."),
               5, 28, breite, 42);
        absatz(s, QStringLiteral("Von der ersten Idee über Entwurf und Umsetzung bis zur Betreuung erhalten Sie alles "
                                 "aus einer Hand, zu fairen Preisen. Mehr dazu erfahren Sie hier:"),
               5, 74, breite, 42);
        verweis(s, persoenlich + QStringLiteral("/webdesign"), 329, 122);
        ueberschrift(s, QStringLiteral("Individuelle Software"), 5, 135);
        absatz(s, QStringLiteral("Kein fertiges Programm passt genau zu Ihren Aufgaben? Dann entwickeln wir eine "
                                 "Software, die auf Ihre Arbeitsweise zugeschnitten ist: vom kleinen Hilfsprogramm bis "
                                 "zur umfangreichen Anwendung für Ihr Unternehmen. Fragen Sie uns einfach:"),
               5, 158, breite, 56);
        verweis(s, software + QStringLiteral("/individuell"), 329, 233);
        ueberschrift(s, QStringLiteral("Mehr Service für Sie"), 5, 248);
        absatz(s, QStringLiteral("Einen Überblick über alle Leistungen von Velmar Media finden Sie auf unserer "
                                 "Internetseite:"),
               5, 271, breite, 28);
        verweis(s, persoenlich, 329, 295);
    } else {
        absatz(s, QStringLiteral("Do you need a web site for your club, your business or your family? Velmar Media "
                                 "designs web sites that look good, load fast and are easy to keep up to date."),
               5, 28, breite, 42);
        absatz(s, QStringLiteral("From the first idea through design and building to looking after it, you get "
                                 "everything from one source, at fair prices. Find out more here:"),
               5, 74, breite, 42);
        verweis(s, persoenlich + QStringLiteral("/webdesign"), 329, 122);
        ueberschrift(s, QStringLiteral("Individual Software"), 5, 135);
        absatz(s, QStringLiteral("No ready-made program fits your tasks exactly? Then we develop software that is cut "
                                 "to the way you work, from a small tool to a large application for your company."),
               5, 158, breite, 30);
        absatz(s, QStringLiteral("Tell us what you need, and we will gladly make you an offer:"), 5, 200, breite, 28);
        verweis(s, software + QStringLiteral("/individual"), 329, 240);
        ueberschrift(s, QStringLiteral("More Service for You"), 5, 254);
        absatz(s, QStringLiteral("You will find an overview of all services by Velmar Media on our web site:"), 5, 277,
               breite, 16);
        verweis(s, persoenlich, 329, 293);
    }

    // Page 3: the catalogue.
    s = pc->neueSeite(QStringLiteral("Software"), QStringLiteral("pc_software"));
    if (de)
        katalog = new TFrame1(s);
    else
        katalog = new TFrame2(s);
    katalog->setGeometry(-1, 0, 511, 311);

    // Page 4: why donate.
    s = pc->neueSeite(de ? QStringLiteral("Wieso spenden?") : QStringLiteral("Why Donate?"),
                      QStringLiteral("pc_spenden"));
    auto* box = new QScrollArea(s);
    box->setGeometry(3, 3, 504, 291);
    box->setFrameStyle(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* bild = new QLabel;
    bildBeiBedarf(bild, de ? QStringLiteral(":/hilfe/spenden_de.jpg") : QStringLiteral(":/hilfe/spenden_en.jpg"));
    bild->setFixedSize(504, 289);
    box->setWidget(bild);
    verweis(s, software + (de ? QStringLiteral("/spenden") : QStringLiteral("/donate")), 387, 298);

    // Page 5: terms of use.
    s = pc->neueSeite(de ? QStringLiteral("Nutzungsbedingungen") : QStringLiteral("Terms of Use"),
                      QStringLiteral("pc_lizenz"));
    if (de) {
        ueberschrift(s, QStringLiteral("Nutzungsbedingungen"), 5, 5);
        absatz(s, QStringLiteral("Velmar Sudoku ist kostenlos. Sie dürfen das Programm privat und beruflich auf "
                                 "beliebig vielen Rechnern benutzen und es unverändert weitergeben, solange Sie dafür "
                                 "kein Geld verlangen. Das Programm zu verändern, zu zerlegen oder zu verkaufen ist "
                                 "nicht gestattet."),
               5, 28, breite, 56);
        absatz(s, QStringLiteral("Das Programm wurde sorgfältig entwickelt und geprüft. Es wird dennoch so angeboten, "
                                 "wie es ist, ohne Gewähr dafür, dass es fehlerfrei ist oder sich für einen bestimmten "
                                 "Zweck eignet. Für Schäden durch seinen Gebrauch haften wir nur, soweit das Gesetz es "
                                 "zwingend vorschreibt."),
               5, 90, breite, 56);
        absatz(s, QStringLiteral("© Velmar Media. Alle Rechte vorbehalten. Die vollständigen Nutzungsbedingungen "
                                 "finden Sie hier:"),
               5, 152, breite, 42);
        verweis(s, software + QStringLiteral("/lizenz"), 329, 196);
    } else {
        ueberschrift(s, QStringLiteral("Terms of Use"), 5, 5);
        absatz(s, QStringLiteral("Velmar Sudoku is free of charge. You may use the program at home and at work on as "
                                 "many computers as you like and pass it on unchanged, as long as you ask no money for "
                                 "it. Changing, taking apart or selling the program is not allowed."),
               5, 28, breite, 56);
        absatz(s, QStringLiteral("The program has been developed and tested with care. It is nevertheless offered as "
                                 "it is, without any warranty that it is free of errors or fit for a particular "
                                 "purpose. We are liable for damage caused by its use only as far as the law requires."),
               5, 90, breite, 56);
        absatz(s, QStringLiteral("© Velmar Media. All rights reserved. You will find the full terms of use here:"), 5,
               152, breite, 42);
        verweis(s, software + QStringLiteral("/license"), 336, 196);
    }
}

void Hilfefenster::zurueckClick()
{
    const int n = pc->count();
    pc->setCurrentIndex((pc->currentIndex() + n - 1) % n);
}

void Hilfefenster::weiterClick()
{
    pc->setCurrentIndex((pc->currentIndex() + 1) % pc->count());
}

void Hilfefenster::resizeEvent(QResizeEvent*)
{
    // The page control and the lines follow the window's edges.
    if (!pc || !zurueck || !weiter)
        return;
    const int links = pc->x();
    pc->setGeometry(links, 110, std::max(0, width() - links - pcRechts_), std::max(0, height() - 110 - 43));
    Bevel1->setGeometry(0, height() - 37, width(), 2);
    Bevel2->setGeometry(0, 100, width(), 2);
    zurueck->move(width() - 173, height() - 31);
    weiter->move(width() - 92, height() - 31);
}

// ---------------------------------------------------------------------------

Thilfe::Thilfe(Seiten seiten, QWidget* parent) : Hilfefenster(true, Seiten::beimZeigen, parent)
{
    btide1 = zurueck;
    btide2 = weiter;
    Image2 = kopfbild;
    Image2->setObjectName(QStringLiteral("Image2"));
    if (seiten == Seiten::sofort)
        seitenBauen();
}

void Thilfe::seitenGebaut() { frame1 = static_cast<TFrame1*>(katalog); }

Thilfe_en::Thilfe_en(Seiten seiten, QWidget* parent) : Hilfefenster(false, Seiten::beimZeigen, parent)
{
    btien1 = zurueck;
    btien2 = weiter;
    Image3 = kopfbild;
    Image3->setObjectName(QStringLiteral("Image3"));
    if (seiten == Seiten::sofort)
        seitenBauen();
}

void Thilfe_en::seitenGebaut() { frame2 = static_cast<TFrame2*>(katalog); }
