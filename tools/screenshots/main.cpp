// screenshots OUT_DIR [AREA...] — renders windows offscreen to PNG files,
// once at scale 1 and once at scale 2 (those files end in "_x2").
// AREA is one of: brett hauptfenster dialoge druck hilfe (default: all).
// "--massstab N" renders at that scale alone.

#include "tools/screenshots/aufnahmen.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
QString namensZusatz;  // "_x2" at scale 2
}

void aufnehmen(QWidget* w, const QDir& ziel, const QString& name)
{
    if (!w->isVisible())
        w->show();
    QCoreApplication::processEvents();
    const QString pfad = ziel.filePath(name + namensZusatz + QStringLiteral(".png"));
    if (!w->grab().save(pfad))
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(pfad));
    else
        std::printf("%s\n", qPrintable(pfad));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale is the screen's, fixed before the application starts.
    QByteArray massstab;
    std::vector<char*> argumente;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--massstab") == 0 && i + 1 < argc) {
            massstab = argv[++i];
            continue;
        }
        argumente.push_back(argv[i]);
    }
    argc = int(argumente.size());
    argumente.push_back(nullptr);
    argv = argumente.data();
    if (!massstab.isEmpty()) {
        qputenv("QT_SCALE_FACTOR", massstab);
        if (massstab != "1")
            namensZusatz = QStringLiteral("_x") + QString::fromLatin1(massstab);
    }
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

    if (massstab.isEmpty()) {
        // And once more on a screen of scale 2.
        QStringList weiter{QStringLiteral("--massstab"), QStringLiteral("2")};
        for (int i = 1; i < argc; ++i)
            weiter << QString::fromLocal8Bit(argv[i]);
        return QProcess::execute(QCoreApplication::applicationFilePath(), weiter);
    }
    return 0;
}
