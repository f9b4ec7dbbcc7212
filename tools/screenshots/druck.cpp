// Print mode: the print page with its preview, the print window while a page
// is made and when it is ready, and a printed page (PDF rendered to PNG).
#include "tools/screenshots/aufnahmen.h"

#include "print/druckmodus.h"
#include "print/tdruckfenster.h"
#include "tests/fixtur/nutzer.h"

#include <QFileInfo>
#include <QProgressBar>

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

void sprache(const QDir& ziel, const char* kuerzel)
{
    const QString s = QString::fromLatin1(kuerzel);
    Programm programm(s);
    Tprog& prog = programm.hauptfenster();
    const nutzer::Hauptteile p(prog);
    Tdruckfenster& druck = programm.druckfenster();
    druck.meldung = [](const QString& text) { std::fprintf(stderr, "screenshots: %s\n", qPrintable(text)); };
    prog.show();
    p.seite(1);
    nutzer::waehlen(p.cbdruck, 2);

    // Half way through the page: the window is still covered.
    bool aufgenommen = false;
    QObject::connect(druck.gauge1, &QProgressBar::valueChanged, &druck, [&](int v) {
        if (v >= 50 && !aufgenommen) {
            aufgenommen = true;
            aufnehmen(&druck, ziel, QStringLiteral("druckfenster_%1_erstellen").arg(s));
        }
    });
    p.vorbereiten();
    aufnehmen(&druck, ziel, QStringLiteral("druckfenster_%1_bereit").arg(s));
    aufnehmen(&prog, ziel, QStringLiteral("druckseite_%1").arg(s));

    // The printed sheet.
    const QString pdf = ziel.filePath(QStringLiteral("druck_seite_%1.pdf").arg(s));
    druck.ausgabeDatei = pdf;
    nutzer::klicken(druck.Label3);
    if (QFileInfo::exists(pdf)) {
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
