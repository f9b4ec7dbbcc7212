// What the print window tells the user for each answer of the print
// service, and where it leaves itself and the main window. A scripted
// service stands in for CUPS; the last case asks the system's own service
// with the scheduler out of reach.
#include "hilfen.h"
#include "print/druckmodus.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <dlfcn.h>

namespace {

const QString grund = QStringLiteral("Destination \"Keller\" is not accepting jobs.");

// The user's message for each outcome, printing to "Keller".
QString text(const QString& fall, bool de)
{
    if (fall == QLatin1String("angehalten"))
        return de ? QStringLiteral("Der Drucker \u201EKeller\u201C ist angehalten. Die Seite wartet in seiner "
                                   "Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.")
                  : QStringLiteral("The printer \"Keller\" is paused. The page is waiting in its queue and will be "
                                   "printed when the printer is resumed.");
    if (fall == QLatin1String("abgelehnt"))
        return de ? QStringLiteral("Der Drucker \u201EKeller\u201C hat den Auftrag abgelehnt (%1). Die Seite wurde "
                                   "nicht gedruckt.")
                        .arg(grund)
                  : QStringLiteral("The printer \"Keller\" refused the job (%1). The page was not printed.").arg(grund);
    if (fall == QLatin1String("kein Drucker"))
        return de ? QStringLiteral("Es ist kein Drucker eingerichtet. Bitte richten Sie einen Drucker ein und "
                                   "versuchen Sie es noch einmal.")
                  : QStringLiteral("No printer is installed. Please install a printer and try again.");
    if (fall.startsWith(QLatin1String("Dienst weg")))
        return de ? QStringLiteral("Der Druckdienst ist nicht erreichbar, daher wurde die Seite nicht gedruckt.")
                  : QStringLiteral("The print service cannot be reached, so the page was not printed.");
    return {};
}

// The service for an outcome: two queues (none where the list is empty),
// "Buero" the default, and "Keller" answering as the outcome says.
void einrichten(Probedienst& d, const QString& fall)
{
    if (fall != QLatin1String("kein Drucker") && fall != QLatin1String("Dienst weg"))
        d.warteschlangen = {QStringLiteral("Buero"), QStringLiteral("Keller")};
    d.standard = QStringLiteral("Buero");
    if (fall == QLatin1String("angehalten"))
        d.angehaltene = {QStringLiteral("Keller")};
    if (fall == QLatin1String("abgelehnt") || fall == QLatin1String("Dienst weg beim Auftrag"))
        d.grund = grund;
    d.oeffnen = fall != QLatin1String("Dienst weg beim Oeffnen");
    d.antwortet = !fall.startsWith(QLatin1String("Dienst weg"));
}

// A small page (one 4 x 4 board), then "Keller" chosen from the list as the
// user would, where it is listed.
void vorbereiten(Fenstersatz& s)
{
    seitenWaehlen(s, 0);
    einstellen(s, 4, 8);
    s.teile.vorbereiten();
    const int i = s.druck->cbdruck->findText(QStringLiteral("Keller"));
    if (i > 0) {
        nutzer::waehlen(s.druck->cbdruck, i);
    }
}

bool bereit(const Tdruckfenster& d)
{
    return d.isVisible() && d.verdeck->isHidden() && !d.cbdruck->isHidden();
}

}  // namespace

