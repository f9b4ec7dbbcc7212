// A window that moves between a screen at 100 % and one at 200 %: its
// pictures and the board follow the screen they are on.

#include "tests/board/brettfixtur.h"
#include "widgets/bild.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace {

// Puts the widget's window on the screen and lets it repaint there.
void aufBildschirm(QWidget* w, int nummer)
{
    QScreen* s = QGuiApplication::screens().at(nummer);
    w->windowHandle()->setScreen(s);
    w->move(s->geometry().topLeft() + QPoint(20, 20));
    w->update();
    QTest::qWait(50);
    w->grab();  // a paint, whatever the platform's own pace
}

}  // namespace

class TestBildschirmwechsel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }

    void bildFolgtDemBildschirm()
    {
        const QString datei = QStringLiteral(":/hauptfenster/titel.png");
        QLabel l;
        l.resize(185, 50);
        bildBeiBedarf(&l, datei);
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        aufBildschirm(&l, 0);
        QCOMPARE(l.pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(l.pixmap().toImage(), QImage(datei).convertToFormat(l.pixmap().toImage().format()));
        aufBildschirm(&l, 1);
        QCOMPARE(l.devicePixelRatioF(), 2.0);
        QCOMPARE(l.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(l.pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(variante(datei, 2)).convertToFormat(QImage::Format_RGB32));
        aufBildschirm(&l, 0);
        QCOMPARE(l.pixmap().devicePixelRatio(), 1.0);
    }

    void brettFolgtDemBildschirm()
    {
        const Kachellisten listen;
        Spielzustand z;
        spielAnlegen(z, 4, 'R', 6);
        // The board inside a window, as in the main window.
        QWidget fenster;
        fenster.resize(300, 300);
        Spielfeld feld(z, listen, &fenster);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        aufBildschirm(&fenster, 0);
        feld.bildVorbereiten(180, 180, 4);
        feld.Ausgabe(1, 4, 1, 4);
        QVERIFY(feld.feinbild().isNull());
        aufBildschirm(&fenster, 1);
        QCOMPARE(feld.feinbild().devicePixelRatio(), 2.0);
        QCOMPARE(feld.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(feld.size(), QSize(180, 180));
        // Every cell at 2x, as a drawing made there from the start.
        QImage direkt(360, 360, QImage::Format_RGB32);
        direkt.setDevicePixelRatio(2);
        direkt.fill(Qt::white);
        {
            QPainter p(&direkt);
            zeichneAusgabe(p, z, listen, 1, 4, 1, 4);
        }
        QCOMPARE(feld.feinbild().copy(0, 0, 358, 358), direkt.copy(0, 0, 358, 358));
        // A press on the finer screen draws into the picture shown there.
        feld.spielfeldMouseDown(Qt::RightButton, 7, 7);
        aufBildschirm(&fenster, 0);
        QVERIFY(feld.feinbild().isNull());
        QCOMPARE(feld.pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(feld.pixmap().toImage(), feld.bild());
    }
};

int main(int argc, char** argv)
{
    // Two offscreen screens side by side, the second at 200 %.
    QTemporaryDir ordner;
    QFile json(ordner.filePath(QStringLiteral("bildschirme.json")));
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(R"({"screens": [
        {"name": "eins", "x": 0, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "zwei", "x": 1600, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + json.fileName()).toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", "eins=1;zwei=2");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    TestBildschirmwechsel t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_bildschirmwechsel.moc"
