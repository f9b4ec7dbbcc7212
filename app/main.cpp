#include "app/bedienelemente.h"
#include "app/programm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar Sudoku"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmar Sudoku"));
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
