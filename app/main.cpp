#include "app/bedienelemente.h"
#include "app/programm.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar Sudoku"));
    QApplication::setDesktopFileName(QStringLiteral("velmar-sudoku"));
    {
        // Every window of the program carries its symbol.
        QIcon symbol;
        for (int g : {16, 24, 32, 48, 64, 128, 256})
            symbol.addFile(QStringLiteral(":/hauptfenster/symbol%1.png").arg(g), QSize(g, g));
        QApplication::setWindowIcon(symbol);
    }
    schriftenEinrichten();
    QApplication::setStyle(new Programmstil);

    const QString sprache = QStringLiteral(SUDOKU_SPRACHE);
    QTranslator qtTexte;
    if (sprache == QLatin1String("de")
        && qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Programm programm(sprache);
    programm.starten();
    return QApplication::exec();
}
