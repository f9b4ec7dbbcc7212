// The yardstick for the program's start-up: a bare Qt window, a label shown
// at once.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel l(QStringLiteral("Velmar Sudoku"));
    l.resize(300, 200);
    l.show();
    return QApplication::exec();
}
