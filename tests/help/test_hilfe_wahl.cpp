// The information button of the main window opens the help window of the
// run's language, and only that one.

#include "help/thilfe.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

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
        Programm programm(sprache);
        const nutzer::Hauptteile p(programm.hauptfenster());
        const Thilfe& hilfe = programm.hilfe();
        const Thilfe_en& hilfe_en = programm.hilfeEn();
        p.aktivieren();
        // Neither window has filled its pages yet; the one shown does.
        QCOMPARE(hilfe.pc->count() + hilfe_en.pc->count(), 0);
        nutzer::klicken(p.Label2);
        QCOMPARE((deutsch ? hilfe.pc : hilfe_en.pc)->count(), 5);
        // Filled before it was shown: the pages show with it.
        const Hilfefenster& gezeigt = deutsch ? static_cast<const Hilfefenster&>(hilfe) : hilfe_en;
        QVERIFY(gezeigt.pc->currentWidget()->isVisible());
        QVERIFY(gezeigt.verweise.front()->isVisible());
        QCOMPARE((deutsch ? hilfe_en.pc : hilfe.pc)->count(), 0);
        QCOMPARE(hilfe.isVisible(), deutsch);
        QCOMPARE(hilfe_en.isVisible(), !deutsch);
        // Not modal: the main window stays usable beside it.
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestHilfeWahl)
#include "test_hilfe_wahl.moc"
