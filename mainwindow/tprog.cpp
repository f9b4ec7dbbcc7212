#include "mainwindow/tprog.h"

#include "app/tstart.h"
#include "board/spielablauf.h"
#include "board/spielfeld.h"
#include "engine/einstellungen.h"
#include "engine/generator.h"
#include "engine/webadressen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

namespace {

const QColor hintergrund(0xEC, 0xE9, 0xD8);
const QColor schriftGrau(0x80, 0x80, 0x80);
const QColor schriftMaroon(0x80, 0x00, 0x00);

QString latin(const char* s) { return QString::fromLatin1(s); }

// The right-hand column keeps its distance from the right edge: its lefts are
// given for the designed client width.
constexpr int entwurfBreite = 737;
constexpr int entwurfHoehe = 582;
constexpr int spalteLinks = 530;

}  // namespace

// ---------------------------------------------------------------------------
// Texts

Texte Texte::fuer(bool deutsch)
{
    Texte t;
    if (deutsch) {
        t.voreinstellung = {QStringLiteral("Frei Training"),        QStringLiteral("Frei Anfänger"),
                            QStringLiteral("Frei Fortgeschritten"), QStringLiteral("Frei Profi"),
                            QStringLiteral("Klassisch Anfänger"),   QStringLiteral("Klassisch Fortgeschritten"),
                            QStringLiteral("Klassisch Profi"),      QStringLiteral("Benutzerdefiniert..")};
        t.spielart = {QStringLiteral("3x3 Felder Frei"), QStringLiteral("4x4 Felder Frei"),
                      QStringLiteral("5x5 Felder Frei"), QStringLiteral("6x6 Felder Frei"),
                      QStringLiteral("7x7 Felder Frei"), QStringLiteral("8x8 Felder Frei"),
                      QStringLiteral("9x9 Felder Frei"), QStringLiteral("9x9 Felder Klassisch")};
        t.elemente = {QStringLiteral("Elemente: Rote Zahlen"), QStringLiteral("Elemente: Blaue Zahlen"),
                      QStringLiteral("Elemente: Symbole"), QStringLiteral("Elemente: Klassik"),
                      QStringLiteral("Elemente: Buchstaben")};
        t.aufgedecktPraefix = QStringLiteral("Eingetragene Elemente: ");
        t.seiten = {QStringLiteral("1 Feld pro Seite"), QStringLiteral("2 Felder pro Seite"),
                    QStringLiteral("6 Felder pro Seite")};
        t.hilfeDruckmodus = QStringLiteral(
            "Wählen Sie aus, wieviele Sudokus auf eine Seite sollen und klicken dann auf \"Vorbereiten\". "
            "Wenn sie fertig sind, können Sie auf \"Drucken\" klicken.");
        t.hilfeSpielmodus = QStringLiteral(
            "Wählen Sie unter \"Spiel\" eine Spielart aus und starten Sie das Spiel mit \"Spiel starten\".");
        t.hilfeWillkommen = QStringLiteral(
            "Herzlich Willkommen! Wählen Sie \"Am Computer Spielen\" oder Druckmodus. Wählen Sie unter "
            "\"Spiel\" eine Spielart aus und starten Sie das Spiel mit \"Spiel starten\".");
        t.hilfeSpiel = {QStringLiteral("Benutzen Sie die Maus auf dem Spielfeld!"),
                        QStringLiteral("Linke Maustaste: Element wählen."),
                        QStringLiteral("Rechte Maustaste: Element markieren.")};
        t.punkteSuffix = QStringLiteral(" Punkte");
        t.statusSpielGenerieren = QStringLiteral("Spiel generieren..");
        t.statusFertig = QStringLiteral("Fertig. Viel Spaß!");
        t.statusSeiteGenerieren = QStringLiteral("Seite generieren..");
        t.fusszeileLang = QStringLiteral("Velmar Sudoku - ") + latin(webadressen::adresseDe);
        t.fusszeileKurz = QStringLiteral("Sudoku - ") + latin(webadressen::adresseDe);
    } else {
        t.voreinstellung = {QStringLiteral("Free Training"),
                            QStringLiteral("Free Beginner"),
                            QStringLiteral("Free Advanced"),
                            QStringLiteral("Free Professional"),
                            QStringLiteral("Classical Sudoku Beginner"),
                            QStringLiteral("Classical Sudoku Advanced"),
                            QStringLiteral("Classical Sudoku Professional"),
                            QStringLiteral("User Defined")};
        t.spielart = {QStringLiteral("3x3 Free"), QStringLiteral("4x4 Free"), QStringLiteral("5x5 Free"),
                      QStringLiteral("6x6 Free"), QStringLiteral("7x7 Free"), QStringLiteral("8x8 Free"),
                      QStringLiteral("9x9 Free"), QStringLiteral("9x9 Classical")};
        t.elemente = {QStringLiteral("Elements: Red Numbers"), QStringLiteral("Elements: Blue Numbers"),
                      QStringLiteral("Elements: Symbols"), QStringLiteral("Elements: Classic"),
                      QStringLiteral("Elements: Characters")};
        t.aufgedecktPraefix = QStringLiteral("Elements Set: ");
        t.seiten = {QStringLiteral("1 Field per Page"), QStringLiteral("2 Fields per Page"),
                    QStringLiteral("6 Fields per Page")};
        t.hilfeDruckmodus = QStringLiteral(
            "Choose how many Sudokus should be printed on a Page and click on \"Prepare\". If they are ready, "
            "click on \"Print\".");
        t.hilfeSpielmodus = QStringLiteral(
            "Choose at the \"Game\"-Box a kind of game and start the Sudoku by clicking \"Start Game\".");
        t.hilfeWillkommen = QStringLiteral(
            "Welcome! Choose \"Playing at the omputer\" or \"Print Mode\". Choose at the \"Game\"-Box a kind of "
            "game and start the Sudoku by clicking \"Start Game\"..");
        t.hilfeSpiel = {QStringLiteral("Use the Mouse on the Field!"),
                        QStringLiteral("Left Mouse Button: Choose Element."),
                        QStringLiteral("Right Mouse Button: Mark Element.")};
        t.punkteSuffix = QStringLiteral(" Points");
        t.statusSpielGenerieren = QStringLiteral("Create Sudoku..");
        t.statusFertig = QStringLiteral("Ready. Have Fun!");
        t.statusSeiteGenerieren = QStringLiteral("Create Page..");
        t.fusszeileLang = QStringLiteral("Velmar Sudoku - ") + latin(webadressen::adresseInt);
        t.fusszeileKurz = QStringLiteral("Sudoku - ") + latin(webadressen::adresseInt);
    }
    return t;
}

