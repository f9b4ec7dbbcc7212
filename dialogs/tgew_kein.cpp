#include "dialogs/tgew_kein.h"

#include "app/fensterausgang.h"
#include "board/spielfeld.h"
#include "dialogs/dialoghilfe.h"
#include "mainwindow/tprog.h"

#include <QEvent>
#include <QPixmap>
#include <QShowEvent>

Tgew_kein::Tgew_kein(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f)
{
    setObjectName(QStringLiteral("gew_kein"));
    dialoghilfe::fensterArt(this, 400, 155);

    auto ziehen = [this](QMouseEvent*) { fensterZiehen(this); };

    Image3 = new KlickLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 400, 155);
    Image3->setPixmap(QPixmap(QStringLiteral(":/dialoge/gew_kein_en.jpg")));
    Image3->beiDruck = ziehen;
    Image3->hide();

    Image1 = new KlickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 155);
    Image1->setPixmap(QPixmap(QStringLiteral(":/dialoge/gew_kein_de.jpg")));
    Image1->beiDruck = ziehen;
    Image1->hide();

    Label1 = new KlickLabel(QStringLiteral("1000 Punkte"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    dialoghilfe::dunkelroteSchrift(Label1);
    Label1->move(208, 63);
    Label1->adjustSize();
    Label1->beiDruck = ziehen;

    Image2 = new KlickLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(192, 125, 90, 20);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->beiKlick = [this] { Image2Click(); };

    if (fenster.prog && fenster.prog->spielfeld)
        connect(fenster.prog->spielfeld, &Spielfeld::gewonnenOhneHighscore, this, &Tgew_kein::zeigen);

    // The window manager's close, Alt+F4 and Escape end the dialog as its
    // own button does; minimising it is refused.
    new Fensterausgang(this, [this] { Image2Click(); });

    Sprache();
}

void Tgew_kein::Sprache()
{
    if (fenster.sprache() == QLatin1String("de")) {
        setWindowTitle(QStringLiteral("Herzlichen Glückwunsch"));
        Image1->show();
        Image3->hide();
        Label1->move(Label1->x(), 55);
    }
    if (fenster.sprache() == QLatin1String("en")) {
        setWindowTitle(QStringLiteral("Congratulations"));
        Image3->show();
        Image1->hide();
        Label1->move(Label1->x(), 65);
    }
}

void Tgew_kein::FormActivate()
{
    dialoghilfe::hauptfensterSperren(fenster);
    Label1->setText(dialoghilfe::punktetext(fenster));
    Label1->adjustSize();
}

void Tgew_kein::Image2Click()
{
    hide();
    dialoghilfe::hauptfensterFreigeben(fenster);
    dialoghilfe::hauptfensterZeigen(fenster);
}

void Tgew_kein::zeigen()
{
    show();
    raise();
    activateWindow();
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
    dialoghilfe::zentrieren(this, fenster);
    // Also here, not only on activation: a window manager that keeps the
    // focus elsewhere must not leave a stale points text or a usable main
    // window behind the dialog.
    FormActivate();
}
