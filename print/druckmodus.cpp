#include "print/druckmodus.h"

#include "mainwindow/tprog.h"
#include "print/tdruckfenster.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QSignalBlocker>

namespace {

QImage einPixel()
{
    QImage bild(1, 1, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

}  // namespace

void seiteZeigen(Tprog& prog, int index)
{
    // The tab bar still switches the page; only the page control's own
    // change signal, which runs the mode switch, is held back.
    const QSignalBlocker sperre(prog.pc);
    prog.pc->setCurrentIndex(index);
}

Druckmodus::Druckmodus(Fenster& fenster, Tdruckfenster& druckfenster)
    : fenster_(fenster), druckfenster_(druckfenster)
{
}

Fusszeilen Druckmodus::fusszeilen() const
{
    return {fenster_.prog->texte.fusszeileLang, fenster_.prog->texte.fusszeileKurz};
}

void Druckmodus::halterSchrumpfen(int anzahl)
{
    Tprog& prog = *fenster_.prog;
    for (int k = 0; k < anzahl && k < int(prog.x.size()); ++k) {
        prog.x[size_t(k)]->bild = einPixel();
        raetsel_[size_t(k)].reset();
    }
}

void Druckmodus::vorschaudruckClick()
{
    Tprog& prog = *fenster_.prog;
    if (laeuft_)
        return;  // generation lets events run; one page at a time

    // A revealed-cells text that cannot be read would stop the page half
    // way, with the main window disabled and the print window's buttons
    // covered; refuse it before anything changes.
    if (!prog.einstellungenLesbar()) {
        druckfenster_.meldung(fenster_.deutsch()
                                  ? QStringLiteral("Die Zahl der aufgedeckten Felder ist keine Zahl. Bitte wählen "
                                                   "Sie einen Wert aus der Liste.")
                                  : QStringLiteral("The number of revealed fields is not a number. Please choose "
                                                   "a value from the list."));
        return;
    }

    laeuft_ = true;
    seiteZeigen(prog, 1);
    halterSchrumpfen(felderproseite);
    prog.setEnabled(false);

    const QString seiten = prog.cbdruck->currentText();
    const int ziffer = seiten.isEmpty() ? 0 : seiten.at(0).digitValue();
    felderproseite = (ziffer == 1 || ziffer == 2 || ziffer == 6) ? ziffer : 6;

    druckfenster_.show();
    // The keys go to the window in front of the disabled main window, so
    // that Alt+F4 or Escape reach it and not the main window.
    druckfenster_.raise();
    druckfenster_.activateWindow();
    druckfenster_.gauge1->setValue(0);

    prog.Spiel1Parametersetzen();
    prog.stat->setPanelText(0, prog.texte.statusSeiteGenerieren);
    Druck1SeiteEinrichten();
    Druck2Druckausgabe();
    prog.stat->setPanelText(0, prog.texte.statusFertig);
    prog.zentrieren(prog.druckseite);
    laeuft_ = false;
}

void Druckmodus::Druck1SeiteEinrichten()
{
    Tprog& prog = *fenster_.prog;
    const int seite = bildseite(prog.zustand.feldgroesse);
    for (int k = 0; k < felderproseite; ++k) {
        // A fresh white sheet: holders are shrunk between pages, so nothing
        // of an earlier puzzle may show through.
        QImage bild(seite, seite, QImage::Format_RGB32);
        bild.fill(Qt::white);
        prog.x[size_t(k)]->bild = bild;
    }
}

void Druckmodus::Druck2Druckausgabe()
{
    Tprog& prog = *fenster_.prog;
    const Fusszeilen fuss = fusszeilen();
    for (int k = 1; k <= felderproseite; ++k) {
        prog.Spiel2Generieren();
        prog.Spiel3Vorbereiten();

        Bildhalter* halter = prog.x[size_t(k - 1)];
        halter->bild = raetselBild(prog.zustand, fuss);
        raetsel_[size_t(k - 1)] = prog.zustand;

        prog.druckseite->setPixmap(QPixmap::fromImage(halter->bild));
        prog.druckseite->resize(halter->bild.size());
        prog.zentrieren(prog.druckseite);

        druckfenster_.gauge1->setValue((200 * k + felderproseite) / (2 * felderproseite));
    }
    druckfenster_.verdeck->hide();
    druckfenster_.cbdruck->show();
}

void Druckmodus::seiteZeichnen(QPainter& p, int w, int h) const
{
    const Tprog& prog = *fenster_.prog;
    const Fusszeilen fuss = fusszeilen();
    const std::vector<QRect> rechtecke = blattLayout(w, h, felderproseite);
    for (size_t k = 0; k < rechtecke.size(); ++k) {
        const QImage& bild = prog.x[k]->bild;
        if (raetsel_[k] && bild.width() == bildseite(raetsel_[k]->feldgroesse))
            zeichneRaetselIn(p, rechtecke[k], *raetsel_[k], fuss);
        else
            p.drawImage(rechtecke[k], bild);
    }
}