// ---------------------------------------------------------------------------
// Status bar

Statusleiste::Statusleiste(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stat"));
    setMouseTracking(true);
    setAutoFillBackground(true);
}

QString Statusleiste::panelText(int i) const { return texte_.at(size_t(i)); }

void Statusleiste::setPanelText(int i, const QString& text)
{
    texte_.at(size_t(i)) = text;
    update();
}

void Statusleiste::panelTextMerken(int i, const QString& text) { texte_.at(size_t(i)) = text; }

void Statusleiste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QColor hell(0xFF, 0xFF, 0xFF), dunkel(0xA0, 0x9E, 0x90);
    int links = 0;
    for (int i = 0; i < 4; ++i) {
        // The last panel fills the rest of the bar.
        const int breite = i == 3 ? std::max(breiten[3], width() - links) : breiten[size_t(i)];
        const QRect r(links, 2, breite - 2, height() - 2);
        p.setPen(dunkel);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(hell);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        const QRect textRaum = r.adjusted(3, 1, -2, 0);
        p.drawText(textRaum, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   fontMetrics().elidedText(texte_[size_t(i)], Qt::ElideRight, textRaum.width()));
        links += breite;
    }
}

void Statusleiste::mousePressEvent(QMouseEvent* e)
{
    gedrueckt_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void Statusleiste::mouseDoubleClickEvent(QMouseEvent* e)
{
    gedrueckt_ = false;
    e->accept();
}

void Statusleiste::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    if (klick && beiKlick)
        beiKlick(e->position().toPoint().x());
    QWidget::mouseReleaseEvent(e);
}

