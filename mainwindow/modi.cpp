// The main window's behaviour: activation, the column of boxes, the lists,
// the switch between play and print mode, the links, and the window's
// dealings with the window system.
#include "mainwindow/tprog.h"

#include "board/spielfeld.h"
#include "engine/einstellungen.h"
#include "widgets/adressen.h"
#include "widgets/fenster.h"
#include "widgets/klicklabel.h"
#include "widgets/statusleiste.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

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

void Tprog::FormActivate()
{
    GbAnordnen();
    // A return to the window in print mode keeps the print page in front.
    seiteZeigen(zustand_.druckmodus == 1 ? 1 : 0);
    cbspielartChange();
}

void Tprog::cbspielChange()
{
    const QString& benutzerdefiniert = texte_.voreinstellung[benutzerdefiniertIndex];
    if (cbspiel->currentText().isEmpty())
        cbspiel->setCurrentText(benutzerdefiniert);
    if (cbspiel->currentText() == benutzerdefiniert) {
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
        cbgeloest->addItem(texte_.aufgedecktPraefix + QString::number(k));
    cbgeloest->setCurrentIndex(b.mitte() - b.niedrigst);
}

void Tprog::pcChange()
{
    if (pc->currentWidget() == ts1) {
        zustand_.druckmodus = 0;
        Image4->show();
        if (cbspiel->currentText() == texte_.voreinstellung[benutzerdefiniertIndex])
            cbelemente->show();
        gb2->hide();
        gb1->show();
        hilfeZeigen({texte_.hilfeSpielmodus});
    } else {
        zustand_.druckmodus = 1;
        Image4->hide();
        cbelemente->hide();
        gb2->show();
        gb1->show();
        hilfeZeigen({texte_.hilfeDruckmodus});
        spielfeld->hide();
        Timer->stop();
    }
    GbAnordnen();
}

void Tprog::wegTimer()
{
    if (zustand_.druckmodus == 1)
        seiteZeigen(1);
    if (pc->currentIndex() == 1)
        weg->stop();
}

void Tprog::Label2Click() { Q_EMIT informationGewuenscht(); }

void Tprog::Label3Click() { adresseOeffnen(QStringLiteral("http://www.") + QLatin1String(texte_.software)); }

void Tprog::Label5Click() { Q_EMIT vorbereitenGeklickt(); }

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
    // Read now, as every use of the language does; only "en" is English.
    const Texte& t = ::texte(!sprache_.englisch());
    adresseOeffnen(QStringLiteral("http://www.") + QLatin1String(t.software) + t.spendenPfad);
}

void Tprog::statMouseMove(int px)
{
    if (px > 320 && px < 550)
        stat->setCursor(Qt::PointingHandCursor);
    else
        stat->setCursor(Qt::ArrowCursor);
}

void Tprog::seiteZeigen(int index)
{
    seiteDurchProgramm_ = true;
    pc->setCurrentIndex(index);
    seiteDurchProgramm_ = false;
}

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
    Q_EMIT geschlossen();
    QCoreApplication::quit();
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

void Tprog::zentrieren(QWidget* bild) const
{
    bild->move(Bevel1->width() / 2 - bild->width() / 2 + 8, Bevel1->height() / 2 - bild->height() / 2 + 8);
}
