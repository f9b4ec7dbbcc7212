// Start-up: the windows and their order, the splash picture and its fade,
// and the end of the program.
#include "app/programm.h"
#include "app/tstart.h"
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "help/thilfe.h"
#include "mainwindow/tprog.h"
#include "print/tdruckfenster.h"
#include "widgets/statusleiste.h"
#include "widgets/stil.h"

#include <QApplication>
#include <QTest>

class TestStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void fensterInIhrerReihenfolge_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("de") << "de";
        QTest::newRow("en") << "en";
    }
    void fensterInIhrerReihenfolge()
    {
        QFETCH(QString, sprache);
        Programm programm(sprache);
        Tstart* start = &programm.start();
        QCOMPARE(programm.sprache().wert(), sprache);
        QCOMPARE(start->spr->text(), sprache);
        QVERIFY(start->spr->isHidden());
        // Every window but the splash starts hidden; the splash is shown by
        // the start and is the first top-level window made.
        const QWidgetList fenster{&programm.hauptfenster(), &programm.info(),         &programm.gewKein(),
                                  &programm.gewHigh(),      &programm.druckfenster(), &programm.hilfe(),
                                  &programm.hilfeEn()};
        for (QWidget* w : fenster)
            QVERIFY(!w->isVisible());
        const QWidgetList oben = QApplication::topLevelWidgets();
        QVERIFY(oben.contains(start));
        // The main window's texts were applied with the splash's language.
        QCOMPARE(programm.hauptfenster().panelText(0),
                 sprache == QLatin1String("de") ? QStringLiteral("Herzlich Willkommen") : QStringLiteral("Welcome!"));
        // The picture of the language, and only that one.
        QCOMPARE(!start->Image1->isHidden(), sprache == QLatin1String("de"));
        QCOMPARE(!start->Image2->isHidden(), sprache == QLatin1String("en"));
        start->show();
        QCOMPARE((sprache == QLatin1String("de") ? start->Image1 : start->Image2)->pixmap().size(), QSize(300, 200));
        // The other language's picture is never read.
        QVERIFY((sprache == QLatin1String("de") ? start->Image2 : start->Image1)->pixmap().isNull());
        start->hide();
        QCOMPARE(start->size(), QSize(300, 200));
        QVERIFY(start->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(start->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(start->Image1->cursor().shape(), Qt::PointingHandCursor);
    }

    void ueberblendung()
    {
        Programm programm(QStringLiteral("en"));
        Tstart* s = &programm.start();
        Tprog* p = &programm.hauptfenster();
        QVERIFY(s->Timer1->isActive());
        QCOMPARE(s->Timer1->interval(), 27);
        s->Timer1->stop();  // ticks are driven by hand below
        programm.starten();
        s->FormActivate();
        QCOMPARE(s->zaehler, 0);
        for (int i = 0; i < 49; ++i)
            s->Timer1Timer();
        QVERIFY(!p->isVisible());
        QCOMPARE(s->deckkraft, 255);
        s->Timer1->start();
        s->Timer1Timer();  // 50
        QVERIFY(p->isVisible());
        QCOMPARE(s->deckkraft, 255);
        s->Timer1Timer();
        QCOMPARE(s->deckkraft, 250);
        QCOMPARE(s->windowOpacity(), 250 / 255.0);
        for (int i = 0; i < 49; ++i)
            s->Timer1Timer();
        QCOMPARE(s->deckkraft, 5);
        QVERIFY(s->Timer1->isActive());
        s->Timer1Timer();  // tick 101
        QCOMPARE(s->deckkraft, 0);
        QVERIFY(!s->Timer1->isActive());
        // Faded out, it no longer stands in front of the main window, and it
        // has given back its picture and its window.
        QVERIFY(!s->isVisible());
        QVERIFY(s->Image2->pixmap().isNull());
        QVERIFY(!s->windowHandle());
        QCOMPARE(s->zaehler, 101);
    }

    void klickZeigtHauptfensterSofort()
    {
        Programm programm(QStringLiteral("de"));
        Tstart* s = &programm.start();
        Tprog* p = &programm.hauptfenster();
        s->Timer1->stop();
        programm.starten();
        for (int i = 0; i < 10; ++i)
            s->Timer1Timer();
        QTest::mouseClick(s->Image1, Qt::LeftButton, {}, QPoint(150, 100));
        QVERIFY(p->isVisible());
        QVERIFY(!s->isVisible());
        // The count goes on; at 50 the main window is brought forward again.
        s->FormActivate();
        for (int i = 0; i < 50; ++i)
            s->Timer1Timer();
        QVERIFY(p->isVisible());
        QCOMPARE(s->deckkraft, 255);
    }

    void schliessenDesHauptfenstersBeendet()
    {
        Programm programm(QStringLiteral("en"));
        programm.starten();
        Tprog* prog = &programm.hauptfenster();
        prog->show();
        programm.hilfeEn().show();  // another window still open
        bool beendet = false;
        QTimer::singleShot(0, prog, [&] { prog->close(); });
        QTimer wache;
        wache.setSingleShot(true);
        connect(&wache, &QTimer::timeout, qApp, [&] { QCoreApplication::exit(1); });
        wache.start(5000);
        beendet = QCoreApplication::exec() == 0;
        QVERIFY(beendet);
        QVERIFY(!programm.start().isVisible());
        QVERIFY(!prog->isVisible());
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