void Statusleiste::mouseMoveEvent(QMouseEvent* e)
{
    if (beiBewegung)
        beiBewegung(e->position().toPoint().x());
    QWidget::mouseMoveEvent(e);
}

// ---------------------------------------------------------------------------

Bildhalter::Bildhalter(QWidget* parent) : QLabel(parent), bild(15, 15, QImage::Format_RGB32)
{
    bild.fill(Qt::white);
    setGeometry(0, 0, 15, 15);
    hide();
}

namespace {

Kachellisten& kachellisten()
{
    static Kachellisten listen;
    return listen;
}

// The five lists take no typed characters and do no keyboard search; a typed
// character only drops the list down. Arrow keys still move the choice.
class TastenFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (t.isEmpty() || !t.at(0).isPrint())
            return false;
        if (auto* cb = qobject_cast<QComboBox*>(ziel)) {
            if (!cb->view()->isVisible())
                cb->showPopup();
        }
        return true;  // swallowed: neither typed nor searched
    }
};

// A group box drawn as the column's boxes are meant to look: a thin light
// frame with the caption sitting on its top line.
class Gruppe : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int mitte = fm.height() / 2;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0xD0, 0xCC, 0xB8));
        p.drawRoundedRect(QRectF(0.5, mitte + 0.5, width() - 1, height() - mitte - 1), 3, 3);
        if (title().isEmpty())
            return;
        const QRect text(7, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text, Qt::AlignCenter, title());
    }
};

QPixmap bildAus(const QString& pfad)
{
    QPixmap p(pfad);
    return p;
}

}  // namespace

