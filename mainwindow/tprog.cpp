// First cut of the main window: every control exists at its place so that the
// other windows can be built against it. Behaviour is filled in step by step.
#include "mainwindow/tprog.h"

#include "board/spielfeld.h"
#include "engine/generator.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>

Texte Texte::fuer(bool)
{
    return {};
}

Statusleiste::Statusleiste(QWidget* parent) : QWidget(parent) {}
QString Statusleiste::panelText(int i) const { return texte_.at(size_t(i)); }
void Statusleiste::setPanelText(int i, const QString& text)
{
    texte_.at(size_t(i)) = text;
    update();
}
void Statusleiste::paintEvent(QPaintEvent*) {}
void Statusleiste::mouseReleaseEvent(QMouseEvent*) {}
void Statusleiste::mouseMoveEvent(QMouseEvent*) {}

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
}  // namespace

Tprog::Tprog(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f)
{
    setObjectName(QStringLiteral("Tprog"));
    setWindowTitle(QStringLiteral("Velmar Sudoku 1.3.1"));
    resize(737, 582);

    pc = new QTabWidget(this);
    pc->setGeometry(8, 8, 509, 549);
    ts1 = new QWidget;
    ts2 = new QWidget;
    pc->addTab(ts1, QString());
    pc->addTab(ts2, QString());
    Bevel1 = new QFrame(ts1);
    Bevel1->setGeometry(8, 8, 485, 505);
    Bevel2 = new QFrame(ts2);
    Bevel2->setGeometry(8, 8, 485, 505);
    spielfeld = new Spielfeld(zustand, kachellisten(), ts1);
    spielfeld->move(41, 33);
    druckseite = new QLabel(ts2);
    druckseite->move(25, 17);
    const int links[6] = {24, 64, 104, 144, 176, 200};
    for (int k = 0; k < 6; ++k) {
        x[size_t(k)] = new Bildhalter(ts2);
        x[size_t(k)]->setObjectName(QStringLiteral("x%1").arg(k + 1));
        x[size_t(k)]->move(links[k], 368);
    }

    gbtitel = new QGroupBox(this);
    gbtitel->setGeometry(530, 24, 200, 97);
    Image1 = new QLabel(gbtitel);
    Image1->setGeometry(8, 12, 185, 50);
    Image2 = new KlickLabel(gbtitel);
    Image2->setGeometry(8, 66, 89, 21);
    Label2 = new KlickLabel(gbtitel);
    Label2->move(24, 70);
    Image3 = new KlickLabel(gbtitel);
    Image3->setGeometry(104, 66, 89, 21);
    Label3 = new KlickLabel(gbtitel);
    Label3->move(120, 70);

    gb1 = new QGroupBox(this);
    gb1->setGeometry(530, 130, 200, 70);
    cbspiel = new QComboBox(gb1);
    cbspiel->setGeometry(8, 18, 185, 21);
    cbspielart = new QComboBox(gb1);
    cbspielart->setGeometry(8, 42, 185, 21);
    cbspielart->hide();
    cbgeloest = new QComboBox(gb1);
    cbgeloest->setGeometry(8, 66, 185, 21);
    cbgeloest->hide();
    cbelemente = new QComboBox(gb1);
    cbelemente->setGeometry(8, 90, 185, 21);
    cbelemente->hide();
    Image4 = new KlickLabel(gb1);
    Image4->setGeometry(8, 120, 185, 21);
    Label4 = new KlickLabel(gb1);
    Label4->move(24, 124);
    spielstarten = new QPushButton(gb1);
    spielstarten->hide();

    gb2 = new QGroupBox(this);
    gb2->setGeometry(530, 292, 200, 70);
    gb2->hide();
    cbdruck = new QComboBox(gb2);
    cbdruck->setGeometry(8, 18, 185, 21);
    Image7 = new KlickLabel(gb2);
    Image7->setGeometry(8, 42, 185, 21);
    Label5 = new KlickLabel(gb2);
    Label5->move(24, 46);

    gb3 = new QGroupBox(this);
    gb3->setGeometry(530, 374, 200, 97);
    hilfep = new QPlainTextEdit(gb3);
    hilfep->setGeometry(8, 18, 185, 71);
    hilfep->setReadOnly(true);

    stat = new Statusleiste(this);
    stat->setGeometry(0, 582 - 19, 737, 19);

    Timer = new QTimer(this);
    Timer->setInterval(50);
    weg = new QTimer(this);
    weg->setInterval(10);

    zustand.AufNullSetzen(1, 1, 1);
    zufall.saeen(uhrSaat());
}

Tprog::~Tprog() = default;

void Tprog::Sprache() {}
void Tprog::GbAnordnen() {}
void Tprog::EinstellungenInvisible(bool sichtbar)
{
    cbspielart->setVisible(sichtbar);
    cbelemente->setVisible(sichtbar);
    cbgeloest->setVisible(sichtbar);
}
bool Tprog::einstellungenLesbar() const { return true; }
void Tprog::Spiel1Parametersetzen() {}
int32_t Tprog::Spiel2Generieren()
{
    return ::Spiel2Generieren(zustand, zufall, millisekundenTakt, [this](int32_t v) {
        QCoreApplication::processEvents();
        stat->setPanelText(1, QString::number(v));
    });
}
void Tprog::Spiel3Vorbereiten() { ::Spiel3Vorbereiten(zustand, zufall); }
void Tprog::zentrieren(QWidget* bild) const
{
    bild->move(Bevel1->width() / 2 - bild->width() / 2 + 8, Bevel1->height() / 2 - bild->height() / 2 + 8);
}
void Tprog::FormActivate() {}
void Tprog::cbspielChange() {}
void Tprog::cbspielartChange() {}
void Tprog::pcChange() {}
void Tprog::wegTimer() {}
void Tprog::Label2Click() {}
void Tprog::Label3Click() {}
void Tprog::statClick(int) {}
void Tprog::statMouseMove(int) {}
void Tprog::spielstartenClick() {}
void Tprog::TimerTimer() {}
void Tprog::changeEvent(QEvent* e) { QWidget::changeEvent(e); }
void Tprog::resizeEvent(QResizeEvent* e) { QWidget::resizeEvent(e); }
void Tprog::closeEvent(QCloseEvent* e) { QWidget::closeEvent(e); }
