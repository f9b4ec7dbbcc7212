#include "app/programm.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const bool deutsch = std::strcmp(SUDOKU_SPRACHE, "de") == 0;

bool gesetzt(const char* name)
{
    const char* wert = std::getenv(name);
    return wert && *wert;
}

// The value after a Qt option such as -platform or -display (one or two
// dashes), which Qt itself takes before the environment.
const char* qtOption(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* a = argv[i];
        if (a[0] == '-' && a[1] == '-')
            ++a;
        if (std::strcmp(a + 1, name) == 0 && a[0] == '-')
            return argv[i + 1];
    }
    return nullptr;
}

// Qt's X11 plugin asks for DISPLAY. When Qt would pick it (nothing chosen, or
// xcb chosen) and no display is named at all, it would abort with a generic
// message about platform plugins; saying what is missing helps more.
bool keineAnzeige(int argc, char** argv)
{
    const char* plattform = qtOption(argc, argv, "platform");
    if (!plattform)
        plattform = std::getenv("QT_QPA_PLATFORM");
    const bool x11 = !plattform || !*plattform || std::strcmp(plattform, "xcb") == 0
                     || std::strncmp(plattform, "xcb:", 4) == 0;
    return x11 && !qtOption(argc, argv, "display") && !gesetzt("DISPLAY") && !gesetzt("WAYLAND_DISPLAY");
}

void ohneAnzeigeMelden()
{
    std::fputs(deutsch ? "Velmar Sudoku braucht eine grafische Anzeige, aber weder DISPLAY noch WAYLAND_DISPLAY ist "
                         "gesetzt: auf einem Desktop starten, ohne Desktop mit xvfb-run.\n"
                       : "Velmar Sudoku needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set: "
                         "start it on a desktop, or without one under xvfb-run.\n",
               stderr);
}

// A display is named but cannot be opened (no server there, no access, no
// usable platform plugin): Qt warns, then ends with a fatal message and
// abort(). While the application object is being made, its messages are held
// back: a fatal one ends the program with one line of our own and an ordinary
// failure status instead; otherwise they are passed on as they came.
QtMessageHandler qtMelder = nullptr;
const char* anzeigeName = "";  // the display Qt is about to open, for the message

struct Meldung {
    QtMsgType art;
    QByteArray datei, funktion, kategorie;
    int zeile;
    QString text;
};
std::vector<Meldung> zurueckgehalten;

void startMelder(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if (art != QtFatalMsg) {
        zurueckgehalten.push_back({art, ort.file, ort.function, ort.category, ort.line, text});
        return;
    }
    std::fprintf(stderr,
                 deutsch ? "Velmar Sudoku kann die Anzeige \"%s\" nicht öffnen: auf einem Desktop starten, ohne Desktop "
                           "mit xvfb-run.\n"
                         : "Velmar Sudoku cannot open the display \"%s\": start it on a desktop, or without one under "
                           "xvfb-run.\n",
                 anzeigeName);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void startMeldungenWeitergeben()
{
    qInstallMessageHandler(qtMelder);
    for (const Meldung& m : zurueckgehalten) {
        const QMessageLogContext ort(m.datei.constData(), m.zeile, m.funktion.constData(), m.kategorie.constData());
        qtMelder(m.art, ort, m.text);
    }
    zurueckgehalten.clear();
}

}  // namespace

int main(int argc, char** argv)
{
    if (keineAnzeige(argc, argv)) {
        ohneAnzeigeMelden();
        return EXIT_FAILURE;
    }
    // Read before QApplication takes its options out of argv.
    const char* namen[] = {qtOption(argc, argv, "display"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")};
    for (const char* n : namen)
        if (n && *n) {
            anzeigeName = n;
            break;
        }
    qtMelder = qInstallMessageHandler(startMelder);
    QApplication app(argc, argv);
    startMeldungenWeitergeben();

    QApplication::setApplicationName(QStringLiteral("Velmar Sudoku"));
    QApplication::setDesktopFileName(QStringLiteral("velmar-sudoku"));
    schriftenEinrichten();
    QApplication::setStyle(new Programmstil);

    const QString sprache = QStringLiteral(SUDOKU_SPRACHE);
    QTranslator qtTexte;
    if (sprache == QLatin1String("de")
        && qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Programm programm(sprache, true);
    // After the splash is on the screen: the symbol's seven sizes are read
    // when it is set, and the splash can do without it that long.
    {
        // Every window of the program carries its symbol.
        QIcon symbol;
        for (int g : {16, 24, 32, 48, 64, 128, 256})
            symbol.addFile(QStringLiteral(":/hauptfenster/symbol%1.png").arg(g), QSize(g, g));
        QApplication::setWindowIcon(symbol);
    }
    programm.starten();
    return QApplication::exec();
}