Tprog::Tprog(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f)
{
    setObjectName(QStringLiteral("Tprog"));
    setWindowTitle(QStringLiteral("Velmar Sudoku 1.3.1"));
    {
        QIcon symbol;
        for (int g : {16, 24, 32, 48, 64, 128, 256})
            symbol.addFile(QStringLiteral(":/hauptfenster/symbol%1.png").arg(g), QSize(g, g));
        setWindowIcon(symbol);
    }
    resize(entwurfBreite, entwurfHoehe);

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

    auto* filter = new TastenFilter(this);
    auto liste = [&](QWidget* eltern, const char* name, int links, int oben) {
        auto* cb = new QComboBox(eltern);
        cb->setObjectName(QLatin1String(name));
        cb->setEditable(false);
        cb->setGeometry(links, oben, 185, 21);
        cb->setMaxVisibleItems(12);
        cb->installEventFilter(filter);
        cb->view()->installEventFilter(filter);
        return cb;
    };
    auto knopfBild = [&](QWidget* eltern, const char* name, QRect r, const QString& bild) {
        auto* l = new KlickLabel(eltern);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(r);
        l->setPixmap(bildAus(bild));
        l->setScaledContents(true);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };
    auto knopfText = [&](QWidget* eltern, const char* name, int links, int oben) {
        auto* l = new KlickLabel(eltern);
        l->setObjectName(QLatin1String(name));
        l->move(links, oben);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };

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
    spielfeld = new Spielfeld(zustand, kachellisten(), ts1);
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
    Image1->setPixmap(bildAus(QStringLiteral(":/hauptfenster/titel.png")));
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
    // The label lies over the picture, so a click on either prepares.
    Label5->beiKlick = [this] {
        if (Image7->beiKlick)
            Image7->beiKlick();
    };

    gb3 = new Gruppe(QStringLiteral("Hilfe"), this);
    gb3->setObjectName(QStringLiteral("gb3"));
    gb3->setGeometry(spalteLinks, 374, 200, 97);
    gb3->setPalette(maroon);
    hilfep = new QPlainTextEdit(gb3);
    hilfep->setObjectName(QStringLiteral("hilfep"));
    hilfep->setGeometry(8, 18, 185, 71);
    hilfep->setReadOnly(true);
    hilfep->setFrameStyle(QFrame::NoFrame);
    hilfep->setPalette(pal);
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
    stat->beiKlick = [this](int px) { statClick(px); };
    stat->beiBewegung = [this](int px) { statMouseMove(px); };

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

    spielablauf = new Spielablauf(zustand, spielfeld, Timer, this);
    {
        Spielablauf::Anbindung a;
        a.startSteuerungFreigeben = [this](bool frei) {
            Image4->setEnabled(frei);
            Label4->setEnabled(frei);
            spielstarten->setEnabled(frei);
        };
        a.seitenFreigeben = [this](bool frei) { pc->setEnabled(frei); };
        a.panel = [this](int i, const QString& s) { stat->setPanelText(i, s); };
        a.einstellungenLesbar = [this] { return einstellungenLesbar(); };
        a.parameterSetzen = [this] { Spiel1Parametersetzen(); };
        a.generieren = [this] { Spiel2Generieren(); };
        a.vorbereiten = [this] { Spiel3Vorbereiten(); };
        a.hilfeZeigen = [this](const QStringList& zeilen) {
            hilfep->clear();
            for (const QString& z : zeilen)
                hilfep->appendPlainText(z);
        };
        a.texte = [this] { return Spielablauf::Texte{texte.punkteSuffix, texte.statusSpielGenerieren,
                                                     texte.statusFertig,
                                                     {texte.hilfeSpiel[0], texte.hilfeSpiel[1], texte.hilfeSpiel[2]}}; };
        spielablauf->anbinden(std::move(a));
    }

    // Event bindings.
    connect(cbspiel, &QComboBox::activated, this, [this] { cbspielChange(); });
    connect(cbspielart, &QComboBox::activated, this, [this] { cbspielartChange(); });
    connect(pc, &QTabWidget::currentChanged, this, [this] {
        if (!seiteDurchProgramm_)
            pcChange();
    });
    connect(weg, &QTimer::timeout, this, [this] { wegTimer(); });
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    Image2->beiKlick = [this] { Label2Click(); };
    Label2->beiKlick = [this] { Label2Click(); };
    Image3->beiKlick = [this] { Label3Click(); };
    Label3->beiKlick = [this] { Label3Click(); };
    Image4->beiKlick = [this] { spielstartenClick(); };
    Label4->beiKlick = [this] { spielstartenClick(); };
    connect(spielstarten, &QPushButton::clicked, this, [this] { spielstartenClick(); });
    spielfeld->setUhr(Timer);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        // Drop-down lists and tool tips are part of this window's use.
        if (w && w->type() != Qt::Popup && w->type() != Qt::ToolTip && w != windowHandle())
            andereFensterAktiv_ = true;
    });

    // FormCreate.
    Sprache();
    zustand.AufNullSetzen(1, 1, 1);
    zufall.saeen(uhrSaat());
}

Tprog::~Tprog() = default;

