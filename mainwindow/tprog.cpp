// The main window's controls: creation, texts and the layout that follows
// the window's size.
#include "mainwindow/tprog.h"

#include "board/spielfeld.h"
#include "engine/einstellungen.h"
#include "widgets/bild.h"
#include "widgets/gruppe.h"
#include "widgets/klicklabel.h"
#include "widgets/listenfilter.h"
#include "widgets/statusleiste.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

namespace {

const QColor hintergrund(0xEC, 0xE9, 0xD8);
const QColor schriftGrau(0x80, 0x80, 0x80);
const QColor schriftMaroon(0x80, 0x00, 0x00);

// The tile lists, shared by every board of the process; each list is read
// from the resources when a game first shows it.
const Kachellisten& kachellisten()
{
    static const Kachellisten listen;
    return listen;
}

QComboBox* liste(QWidget* eltern, const char* name, int links, int oben)
{
    auto* cb = new QComboBox(eltern);
    cb->setObjectName(QLatin1String(name));
    cb->setEditable(false);
    cb->setGeometry(links, oben, 185, 21);
    cb->setMaxVisibleItems(12);
    nurAuswahl(cb);
    return cb;
}

KlickLabel* knopfBild(QWidget* eltern, const char* name, QRect r, const QString& bild)
{
    auto* l = new KlickLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(r);
    bildBeiBedarf(l, bild);
    l->setScaledContents(true);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

KlickLabel* knopfText(QWidget* eltern, const char* name, int links, int oben)
{
    auto* l = new KlickLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->move(links, oben);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

Bildhalter::Bildhalter(QWidget* parent) : QLabel(parent), bild(15, 15, QImage::Format_RGB32)
{
    bild.fill(Qt::white);
    setGeometry(0, 0, 15, 15);
    hide();
}

Tprog::Tprog(const Sprachwert& sprache, QWidget* parent)
    : QWidget(parent), sprache_(sprache), texte_(sprache.texte())
{
    setObjectName(QStringLiteral("Tprog"));
    setWindowTitle(QStringLiteral("Velmar Sudoku 1.3.1"));
    resize(entwurfBreite, entwurfHoehe);
    aufbauen();
    verbinden();

    // FormCreate.
    Sprache();
    tastaturEinrichten();
    zustand_.AufNullSetzen(1, 1, 1);
    zufall_.saeen(uhrSaat());
}

Tprog::~Tprog() = default;

void Tprog::aufbauen()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, hintergrund);
    pal.setColor(QPalette::WindowText, schriftGrau);
    pal.setColor(QPalette::Text, schriftGrau);
    pal.setColor(QPalette::ButtonText, schriftGrau);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(standardSchrift());

    QPalette maroon = pal;
    maroon.setColor(QPalette::WindowText, schriftMaroon);
    maroon.setColor(QPalette::Text, schriftMaroon);
    maroon.setColor(QPalette::ButtonText, schriftMaroon);

    pc = new QTabWidget(this);
    pc->setObjectName(QStringLiteral("pc"));
    pc->setGeometry(8, 8, 509, 549);
    pc->setPalette(maroon);
    pc->tabBar()->setExpanding(false);
    ts1 = new QWidget;
    ts1->setObjectName(QStringLiteral("ts1"));
    ts2 = new QWidget;
    ts2->setObjectName(QStringLiteral("ts2"));
    for (QWidget* seite : {ts1, ts2}) {
        seite->setPalette(pal);
        seite->setAutoFillBackground(true);
    }
    pc->addTab(ts1, QStringLiteral("Am Computer spielen"));
    pc->addTab(ts2, QStringLiteral("Druckmodus"));
    Bevel1 = new QFrame(ts1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 485, 505);
    Bevel2 = new QFrame(ts2);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(8, 8, 485, 505);
    for (QFrame* b : {Bevel1, Bevel2}) {
        b->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        b->setLineWidth(1);
    }
    spielfeld = new Spielfeld(zustand_, kachellisten(), ts1);
    spielfeld->setObjectName(QStringLiteral("spielfeld"));
    spielfeld->move(41, 33);
    // Before the first game its 1 x 1 picture would show as a stray dot; the
    // game start shows the board.
    spielfeld->hide();
    druckseite = new QLabel(ts2);
    druckseite->setObjectName(QStringLiteral("druckseite"));
    druckseite->move(25, 17);
    const int links[6] = {24, 64, 104, 144, 176, 200};
    for (int k = 0; k < 6; ++k) {
        x[size_t(k)] = new Bildhalter(ts2);
        x[size_t(k)]->setObjectName(QStringLiteral("x%1").arg(k + 1));
        x[size_t(k)]->move(links[k], 368);
    }

    gbtitel = new Gruppe(this);
    gbtitel->setObjectName(QStringLiteral("gbtitel"));
    gbtitel->setGeometry(spalteLinks, 24, 200, 97);
    gbtitel->setPalette(maroon);
    Image1 = new QLabel(gbtitel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 12, 185, 50);
    bildBeiBedarf(Image1, QStringLiteral(":/hauptfenster/titel.png"));
    const QString kleinerKnopf = QStringLiteral(":/hauptfenster/knopf89.png");
    const QString grosserKnopf = QStringLiteral(":/hauptfenster/knopf185.png");
    Image2 = knopfBild(gbtitel, "Image2", QRect(8, 66, 89, 21), kleinerKnopf);
    Label2 = knopfText(gbtitel, "Label2", 24, 70);
    Image3 = knopfBild(gbtitel, "Image3", QRect(104, 66, 89, 21), kleinerKnopf);
    Label3 = knopfText(gbtitel, "Label3", 120, 70);

    gb1 = new Gruppe(QStringLiteral("Spiel"), this);
    gb1->setObjectName(QStringLiteral("gb1"));
    gb1->setGeometry(spalteLinks, 130, 200, 70);
    gb1->setPalette(maroon);
    cbspiel = liste(gb1, "cbspiel", 8, 18);
    cbspielart = liste(gb1, "cbspielart", 8, 42);
    cbspielart->hide();
    cbgeloest = liste(gb1, "cbgeloest", 8, 66);
    cbgeloest->hide();
    cbelemente = liste(gb1, "cbelemente", 8, 90);
    cbelemente->hide();
    Image4 = knopfBild(gb1, "Image4", QRect(8, 120, 185, 21), grosserKnopf);
    Label4 = knopfText(gb1, "Label4", 24, 124);
    spielstarten = new QPushButton(gb1);
    spielstarten->setObjectName(QStringLiteral("spielstarten"));
    spielstarten->hide();

    gb2 = new Gruppe(QStringLiteral("Drucken"), this);
    gb2->setObjectName(QStringLiteral("gb2"));
    gb2->setGeometry(spalteLinks, 292, 200, 70);
    gb2->setPalette(maroon);
    gb2->hide();
    cbdruck = liste(gb2, "cbdruck", 8, 18);
    Image7 = knopfBild(gb2, "Image7", QRect(8, 42, 185, 21), grosserKnopf);
    Label5 = knopfText(gb2, "Label5", 24, 46);

    gb3 = new Gruppe(QStringLiteral("Hilfe"), this);
    gb3->setObjectName(QStringLiteral("gb3"));
    gb3->setGeometry(spalteLinks, 374, 200, 97);
    gb3->setPalette(maroon);
    hilfep = new QPlainTextEdit(gb3);
    hilfep->setObjectName(QStringLiteral("hilfep"));
    hilfep->setGeometry(8, 18, 185, 71);
    hilfep->setReadOnly(true);
    hilfep->setFrameStyle(QFrame::NoFrame);
    {
        QPalette mp = pal;
        mp.setColor(QPalette::Base, hintergrund);
        hilfep->setPalette(mp);
    }
    hilfep->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    hilfep->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hilfep->document()->setDocumentMargin(1);

    stat = new Statusleiste(this);
    stat->setPalette(pal);
    stat->setGeometry(0, entwurfHoehe - 19, entwurfBreite, 19);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(uhrIntervallMs);
    weg = new QTimer(this);
    weg->setObjectName(QStringLiteral("weg"));
    weg->setInterval(10);

    // The stacking the designer produced: labels over their pictures.
    Label2->raise();
    Label3->raise();
    Label4->raise();
    Label5->raise();

    spielablauf = new Spielablauf(zustand_, spielfeld, Timer, *this,
                                  {texte_.punkteSuffix, texte_.statusSpielGenerieren, texte_.statusFertig,
                                   texte_.hilfeSpiel},
                                  this);
}

void Tprog::verbinden()
{
    connect(cbspiel, &QComboBox::activated, this, &Tprog::cbspielChange);
    connect(cbspielart, &QComboBox::activated, this, &Tprog::cbspielartChange);
    connect(pc, &QTabWidget::currentChanged, this, [this] {
        if (!seiteDurchProgramm_)
            pcChange();
    });
    connect(weg, &QTimer::timeout, this, &Tprog::wegTimer);
    // The caption lies over its picture: a click on either does the same.
    for (KlickLabel* k : {Image2, Label2})
        connect(k, &KlickLabel::clicked, this, &Tprog::Label2Click);
    for (KlickLabel* k : {Image3, Label3})
        connect(k, &KlickLabel::clicked, this, &Tprog::Label3Click);
    for (KlickLabel* k : {Image4, Label4})
        connect(k, &KlickLabel::clicked, spielablauf, &Spielablauf::spielstartenClick);
    connect(spielstarten, &QPushButton::clicked, spielablauf, &Spielablauf::spielstartenClick);
    for (KlickLabel* k : {Image7, Label5})
        connect(k, &KlickLabel::clicked, this, &Tprog::Label5Click);
    connect(stat, &Statusleiste::clicked, this, &Tprog::statClick);
    connect(stat, &Statusleiste::mouseMoved, this, &Tprog::statMouseMove);
    spielfeld->setUhr(Timer);
    connect(spielfeld, &Spielfeld::gewonnenOhneHighscore, this, &Tprog::gewonnenOhneHighscore);
    connect(spielfeld, &Spielfeld::gewonnenMitHighscore, this, &Tprog::gewonnenMitHighscore);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        // Drop-down lists and tool tips are part of this window's use.
        if (w && w->type() != Qt::Popup && w->type() != Qt::ToolTip && w != windowHandle())
            andereFensterAktiv_ = true;
    });
}

