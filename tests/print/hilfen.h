#pragma once

// Shared by the print tests: the main window and the print window in one
// language, and small looks at pictures and PDF files.

#include "engine/einstellungen.h"
#include "print/druckdienst.h"
#include "print/tdruckfenster.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <memory>

// A print service that needs no CUPS: it lists the queues a test gives it
// and answers as the test says. A page handed to a queue lands in the
// folder as "<queue>.pdf".
struct Probedienst : Druckdienst {
    explicit Probedienst(QString ordner) : ordner(std::move(ordner)) {}

    QString ordner;
    QStringList warteschlangen;
    QString standard;
    bool oeffnen = true;      // the queues can be opened
    QString grund;            // why the job is refused; empty: it is taken
    QStringList angehaltene;  // queues that hold their jobs
    bool antwortet = true;    // the scheduler is reachable
    QStringList fragen;       // what the print window asked, in order

    QStringList drucker() override { return frage(QStringLiteral("drucker"), warteschlangen); }
    QString standardDrucker() override { return frage(QStringLiteral("standard"), standard); }
    QString ablehnung() override { return frage(QStringLiteral("ablehnung"), grund); }
    bool angehalten(const QString& name) override
    {
        return frage(QStringLiteral("angehalten ") + name, angehaltene.contains(name));
    }
    bool erreichbar() override { return frage(QStringLiteral("erreichbar"), antwortet); }
    bool ansteuern(QPrinter& drucker, const QString& name) override
    {
        if (frage(QStringLiteral("ansteuern ") + name, oeffnen)) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(datei(name));
        }
        return oeffnen;
    }

    QString datei(const QString& name) const { return QDir(ordner).filePath(name + QStringLiteral(".pdf")); }

private:
    template <typename T>
    T frage(const QString& was, T antwort)
    {
        fragen << was;
        return antwort;
    }
};

// The program in one language, with the main window and the print window
// at hand.
struct Fenstersatz {
    explicit Fenstersatz(const char* sprache)
        : programm(QString::fromLatin1(sprache)),
          prog(&programm.hauptfenster()),
          druck(&programm.druckfenster()),
          teile(*prog)
    {
        standardMeldung = druck->meldung;
        standardHinweis = druck->hinweis;
        // Nobody reads message boxes in a test: keep what would be shown.
        druck->meldung = [this](const QString& text) { meldungen << text; };
        druck->hinweis = [this](const QString& text) { hinweise << text; };
    }

    // Puts a scripted print service in place of the system's.
    Probedienst& probedienst(const QString& ordner)
    {
        auto dienst = std::make_unique<Probedienst>(ordner);
        Probedienst& roh = *dienst;
        druck->setDruckdienst(std::move(dienst));
        return roh;
    }

    Programm programm;
    Tprog* prog;
    Tdruckfenster* druck;
    nutzer::Hauptteile teile;
    QStringList meldungen;  // problems
    QStringList hinweise;   // information on a print that went through
    std::function<void(const QString&)> standardMeldung;
    std::function<void(const QString&)> standardHinweis;
};

// The print page in front, as the user gets there: a print window still up
// from the last page is cancelled first.
inline void aufDieDruckseite(Fenstersatz& s)
{
    if (s.druck->isVisible())
        nutzer::klicken(s.druck->Label4);
    s.prog->show();
    if (s.teile.pc->currentIndex() != 1)
        s.teile.seite(1);
}

// Chooses the page count of the print group.
inline void seitenWaehlen(Fenstersatz& s, int index)
{
    aufDieDruckseite(s);
    nutzer::waehlen(s.teile.cbdruck, index);
}

// The print window's two buttons, clicked. Printing went through when the
// window has gone.
inline bool druckenKlicken(Fenstersatz& s)
{
    nutzer::klicken(s.druck->Label3);
    return !s.druck->isVisible();
}
inline void abbrechenKlicken(Fenstersatz& s) { nutzer::klicken(s.druck->Label4); }

// The settings of a page: the preset that has them, or the user-defined setting.
inline void einstellen(Fenstersatz& s, int spielart, int aufgedeckt)
{
    aufDieDruckseite(s);
    const nutzer::Hauptteile& p = s.teile;
    for (size_t i = 0; i < voreinstellungen.size(); ++i)
        if (voreinstellungen[i].spielart == spielart && voreinstellungen[i].aufgedeckt == aufgedeckt) {
            nutzer::waehlen(p.cbspiel, int(i));
            return;
        }
    nutzer::waehlen(p.cbspiel, benutzerdefiniertIndex);
    for (size_t i = 0; i < spielarten.size(); ++i)
        if (spielarten[i] == spielart)
            nutzer::waehlen(p.cbspielart, int(i));
    nutzer::waehlen(p.cbgeloest, p.texte().aufgedecktPraefix + QString::number(aufgedeckt));
}

// Whether any pixel of r in the picture is darker than mid grey.
inline bool tinte(const QImage& bild, const QRect& r)
{
    const QRect innen = r.intersected(bild.rect());
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                return true;
    return false;
}

// Output of a poppler tool, empty when it is not installed or fails.
inline QString werkzeug(const QString& name, const QStringList& argumente)
{
    const QString pfad = QStandardPaths::findExecutable(name);
    if (pfad.isEmpty())
        return {};
    QProcess p;
    p.start(pfad, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "Pages:" and "Title:" of pdfinfo.
inline QString pdfFeld(const QString& info, const QString& feld)
{
    for (const QString& zeile : info.split(QLatin1Char('\n')))
        if (zeile.startsWith(feld + QLatin1Char(':')))
            return zeile.mid(feld.size() + 1).trimmed();
    return {};
}

// Renders page 1 of a PDF at the given dpi into a picture (null on failure).
inline QImage pdfBild(const QString& pdf, int dpi, const QString& ordner)
{
    const QString basis = ordner + QStringLiteral("/seite");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return {};
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"),
             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, basis});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(basis + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Ink inside every rectangle of the sheet layout and none outside them, on
// a page rendered from the PDF. The layout is in printer pixels of the
// printable area; the page picture covers the whole sheet.
inline QString blattPruefen(const QImage& seite, const Druckbericht& bericht)
{
    if (seite.isNull() || bericht.papier.isEmpty())
        return QStringLiteral("no page");
    const double sx = double(seite.width()) / bericht.papier.width();
    const double sy = double(seite.height()) / bericht.papier.height();
    std::vector<QRect> felder;
    for (const QRect& r : bericht.felder) {
        const QRectF auf((r.left() + bericht.seite.left()) * sx, (r.top() + bericht.seite.top()) * sy,
                         r.width() * sx, r.height() * sy);
        felder.push_back(auf.toAlignedRect());
    }
    for (size_t k = 0; k < felder.size(); ++k)
        if (!tinte(seite, felder[k].adjusted(2, 2, -2, -2)))
            return QStringLiteral("no ink in puzzle %1").arg(k + 1);
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x) {
            if (qGray(seite.pixel(x, y)) >= 128)
                continue;
            bool drin = false;
            for (const QRect& r : felder)
                drin = drin || r.adjusted(-2, -2, 2, 2).contains(x, y);
            if (!drin)
                return QStringLiteral("ink outside the puzzles at %1,%2").arg(x).arg(y);
        }
    return {};
}