void Tprog::Sprache()
{
    const bool de = fenster.deutsch();
    texte = Texte::fuer(de);
    const QString domain = latin(de ? webadressen::softwareDe : webadressen::softwareInt);
    Label2->setText(de ? QStringLiteral("Informationen") : QStringLiteral("Information"));
    Label3->setText(domain);
    stat->setPanelText(0, de ? QStringLiteral("Herzlich Willkommen") : QStringLiteral("Welcome!"));
    stat->setPanelText(3, domain + (de ? QStringLiteral("/spenden - Vielen Dank")
                                       : QStringLiteral("/donate - Thank you very much!")));
    pc->setTabText(0, de ? QStringLiteral("Am Computer spielen") : QStringLiteral("Playing at the Computer"));
    pc->setTabText(1, de ? QStringLiteral("Druckmodus") : QStringLiteral("Print Mode"));
    gb1->setTitle(de ? QStringLiteral("Spiel") : QStringLiteral("Game"));
    Label4->setText(de ? QStringLiteral("Spiel Starten") : QStringLiteral("Start Game"));
    gb2->setTitle(de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
    Label5->setText(de ? QStringLiteral("Vorbereiten") : QStringLiteral("Prepare"));
    gb3->setTitle(de ? QStringLiteral("Hilfe") : QStringLiteral("Help"));
    for (KlickLabel* l : {Label2, Label3, Label4, Label5})
        l->adjustSize();
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
    fuellen(cbspiel, texte.voreinstellung, standardVoreinstellung);
    fuellen(cbspielart, texte.spielart, standardSpielart);
    fuellen(cbelemente, texte.elemente, standardElemente);
    // Until the first activation builds the real range, the revealed-cells
    // list holds the designed items 1..9 behind the prefix.
    QStringList vorlaeufig;
    for (int n = 1; n <= 9; ++n)
        vorlaeufig << texte.aufgedecktPraefix + QString::number(n);
    fuellen(cbgeloest, vorlaeufig, 0);
    fuellen(cbdruck, texte.seiten, standardFelderProSeite);

    hilfep->clear();
    hilfep->appendPlainText(texte.hilfeWillkommen);
}

void Tprog::GbAnordnen()
{
    int v = 42;
    for (QComboBox* cb : {cbspielart, cbgeloest, cbelemente})
        if (!cb->isHidden())
            v += 24;
    if (!Image4->isHidden()) {
        Image4->move(Image4->x(), v);
        v += 24;
    }
    Label4->move(Label4->x(), Image4->y() + 4);
    gb1->resize(gb1->width(), v + 4);
    gb1->move(gb1->x(), 130);
    gb2->move(gb2->x(), 130);
    if (!gb1->isHidden())
        gb3->move(gb3->x(), gb1->height() + 139);
    if (!gb1->isHidden() && !gb2->isHidden())
        gb2->move(gb2->x(), gb1->height() + 139);
    if (!gb2->isHidden())
        gb3->move(gb3->x(), gb2->y() + gb2->height() + 9);
}

void Tprog::EinstellungenInvisible(bool sichtbar)
{
    cbspielart->setVisible(sichtbar);
    cbelemente->setVisible(sichtbar);
    cbgeloest->setVisible(sichtbar);
}

bool Tprog::einstellungenLesbar() const
{
    if (cbspiel->currentText() != texte.voreinstellung[benutzerdefiniertIndex])
        return true;
    QString rest = cbgeloest->currentText();
    rest.remove(texte.aufgedecktPraefix);
    bool ok = false;
    rest.toInt(&ok);
    return ok;
}

void Tprog::Spiel1Parametersetzen()
{
    const QString vor = cbspiel->currentText();
    for (size_t i = 0; i < voreinstellungen.size(); ++i)
        if (vor == texte.voreinstellung[i]) {
            zustand.spielart = voreinstellungen[i].spielart;
            zustand.aufgedeckt = voreinstellungen[i].aufgedeckt;
            zustand.elemente = voreinstellungen[i].elemente;
        }
    if (vor == texte.voreinstellung[benutzerdefiniertIndex]) {
        for (size_t i = 0; i < spielarten.size(); ++i)
            if (cbspielart->currentText() == texte.spielart[i])
                zustand.spielart = spielarten[i];
        QString rest = cbgeloest->currentText();
        rest.remove(texte.aufgedecktPraefix);
        bool ok = false;
        const int zahl = rest.toInt(&ok);
        if (ok)
            zustand.aufgedeckt = zahl;
        for (size_t i = 0; i < elementsaetze.size(); ++i)
            if (cbelemente->currentText() == texte.elemente[i])
                zustand.elemente = elementsaetze[i];
    }
    const int seite = zustand.spielart > 2 ? zustand.spielart * 45 : 405;
    zustand.feldgroesse = feldgroesseVon(zustand.spielart);
    const int n = zustand.feldgroesse;
    spielfeld->bildVorbereiten(seite, seite, n);  // the board takes its picture's size

    mindestAussen_ = QSize(n * 45 + 262, n * 45 + 113);
    mindestgroesseAnwenden();
    zentrieren(spielfeld);
}

QMargins Tprog::glaubhafterRahmen(const QMargins& m)
{
    // Generous for thick themes and large title fonts, far below the
    // window's own size.
    constexpr int seiteHoechstens = 48, titelHoechstens = 120;
    const bool glaubhaft = m.left() >= 0 && m.right() >= 0 && m.top() >= 0 && m.bottom() >= 0 &&
                           m.left() <= seiteHoechstens && m.right() <= seiteHoechstens &&
                           m.bottom() <= seiteHoechstens && m.top() <= titelHoechstens;
    return glaubhaft ? m : QMargins();
}

void Tprog::mindestgroesseAnwenden()
{
    if (!mindestAussen_.isValid())
        return;
    QMargins rahmen;
    if (isWindow() && windowHandle() && isVisible())
        rahmen = glaubhafterRahmen(windowHandle()->frameMargins());
    setMinimumSize(std::max(0, mindestAussen_.width() - rahmen.left() - rahmen.right()),
                   std::max(0, mindestAussen_.height() - rahmen.top() - rahmen.bottom()));
}

int32_t Tprog::Spiel2Generieren()
{
    // Painting the bar after every attempt would cost more than the attempts
    // themselves; the counter is always current but redrawn at most about
    // every screen refresh. Events run after every attempt all the same.
    QElapsedTimer seitZeichnen;
    return ::Spiel2Generieren(zustand, zufall, millisekundenTakt, [this, &seitZeichnen](int32_t v) {
        const bool zeichnen = !seitZeichnen.isValid() || seitZeichnen.elapsed() >= 16;
        if (zeichnen)
            seitZeichnen.start();
        if (zeichnen)
            stat->setPanelText(1, QString::number(v));
        else
            stat->panelTextMerken(1, QString::number(v));
        QCoreApplication::processEvents();
    });
}

void Tprog::Spiel3Vorbereiten() { ::Spiel3Vorbereiten(zustand, zufall); }

void Tprog::zentrieren(QWidget* bild) const
{
    bild->move(Bevel1->width() / 2 - bild->width() / 2 + 8, Bevel1->height() / 2 - bild->height() / 2 + 8);
}

void Tprog::seiteWaehlen(int index)
{
    seiteDurchProgramm_ = true;
    pc->setCurrentIndex(index);
    seiteDurchProgramm_ = false;
}

void Tprog::FormActivate()
{
    GbAnordnen();
    // A return to the window in print mode keeps the print page in front.
    seiteWaehlen(zustand.druckmodus == 1 ? 1 : 0);
    cbspielartChange();
}

void Tprog::cbspielChange()
{
    if (cbspiel->currentText().isEmpty())
        cbspiel->setCurrentText(texte.voreinstellung[benutzerdefiniertIndex]);
    if (cbspiel->currentText() == texte.voreinstellung[benutzerdefiniertIndex]) {
        EinstellungenInvisible(true);
        Image4->move(Image4->x(), 144);
    } else {
        EinstellungenInvisible(false);
        Image4->move(Image4->x(), 72);
    }
    GbAnordnen();
}

void Tprog::cbspielartChange()
{
    const QString art = cbspielart->currentText();
    int n = 9;
    if (!art.isEmpty() && art.at(0) >= QLatin1Char('3') && art.at(0) <= QLatin1Char('9'))
        n = art.at(0).digitValue();
    const Aufdeckbereich b = aufdeckbereich(n);
    cbgeloest->clear();
    for (int k = b.niedrigst; k <= b.hoechst; ++k)
        cbgeloest->addItem(texte.aufgedecktPraefix + QString::number(k));
    cbgeloest->setCurrentIndex(b.mitte() - b.niedrigst);
}

void Tprog::pcChange()
{
    if (pc->currentWidget() == ts1) {
        zustand.druckmodus = 0;
        Image4->show();
        if (cbspiel->currentText() == texte.voreinstellung[benutzerdefiniertIndex])
            cbelemente->show();
        gb2->hide();
        gb1->show();
        hilfep->clear();
        hilfep->appendPlainText(texte.hilfeSpielmodus);
    } else {
        zustand.druckmodus = 1;
        Image4->hide();
        cbelemente->hide();
        gb2->show();
        gb1->show();
        hilfep->clear();
        hilfep->appendPlainText(texte.hilfeDruckmodus);
        spielfeld->hide();
        Timer->stop();
    }
    GbAnordnen();
}

void Tprog::wegTimer()
{
    if (zustand.druckmodus == 1)
        seiteWaehlen(1);
    if (pc->currentIndex() == 1)
        weg->stop();
}

void Tprog::Label2Click()
{
    QWidget* h = fenster.deutsch() ? fenster.hilfe : fenster.hilfe_en;
    if (!h)
        return;
    h->show();
    h->raise();
    h->activateWindow();
}

void Tprog::Label3Click()
{
    const char* domain = fenster.deutsch() ? webadressen::softwareDe : webadressen::softwareInt;
    adresseOeffnen(QStringLiteral("http://www.") + latin(domain));
}

void Tprog::statClick(int px)
{
    int rechts = 0, panel = -1;
    for (int i = 0; i < 4; ++i) {
        rechts += Statusleiste::breiten[size_t(i)];
        if (rechts > px) {
            panel = i;
            break;
        }
    }
    if (panel != 3 && panel != -1)
        return;
    if (fenster.sprache() == QLatin1String("en"))
        adresseOeffnen(QStringLiteral("http://www.") + latin(webadressen::softwareInt) +
                       QStringLiteral("/donate&rf=sus"));
    else
        adresseOeffnen(QStringLiteral("http://www.") + latin(webadressen::softwareDe) +
                       QStringLiteral("/spenden&rf=sus"));
}

void Tprog::statMouseMove(int px)
{
    if (px > 320 && px < 550)
        stat->setCursor(Qt::PointingHandCursor);
    else
        stat->setCursor(Qt::ArrowCursor);
}

void Tprog::spielstartenClick() { spielablauf->spielstartenClick(); }

void Tprog::TimerTimer() { spielablauf->TimerTimer(); }

void Tprog::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Only a change of the active window within the program counts: a return
    // from another program (say the browser a link opened) keeps the choices.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && andereFensterAktiv_) {
        andereFensterAktiv_ = false;
        FormActivate();
    }
}

