#include "print/druckmodus.h"

#include "print/tdruckfenster.h"

#include <QComboBox>
#include <QPainter>
#include <QProgressBar>

namespace {

QImage einPixel()
{
    QImage bild(1, 1, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

}  // namespace

Druckmodus::Druckmodus(const Sprachwert& sprache, Druckseite& seite, Tdruckfenster& druckfenster)
    : sprache_(sprache), seite_(seite), druckfenster_(druckfenster)
{
}

Fusszeilen Druckmodus::fusszeilen() const
{
    const Texte& t = sprache_.texte();
    return {t.fusszeileLang, t.fusszeileKurz};
}

void Druckmodus::halterSchrumpfen(int anzahl)
{
    for (int k = 0; k < anzahl && k < int(raetsel_.size()); ++k) {
        seite_.halterbild(k) = einPixel();
        raetsel_[size_t(k)].reset();
    }
}

void Druckmodus::vorschaudruckClick()
{
    if (laeuft_)
        return;  // generation lets events run; one page at a time

    // A revealed-cells text that cannot be read would stop the page half
    // way, with the main window disabled and the print window's buttons
    // covered; refuse it before anything changes.
    if (!seite_.einstellungenLesbar()) {
        druckfenster_.meldung(sprache_.texte().aufgedecktKeineZahl);
        return;
    }

    laeuft_ = true;
    seite_.seiteZeigen(1);
    halterSchrumpfen(felderproseite);
    seite_.setFreigegeben(false);

    const QString seiten = seite_.seitenwahl();
    const int ziffer = seiten.isEmpty() ? 0 : seiten.at(0).digitValue();
    felderproseite = (ziffer == 1 || ziffer == 2 || ziffer == 6) ? ziffer : 6;

    druckfenster_.show();
    // The keys go to the window in front of the disabled main window, so
    // that Alt+F4 or Escape reach it and not the main window.
    druckfenster_.raise();
    druckfenster_.activateWindow();
    druckfenster_.gauge1->setValue(0);

    seite_.parameterSetzen();
    seite_.setPanelText(0, sprache_.texte().statusSeiteGenerieren);
    Druck1SeiteEinrichten();
    Druck2Druckausgabe();
    seite_.setPanelText(0, sprache_.texte().statusFertig);
    seite_.vorschauZentrieren();
    laeuft_ = false;
}

void Druckmodus::Druck1SeiteEinrichten()
{
    const int seite = bildseite(seite_.zustand().feldgroesse);
    for (int k = 0; k < felderproseite; ++k) {
        // A fresh white sheet: holders are shrunk between pages, so nothing
        // of an earlier puzzle may show through.
        QImage bild(seite, seite, QImage::Format_RGB32);
        bild.fill(Qt::white);
        seite_.halterbild(k) = bild;
    }
}

void Druckmodus::Druck2Druckausgabe()
{
    const Fusszeilen fuss = fusszeilen();
    for (int k = 1; k <= felderproseite; ++k) {
        const Spielzustand& raetsel = seite_.raetselErzeugen();
        QImage& bild = seite_.halterbild(k - 1);
        bild = raetselBild(raetsel, fuss);
        raetsel_[size_t(k - 1)] = raetsel;
        seite_.vorschauZeigen(bild);
        druckfenster_.gauge1->setValue((200 * k + felderproseite) / (2 * felderproseite));
    }
    druckfenster_.verdeck->hide();
    druckfenster_.cbdruck->show();
}

void Druckmodus::seiteZeichnen(QPainter& p, int w, int h) const
{
    const Fusszeilen fuss = fusszeilen();
    const std::vector<QRect> rechtecke = blattLayout(w, h, felderproseite);
    for (size_t k = 0; k < rechtecke.size(); ++k) {
        const QImage& bild = seite_.halterbild(int(k));
        if (raetsel_[k] && bild.width() == bildseite(raetsel_[k]->feldgroesse))
            zeichneRaetselIn(p, rechtecke[k], *raetsel_[k], fuss);
        else
            p.drawImage(rechtecke[k], bild);
    }
}
