// Print mode figures, offscreen: a six-puzzle classic page from the prepare
// click until the print window is ready, and printing that page into a PDF
// file (time and size).
//   build/bench/bench_druck [runs]
#include "bench/messung.h"

#include "print/druckmodus.h"
#include "print/tdruckfenster.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    schriftenEinrichten();
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    Programm programm(QStringLiteral("de"));
    Tprog& prog = programm.hauptfenster();
    const nutzer::Hauptteile p(prog);
    Tdruckfenster& druck = programm.druckfenster();
    druck.meldung = [](const QString& text) { std::fprintf(stderr, "bench_druck: %s\n", qPrintable(text)); };
    prog.show();
    p.seite(1);
    nutzer::waehlen(p.cbdruck, 2);  // six puzzles, classic advanced

    QTemporaryDir ordner;
    Messreihe seite, pdf;
    qint64 groesse = 0;
    for (int i = 0; i < laeufe; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        p.vorbereiten();
        seite.hinzu(msSeit(t0));
        if (druck.druck().felderproseite != 6 || !druck.verdeck->isHidden()) {
            std::fprintf(stderr, "bench_druck: the page did not get ready\n");
            return 1;
        }

        druck.ausgabeDatei = ordner.filePath(QStringLiteral("seite%1.pdf").arg(i));
        const auto t1 = std::chrono::steady_clock::now();
        nutzer::klicken(druck.Label3);
        if (!QFileInfo::exists(druck.ausgabeDatei)) {
            std::fprintf(stderr, "bench_druck: printing failed\n");
            return 1;
        }
        pdf.hinzu(msSeit(t1));
        groesse = std::max(groesse, QFileInfo(druck.ausgabeDatei).size());
    }
    // For comparison: the six puzzles alone, through the main window's
    // generation (which lets events run per attempt), and their pictures.
    Messreihe erzeugen, zeichnen;
    for (int i = 0; i < laeufe; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < 6; ++k)
            prog.raetselErzeugen();
        erzeugen.hinzu(msSeit(t0));
        const auto t1 = std::chrono::steady_clock::now();
        for (int k = 0; k < 6; ++k) {
            const QImage bild = raetselBild(prog.zustand(), druck.druck().fusszeilen());
            p.druckseite->setPixmap(QPixmap::fromImage(bild));
        }
        zeichnen.hinzu(msSeit(t1));
    }
    seite.ausgeben("six classic, prepare->ready");
    erzeugen.ausgeben("  of it: generating six");
    zeichnen.ausgeben("  of it: drawing six");
    pdf.ausgeben("six classic, print to PDF");
    std::printf("%-28s %lld bytes (largest)\n", "PDF file size", static_cast<long long>(groesse));
    return 0;
}
