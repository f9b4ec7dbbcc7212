// assetgen ASSETS_DIR [AREA...] — draws the pictures of the program into
// ASSETS_DIR; AREA is one of kacheln hauptfenster dialoge druck hilfe
// (default: all).
// The output is deterministic: running it again reproduces the committed files.

#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int zeichenMassstab = 1;

QImage leinwand(int breite, int hoehe, QImage::Format format)
{
    QImage bild(breite * zeichenMassstab, hoehe * zeichenMassstab, format);
    bild.setDevicePixelRatio(zeichenMassstab);
    return bild;
}

bool speichern(const QImage& bild, const QDir& ordner, const QString& name, int qualitaet)
{
    QString datei = name;
    if (zeichenMassstab > 1)
        datei.insert(datei.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(zeichenMassstab));
    const QString pfad = ordner.filePath(datei);
    if (!bild.save(pfad, nullptr, qualitaet)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(pfad));
        std::exit(1);
    }
    return true;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: assetgen ASSETS_DIR [kacheln|hauptfenster|dialoge|druck|hilfe ...]\n");
        return 2;
    }
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});

    QDir assets(QString::fromLocal8Bit(argv[1]));
    for (const char* bereich : {"kacheln", "hauptfenster", "dialoge", "druck", "hilfe"})
        assets.mkpath(QString::fromLatin1(bereich));

    QStringList bereiche;
    for (int i = 2; i < argc; ++i)
        bereiche << QString::fromLocal8Bit(argv[i]);
    auto gewaehlt = [&](const char* b) { return bereiche.isEmpty() || bereiche.contains(QLatin1String(b)); };

    // Every picture at 1x, and again at 2x and 3x for screens that scale.
    for (int m : {1, 2, 3}) {
        zeichenMassstab = m;
        if (gewaehlt("kacheln")) zeichneKacheln(assets);
        if (gewaehlt("hauptfenster")) zeichneHauptfenster(assets);
        if (gewaehlt("dialoge")) zeichneDialoge(assets);
        if (gewaehlt("druck")) zeichneDruckfenster(assets);
        if (gewaehlt("hilfe")) zeichneHilfe(assets);
    }
    return 0;
}
