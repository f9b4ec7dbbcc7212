// The main window's share in a game and in a print page: reading the
// settings, generating, and what the other windows may ask of it.
#include "mainwindow/tprog.h"

#include "board/spielfeld.h"
#include "engine/einstellungen.h"
#include "engine/generator.h"
#include "widgets/klicklabel.h"
#include "widgets/statusleiste.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

bool Tprog::einstellungenLesbar() const
{
    if (cbspiel->currentText() != texte_.voreinstellung[benutzerdefiniertIndex])
        return true;
    QString rest = cbgeloest->currentText();
    rest.remove(texte_.aufgedecktPraefix);
    bool ok = false;
    rest.toInt(&ok);
    return ok;
}

// Spiel1Parametersetzen
void Tprog::parameterSetzen()
{
    const QString vor = cbspiel->currentText();
    for (size_t i = 0; i < voreinstellungen.size(); ++i)
        if (vor == texte_.voreinstellung[i]) {
            zustand_.spielart = voreinstellungen[i].spielart;
            zustand_.aufgedeckt = voreinstellungen[i].aufgedeckt;
            zustand_.elemente = voreinstellungen[i].elemente;
        }
    if (vor == texte_.voreinstellung[benutzerdefiniertIndex]) {
        for (size_t i = 0; i < spielarten.size(); ++i)
            if (cbspielart->currentText() == texte_.spielart[i])
                zustand_.spielart = spielarten[i];
        QString rest = cbgeloest->currentText();
        rest.remove(texte_.aufgedecktPraefix);
        bool ok = false;
        const int zahl = rest.toInt(&ok);
        if (ok)
            zustand_.aufgedeckt = zahl;
        for (size_t i = 0; i < elementsaetze.size(); ++i)
            if (cbelemente->currentText() == texte_.elemente[i])
                zustand_.elemente = elementsaetze[i];
    }
    const int seite = zustand_.spielart > 2 ? zustand_.spielart * 45 : 405;
    zustand_.feldgroesse = feldgroesseVon(zustand_.spielart);
    const int n = zustand_.feldgroesse;
    spielfeld->bildVorbereiten(seite, seite, n);  // the board takes its picture's size

    mindestAussen_ = QSize(n * 45 + 262, n * 45 + 113);
    mindestgroesseAnwenden();
    zentrieren(spielfeld);
}

int32_t Tprog::Spiel2Generieren()
{
    // Painting the bar after every attempt would cost more than the attempts
    // themselves; the counter is always current but redrawn at most about
    // every screen refresh. Events run after every attempt all the same.
    QElapsedTimer seitZeichnen;
    return ::Spiel2Generieren(zustand_, zufall_, millisekundenTakt, [this, &seitZeichnen](int32_t v) {
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

void Tprog::Spiel3Vorbereiten() { ::Spiel3Vorbereiten(zustand_, zufall_); }

// ------------------------------------------------------------------ the game flow

void Tprog::startSteuerungFreigeben(bool frei)
{
    Image4->setEnabled(frei);
    Label4->setEnabled(frei);
    spielstarten->setEnabled(frei);
}

void Tprog::seitenFreigeben(bool frei) { pc->setEnabled(frei); }

void Tprog::hilfeZeigen(const QStringList& zeilen)
{
    hilfep->clear();
    for (const QString& z : zeilen)
        hilfep->appendPlainText(z);
}

// ------------------------------------------------------- what the others see

void Tprog::setFreigegeben(bool frei) { setEnabled(frei); }

void Tprog::nachVorn()
{
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

std::optional<QRect> Tprog::platz() const
{
    if (!isVisible())
        return std::nullopt;
    return geometry();
}

QString Tprog::panelText(int panel) const { return stat->panelText(panel); }

void Tprog::setPanelText(int panel, const QString& text) { stat->setPanelText(panel, text); }

QString Tprog::seitenwahl() const { return cbdruck->currentText(); }

void Tprog::zeigen() { show(); }

const Spielzustand& Tprog::raetselErzeugen()
{
    Spiel2Generieren();
    Spiel3Vorbereiten();
    return zustand_;
}

QImage& Tprog::halterbild(int k) { return x.at(size_t(k))->bild; }

void Tprog::vorschauZeigen(const QImage& bild)
{
    druckseite->setPixmap(QPixmap::fromImage(bild));
    druckseite->resize(bild.size());
    zentrieren(druckseite);
}

void Tprog::vorschauZentrieren() { zentrieren(druckseite); }

void Tprog::druckseiteHalten() { weg->start(); }