void Tprog::Sprache()
{
    const Texte& t = texte_;
    const QString domain = QLatin1String(t.software);
    Label2->setText(t.informationen);
    Label3->setText(domain);
    stat->setPanelText(0, t.statusWillkommen);
    stat->setPanelText(3, domain + t.spendenZusatz);
    pc->setTabText(0, t.seiteSpielen);
    pc->setTabText(1, t.seiteDrucken);
    gb1->setTitle(t.gruppeSpiel);
    Label4->setText(t.spielStarten);
    gb2->setTitle(t.gruppeDrucken);
    Label5->setText(t.vorbereiten);
    gb3->setTitle(t.gruppeHilfe);
    for (KlickLabel* l : {Label2, Label3, Label4, Label5})
        l->adjustSize();
    // The pictures under the captions are the buttons for the keyboard.
    Image2->alsKnopf(t.informationen);
    Image3->alsKnopf(domain);
    Image4->alsKnopf(t.spielStarten);
    Image7->alsKnopf(t.vorbereiten);
    pc->setAccessibleName(t.seiteSpielen + QStringLiteral(", ") + t.seiteDrucken);
    hilfep->setAccessibleName(t.gruppeHilfe);
    // The domain must fit the small button face beside its arrow: a narrower
    // or smaller face when the standard one is too wide.
    {
        const int platz = Image3->geometry().right() - Label3->x() - 1;
        QFont f = standardSchrift();
        for (int px = 11; px >= 10 && QFontMetrics(f).horizontalAdvance(domain) > platz; --px) {
            f = QFont(QStringLiteral("Nimbus Sans Narrow"));
            f.setPixelSize(px);
        }
        Label3->setFont(f);
        Label3->adjustSize();
    }

    auto fuellen = [](QComboBox* cb, const auto& eintraege, int standard) {
        cb->clear();
        for (const QString& s : eintraege)
            cb->addItem(s);
        cb->setCurrentIndex(standard);
    };
    fuellen(cbspiel, t.voreinstellung, standardVoreinstellung);
    fuellen(cbspielart, t.spielart, standardSpielart);
    fuellen(cbelemente, t.elemente, standardElemente);
    // Until the first activation builds the real range, the revealed-cells
    // list holds the designed items 1..9 behind the prefix.
    QStringList vorlaeufig;
    for (int n = 1; n <= 9; ++n)
        vorlaeufig << t.aufgedecktPraefix + QString::number(n);
    fuellen(cbgeloest, vorlaeufig, 0);
    fuellen(cbdruck, t.seiten, standardFelderProSeite);

    hilfep->clear();
    hilfep->appendPlainText(t.hilfeWillkommen);
}
