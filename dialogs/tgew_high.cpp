#include "dialogs/tgew_high.h"

#include "dialogs/dialoghilfe.h"
#include "dialogs/hochcode.h"
#include "widgets/adressen.h"
#include "widgets/bild.h"
#include "widgets/fenster.h"

#include <QEvent>
#include <QPixmap>
#include <QShowEvent>

namespace {

QLabel* verborgen(QWidget* eltern, const char* name, const char* text, int left, int top)
{
    auto* l = new QLabel(QString::fromLatin1(text), eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->hide();
    return l;
}

QLineEdit* feld(QWidget* eltern, const char* name, int top)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(136, top, 257, 21);
    dialoghilfe::dunkelroteSchrift(e);
    return e;
}

// Shows a long text from its beginning, as a fresh field would.
void setzen(QLineEdit* e, const QString& text)
{
    e->setText(text);
    e->setCursorPosition(0);
}

}  // namespace

Tgew_high::Tgew_high(const Sprachwert& sprache, Hauptfenster* haupt, QWidget* parent)
    : QWidget(parent), sprache_(sprache), haupt_(haupt)
{
    setObjectName(QStringLiteral("gew_high"));
    dialoghilfe::fensterArt(this, 400, 340);

    Image4 = new KlickLabel(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(0, 0, 400, 340);
    bildBeiBedarf(Image4, QStringLiteral(":/dialoge/gew_high_en.jpg"));
    ziehtFenster(Image4);

    Image1 = new KlickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 340);
    bildBeiBedarf(Image1, QStringLiteral(":/dialoge/gew_high_de.jpg"));
    ziehtFenster(Image1);

    Image2 = new KlickLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(90, 304, 89, 21);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &KlickLabel::clicked, this, &Tgew_high::Image2Click);

    Image3 = new KlickLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(200, 304, 185, 21);
    Image3->setCursor(Qt::PointingHandCursor);
    connect(Image3, &KlickLabel::clicked, this, &Tgew_high::Image3Click);

    Label1 = new QLabel(QStringLiteral("1000 Punkte"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    dialoghilfe::dunkelroteSchrift(Label1);
    Label1->move(200, 57);
    Label1->adjustSize();

    lapunkte = verborgen(this, "lapunkte", "lapunkte 13487-43000", 272, 104);
    laspielart = verborgen(this, "laspielart", "laspielart 1, 7, 8, 9", 272, 120);
    laaufgedeckt = verborgen(this, "laaufgedeckt", "laaufgedeckt 3-60", 272, 136);
    laelemente = verborgen(this, "laelemente", "laelemente R, B, S, K", 272, 152);

    Edit1 = feld(this, "Edit1", 223);
    Edit1->setMaxLength(30);
    Edit1->setText(QStringLiteral("Anonymer Sudokuspieler"));
    Edit2 = feld(this, "Edit2", 246);
    Edit3 = feld(this, "Edit3", 269);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);

    // Connected after the design text is in place, so that only real changes
    // (typing, or the English default below) rebuild the address.
    connect(Edit1, &QLineEdit::textChanged, this, &Tgew_high::Edit1Change);
    // Enter in the name field submits.
    connect(Edit1, &QLineEdit::returnPressed, this, &Tgew_high::Image2Click);
    connect(Edit2, &QLineEdit::textChanged, this, &Tgew_high::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &Tgew_high::Edit3Change);

    // The window manager's close, Alt+F4 and Escape end the dialog as its
    // own button does; minimising it is refused.
    new Fensterausgang(this, [this] { Image3Click(); });

    Sprache();
}

void Tgew_high::Sprache()
{
    Image2->alsKnopf(sprache_.texte().knopfEintragen);
    Image3->alsKnopf(sprache_.texte().knopfNichtJetzt);

    if (sprache_.deutsch()) {
        setWindowTitle(texteDe().gewHighTitel);
        Image1->show();
        Image4->hide();
        Edit1->setText(texteDe().anonym);
        Label1->move(Label1->x(), 52);
    }
    if (sprache_.englisch()) {
        setWindowTitle(texteEn().gewHighTitel);
        Image4->show();
        Image1->hide();
        Edit1->setText(texteEn().anonym);
        Label1->move(Label1->x(), 57);
    }
}

void Tgew_high::FormActivate()
{
    if (haupt_)
        haupt_->zufall().saeen(uhrSaat());
    Label1->setText(dialoghilfe::punktetext(haupt_));
    Label1->adjustSize();
    dialoghilfe::hauptfensterSperren(haupt_);

    Zufallsgenerator ersatz(uhrSaat());
    Zufallsquelle& zufall = haupt_ ? static_cast<Zufallsquelle&>(haupt_->zufall()) : ersatz;
    code = hochcode::codeBilden(lapunkte->text(), laspielart->text(), laaufgedeckt->text(), laelemente->text(), zufall);
    setzen(Edit2, code);
    anzeigelink = hochcode::adresse(sprache_.deutsch(), QStringLiteral("Sudokus%20Anonymus"), code);
    setzen(Edit3, anzeigelink);
}

void Tgew_high::Edit1Change()
{
    anzeigelink = hochcode::adresse(sprache_.deutsch(), hochcode::nameKodieren(Edit1->text()), code);
    setzen(Edit3, anzeigelink);
}

void Tgew_high::Edit2Change()
{
    // Typing here has no lasting effect; the text can still be copied.
    if (Edit2->text() != code)
        setzen(Edit2, code);
}

void Tgew_high::Edit3Change()
{
    if (!anzeigelink.isEmpty() && Edit3->text() != anzeigelink)
        setzen(Edit3, anzeigelink);
}

void Tgew_high::Image2Click()
{
    dialoghilfe::hauptfensterFreigeben(haupt_);
    spielername = Edit1->text();
    if (spielername.isEmpty())
        spielername = hochcode::standardName(sprache_.deutsch());
    eintraglink = hochcode::adresse(sprache_.deutsch(), hochcode::nameKodieren(spielername), code);
    adresseOeffnen(eintraglink);
    hide();
    dialoghilfe::hauptfensterZeigen(haupt_);
}

void Tgew_high::Image3Click()
{
    dialoghilfe::hauptfensterFreigeben(haupt_);
    hide();
    dialoghilfe::hauptfensterZeigen(haupt_);
}

void Tgew_high::zeigen(const QString& punkte, const QString& spielart, const QString& aufgedeckt,
                       const QString& elemente)
{
    lapunkte->setText(punkte);
    laspielart->setText(spielart);
    laaufgedeckt->setText(aufgedeckt);
    laelemente->setText(elemente);
    show();
    raise();
    activateWindow();
}

void Tgew_high::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tgew_high::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    dialoghilfe::zentrieren(this, haupt_);
    // The name field has the focus when the dialog opens (Tab goes on to
    // the other fields and then to the buttons).
    Edit1->setFocus(Qt::ActiveWindowFocusReason);
    // Also here, not only on activation: a window manager that keeps the
    // focus elsewhere must not leave the dialog without a code.
    FormActivate();
}
