#include "dialogs/tgew_kein.h"

#include "dialogs/dialoghilfe.h"
#include "widgets/bild.h"
#include "widgets/fenster.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QShowEvent>

Tgew_kein::Tgew_kein(const Sprachwert& sprache, Hauptfenster* haupt, QWidget* parent)
    : QWidget(parent), sprache_(sprache), haupt_(haupt)
{
    setObjectName(QStringLiteral("gew_kein"));
    dialoghilfe::fensterArt(this, 400, 155);

    Image3 = new KlickLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 400, 155);
    bildBeiBedarf(Image3, QStringLiteral(":/dialoge/gew_kein_en.jpg"));
    ziehtFenster(Image3);
    Image3->hide();

    Image1 = new KlickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 155);
    bildBeiBedarf(Image1, QStringLiteral(":/dialoge/gew_kein_de.jpg"));
    ziehtFenster(Image1);
    Image1->hide();

    Label1 = new KlickLabel(QStringLiteral("1000 Punkte"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    dialoghilfe::dunkelroteSchrift(Label1);
    Label1->move(208, 63);
    Label1->adjustSize();
    ziehtFenster(Label1);

    Image2 = new KlickLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(192, 125, 90, 20);
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &KlickLabel::clicked, this, &Tgew_kein::Image2Click);


    // The window manager's close, Alt+F4 and Escape end the dialog as its
    // own button does; minimising it is refused.
    new Fensterausgang(this, [this] { Image2Click(); });

    Sprache();
}

void Tgew_kein::Sprache()
{
    Image2->alsKnopf(sprache_.texte().knopfOk);
    if (sprache_.deutsch()) {
        setWindowTitle(texteDe().gewKeinTitel);
        Image1->show();
        Image3->hide();
        Label1->move(Label1->x(), 55);
    }
    if (sprache_.englisch()) {
        setWindowTitle(texteEn().gewKeinTitel);
        Image3->show();
        Image1->hide();
        Label1->move(Label1->x(), 65);
    }
}

void Tgew_kein::FormActivate()
{
    dialoghilfe::hauptfensterSperren(haupt_);
    Label1->setText(dialoghilfe::punktetext(haupt_));
    Label1->adjustSize();
}

void Tgew_kein::Image2Click()
{
    hide();
    dialoghilfe::hauptfensterFreigeben(haupt_);
    dialoghilfe::hauptfensterZeigen(haupt_);
}

void Tgew_kein::zeigen()
{
    show();
    raise();
    activateWindow();
}

void Tgew_kein::keyPressEvent(QKeyEvent* e)
{
    // Enter is OK, as the one button is.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        Image2Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Tgew_kein::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tgew_kein::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    dialoghilfe::zentrieren(this, haupt_);
    // Also here, not only on activation: a window manager that keeps the
    // focus elsewhere must not leave a stale points text or a usable main
    // window behind the dialog.
    FormActivate();
}
