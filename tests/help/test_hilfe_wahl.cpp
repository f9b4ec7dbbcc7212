// The information button of the main window opens the help window of the
// run's language, and only that one.

#include "app/bedienelemente.h"
#include "help/thilfe.h"
#include "mainwindow/tprog.h"

#include <QTest>

class TestHilfeWahl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void spracheWaehltFenster_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<bool>("deutsch");
        QTest::newRow("de") << "de" << true;
        QTest::newRow("en") << "en" << false;
        QTest::newRow("any other value") << "fr" << false;
    }
    void spracheWaehltFenster()
    {
        QFETCH(QString, sprache);
        QFETCH(bool, deutsch);
        QLabel spr(sprache);
        Fenster f;
        f.spr = &spr;
        Tprog prog(f);
        f.prog = &prog;
        Thilfe hilfe(f);
        f.hilfe = &hilfe;
        Thilfe_en hilfe_en(f);
        f.hilfe_en = &hilfe_en;

        prog.Label2Click();
        QCOMPARE(hilfe.isVisible(), deutsch);
        QCOMPARE(hilfe_en.isVisible(), !deutsch);
        // Not modal: the main window stays usable beside it.
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestHilfeWahl)
#include "test_hilfe_wahl.moc"
