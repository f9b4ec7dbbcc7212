// Print mode: the print page with its preview, the print window while a page
// is made and when it is ready, and a printed page (PDF rendered to PNG).
#include "tools/screenshots/aufnahmen.h"

#include "mainwindow/tprog.h"
#include "print/druckmodus.h"
#include "print/tdruckfenster.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

void sprache(const QDir& ziel, const char* kuerzel)
{
    const QString s = QString::fromLatin1(kuerzel);
    QLabel spr(s);
    Fenster f;
    f.spr = &spr;
    Tprog prog(f);
    f.prog = &prog;
    Tdruckfenster druck(f);
    f.druckfenster = &druck;
    druck.meldung = [](const QString& text) { std::fprintf(stderr, "screenshots: %s\n", qPrintable(text)); };

    prog.show();
    prog.pc->setCurrentIndex(1);
    prog.pcChange();
    if (prog.cbdruck->count() == 0)
        prog.cbdruck->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("6")});
    prog.cbdruck->setCurrentIndex(2);
    prog.Spiel1Parametersetzen();
    if (prog.zustand.feldgroesse == 0) {  // until the main window reads its lists
        prog.zustand.spielart = 1;
        prog.zustand.feldgroesse = 9;
        prog.zustand.aufgedeckt = 40;
        prog.zustand.elemente = 'B';
    }

    // Half way through the page: the window is still covered.
    bool aufgenommen = false;
    QObject::connect(druck.gauge1, &QProgressBar::valueChanged, &druck, [&](int v) {
        if (v >= 50 && !aufgenommen) {
            aufgenommen = true;
            aufnehmen(&druck, ziel, QStringLiteral("druckfenster_%1_erstellen").arg(s));
        }
    });
    druck.druck().vorschaudruckClick();
    aufnehmen(&druck, ziel, QStringLiteral("druckfenster_%1_bereit").arg(s));
    aufnehmen(&prog, ziel, QStringLiteral("druckseite_%1").arg(s));

    // The printed sheet.
    const QString pdf = ziel.filePath(QStringLiteral("druck_seite_%1.pdf").arg(s));
    druck.ausgabeDatei = pdf;
    if (druck.Image1Click()) {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (!pdftoppm.isEmpty()) {
            QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf,
                                         ziel.filePath(QStringLiteral("druck_seite_%1").arg(s))});
            std::printf("%s\n", qPrintable(ziel.filePath(QStringLiteral("druck_seite_%1.png").arg(s))));
        }
    }
    prog.hide();
}

}  // namespace

void aufnahmenDruck(const QDir& ziel)
{
    sprache(ziel, "de");
    sprache(ziel, "en");
}