class TestDruckdienst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        // For the system's service: a scheduler nobody can reach. libcups
        // reads it when it first connects, after this.
        qputenv("CUPS_SERVER", "/nonexistent/velmar-sudoku/cups.sock");
    }

    void jederAusgang_data()
    {
        QTest::addColumn<bool>("de");
        QTest::addColumn<QString>("fall");
        QTest::addColumn<bool>("gedruckt");
        for (const bool de : {true, false}) {
            const auto zeile = [de](const char* fall, bool gedruckt) {
                QTest::addRow("%s %s", de ? "de" : "en", fall) << de << QString::fromLatin1(fall) << gedruckt;
            };
            zeile("angenommen", true);
            zeile("angehalten", true);
            zeile("abgelehnt", false);
            zeile("kein Drucker", false);
            zeile("Dienst weg", false);
            // The scheduler goes away between the list and the job.
            zeile("Dienst weg beim Oeffnen", false);
            zeile("Dienst weg beim Auftrag", false);
        }
    }
    void jederAusgang()
    {
        QFETCH(bool, de);
        QFETCH(QString, fall);
        QFETCH(bool, gedruckt);
        QTemporaryDir ordner;
        Fenstersatz s(de ? "de" : "en");
        Probedienst& dienst = s.probedienst(ordner.path());
        einrichten(dienst, fall);
        vorbereiten(s);
        QVERIFY(bereit(*s.druck));
        QCOMPARE(s.druck->cbdruck->count(), dienst.warteschlangen.size() + 1);
        dienst.fragen.clear();
        const QSize seite = s.teile.x[0]->bild.size();

        QCOMPARE(druckenKlicken(s), gedruckt);
        const QStringList gesagt = text(fall, de).isEmpty() ? QStringList() : QStringList{text(fall, de)};
        QCOMPARE(s.meldungen, gedruckt ? QStringList() : gesagt);
        QCOMPARE(s.hinweise, gedruckt ? gesagt : QStringList());
        // The job's status is read before any other question can replace it,
        // and a print that went through does not wait for the scheduler to be tried.
        if (dienst.fragen.contains(QStringLiteral("ablehnung")))
            QCOMPARE(dienst.fragen.indexOf(QStringLiteral("ablehnung")),
                     dienst.fragen.indexOf(QStringLiteral("ansteuern Keller")) + 1);
        QCOMPARE(dienst.fragen.contains(QStringLiteral("erreichbar")), !gedruckt);

        const nutzer::Hauptteile& prog = s.teile;
        if (gedruckt) {
            QVERIFY(!s.druck->isVisible());
            QVERIFY(prog.fenster.isEnabled());
            QCOMPARE(prog.pc->currentIndex(), 0);
            QCOMPARE(prog.x[0]->bild.size(), QSize(1, 1));
            QCOMPARE(s.druck->letzterDruck().drucker, QStringLiteral("Keller"));
            QFile pdf(dienst.datei(QStringLiteral("Keller")));
            QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.readAll().startsWith("%PDF"));
        } else {
            // Still ready with the page kept: the user may try again or cancel.
            QVERIFY(bereit(*s.druck));
            QVERIFY(!prog.fenster.isEnabled());
            QCOMPARE(prog.x[0]->bild.size(), seite);
            abbrechenKlicken(s);
            QVERIFY(prog.fenster.isEnabled());
        }
    }

    void standartIstDerStandarddruckerDesDienstes()
    {
        QTemporaryDir ordner;
        Fenstersatz s("en");
        Probedienst& dienst = s.probedienst(ordner.path());
        einrichten(dienst, QStringLiteral("angehalten"));
        dienst.standard = QStringLiteral("Keller");
        for (const QString& erwartet : {QStringLiteral("Keller"), QStringLiteral("Buero")}) {
            seitenWaehlen(s, 0);
            einstellen(s, 4, 8);
            s.teile.vorbereiten();
            QCOMPARE(s.druck->druckerText(), QStringLiteral("Standart"));
            QVERIFY(druckenKlicken(s));
            QCOMPARE(s.druck->letzterDruck().drucker, erwartet);
            dienst.standard.clear();  // without a default: the first of the list
        }
        QCOMPARE(s.hinweise, QStringList{text(QStringLiteral("angehalten"), false)});
    }

    // The real message boxes: information on a paused queue, after which the
    // window closes; a warning when the scheduler is gone, and it stays.
    void meldungsfenster_data()
    {
        QTest::addColumn<bool>("de");
        QTest::addColumn<QString>("fall");
        for (const bool de : {true, false})
            for (const char* fall : {"angehalten", "Dienst weg"})
                QTest::addRow("%s %s", de ? "de" : "en", fall) << de << QString::fromLatin1(fall);
    }
    void meldungsfenster()
    {
        QFETCH(bool, de);
        QFETCH(QString, fall);
        const bool pausiert = fall == QLatin1String("angehalten");
        QTemporaryDir ordner;
        Fenstersatz s(de ? "de" : "en");
        s.druck->meldung = s.standardMeldung;
        s.druck->hinweis = s.standardHinweis;
        einrichten(s.probedienst(ordner.path()), fall);
        vorbereiten(s);

        QString gezeigt, titel;
        auto art = QMessageBox::NoIcon;
        bool fensterOffen = false;
        QTimer leser;
        connect(&leser, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gezeigt = box->text();
                titel = box->windowTitle();
                art = box->icon();
                fensterOffen = s.druck->isVisible();
                box->accept();
            }
        });
        leser.start(20);
        QCOMPARE(druckenKlicken(s), pausiert);
        QCOMPARE(gezeigt, text(fall, de));
        QCOMPARE(titel, de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
        QCOMPARE(art, pausiert ? QMessageBox::Information : QMessageBox::Warning);
        QVERIFY(fensterOffen);
        QCOMPARE(s.druck->isVisible(), !pausiert);
        QCOMPARE(s.prog->isEnabled(), pausiert);
    }

    // The system's own service, with no scheduler to be reached, says so
    // rather than that no printer is installed.
    void systemdienstOhneScheduler()
    {
        Fenstersatz s("de");
        vorbereiten(s);
        QCOMPARE(s.druck->cbdruck->count(), 1);
        if (!dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD))
            QSKIP("Qt does not print through CUPS here");
        QVERIFY(!s.druck->druckdienst().erreichbar());
        QVERIFY(!druckenKlicken(s));
        QCOMPARE(s.meldungen, QStringList{text(QStringLiteral("Dienst weg"), true)});
        QVERIFY(bereit(*s.druck));
        QVERIFY(!s.prog->isEnabled());
    }
};

QTEST_MAIN(TestDruckdienst)
#include "test_druckdienst.moc"
