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
#include <QShortcut>

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

    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages; Escape puts the window away.
    auto taste = [this](const QKeySequence& folge, auto&& tun) {
        auto* k = new QShortcut(folge, this);
        k->setContext(Qt::WindowShortcut);
        connect(k, &QShortcut::activated, this, tun);
    };
    taste(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { weiterClick(); });
    taste(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { zurueckClick(); });
    taste(QKeySequence(Qt::CTRL | Qt::Key_Backtab), [this] { zurueckClick(); });
    taste(QKeySequence(Qt::Key_Escape), [this] { hide(); });

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

void Hilfefenster::setVisible(bool sichtbar)
{
    if (sichtbar)
        seitenBauen();
    QWidget::setVisible(sichtbar);
}

KlickLabel* Hilfefenster::verweis(QWidget* seite, const QString& link, int links, int oben)
{
    KlickLabel* l = verweisLabel(seite, link, links, oben);
    l->move(hilfeVerweisLinks(links, l->width(), pc->stapel->width()), oben);
    l->jederKlickZaehlt = true;
    l->alsKnopf(link);  // Tab reaches it, Enter opens it
    verweise.push_back(l);
    return l;
}

void Hilfefenster::seitenFuellen(bool de)
{
    const Texte& t = texte(de);
    static const char* const namen[5] = {"pc_hilfe", "pc_empf", "pc_software", "pc_spenden", "pc_lizenz"};
    for (size_t i = 0; i < 5; ++i) {
        QWidget* s = pc->neueSeite(t.hilfeReiter[i], QLatin1String(namen[i]));
        if (i == 2) {
            // The catalogue.
            if (de)
                katalog = new TFrame1(s);
            else
                katalog = new TFrame2(s);
            katalog->setGeometry(-1, 0, 511, 311);
        } else if (i == 3) {
            // Why donate: a picture, and the link below it.
            auto* box = new QScrollArea(s);
            box->setGeometry(3, 3, 504, 291);
            box->setFrameStyle(QFrame::NoFrame);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            auto* bild = new QLabel;
            bildBeiBedarf(bild, t.spendenBild);
            bild->setFixedSize(504, 289);
            box->setWidget(bild);
        }
        for (const Hilfebaustein& b : t.hilfeSeiten[i])
            switch (b.art) {
            case Hilfebaustein::Ueberschrift:
                ueberschrift(s, b.text, b.links, b.oben);
                break;
            case Hilfebaustein::Absatz:
                absatz(s, b.text, b.links, b.oben, b.breite, b.hoehe);
                break;
            case Hilfebaustein::Verweis:
                verweis(s, b.text, b.links, b.oben);
                break;
            }
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
