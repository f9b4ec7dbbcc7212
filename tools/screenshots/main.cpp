// screenshots OUT_DIR [AREA...] — renders windows offscreen to PNG files.
// AREA is one of: brett hauptfenster dialoge druck hilfe (default: all).

#include "tools/screenshots/aufnahmen.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

void aufnehmen(QWidget* w, const QDir& ziel, const QString& name)
{
    if (!w->isVisible())
        w->show();
    QCoreApplication::processEvents();
    const QString pfad = ziel.filePath(name + QStringLiteral(".png"));
    if (!w->grab().save(pfad))
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(pfad));
    else
        std::printf("%s\n", qPrintable(pfad));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    schriftenEinrichten();
    QApplication::setStyle(new Programmstil);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUT_DIR [brett|hauptfenster|dialoge|druck|hilfe ...]\n");
        return 2;
    }
    QDir ziel(QString::fromLocal8Bit(argv[1]));
    ziel.mkpath(QStringLiteral("."));
    QStringList bereiche;
    for (int i = 2; i < argc; ++i)
        bereiche << QString::fromLocal8Bit(argv[i]);
    auto gewaehlt = [&](const char* b) { return bereiche.isEmpty() || bereiche.contains(QLatin1String(b)); };

    if (gewaehlt("brett")) aufnahmenBrett(ziel);
    if (gewaehlt("hauptfenster")) aufnahmenHauptfenster(ziel);
    if (gewaehlt("dialoge")) aufnahmenDialoge(ziel);
    if (gewaehlt("druck")) aufnahmenDruck(ziel);
    if (gewaehlt("hilfe")) aufnahmenHilfe(ziel);
    return 0;
}