void Tprog::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int dx = width() - entwurfBreite, dy = height() - entwurfHoehe;
    // The pages and their frames follow the window; the column keeps to the
    // right edge; the status bar runs along the bottom.
    pc->setGeometry(8, 8, std::max(0, 509 + dx), std::max(0, 549 + dy));
    for (QFrame* b : {Bevel1, Bevel2})
        b->setGeometry(8, 8, std::max(0, 485 + dx), std::max(0, 505 + dy));
    for (QWidget* g : {static_cast<QWidget*>(gbtitel), static_cast<QWidget*>(gb1), static_cast<QWidget*>(gb2),
                       static_cast<QWidget*>(gb3)})
        g->move(spalteLinks + dx, g->y());
    stat->setGeometry(0, height() - 19, width(), 19);
    mindestgroesseAnwenden();
    // FormResize
    zentrieren(spielfeld);
    zentrieren(druckseite);
}

void Tprog::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    // A window manager that frames the window sends it a new position.
    mindestgroesseAnwenden();
}

void Tprog::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    mindestgroesseAnwenden();
    if (!zentriertGezeigt_) {
        zentriertGezeigt_ = true;
        if (QScreen* s = screen()) {
            const QRect r = s->availableGeometry();
            move(r.center() - QPoint(width() / 2, height() / 2));
        }
    }
}

void Tprog::closeEvent(QCloseEvent* e)
{
    // While a dialog or the print window stands in front, the main window
    // is disabled and waits for it; Alt+F4 or the frame's close button on it
    // must not end the program behind the player's back. The window in
    // front comes forward instead.
    if (!isEnabled()) {
        e->ignore();
        const auto fenster = QApplication::topLevelWidgets();
        for (QWidget* w : fenster)
            if (w != this && w->isVisible() && w->windowType() == Qt::Tool) {
                w->raise();
                w->activateWindow();
            }
        return;
    }
    QWidget::closeEvent(e);
    // Closing this window ends the program, whatever else is still open.
    if (fenster.start)
        fenster.start->close();
    QCoreApplication::quit();
}
