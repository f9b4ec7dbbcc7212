// A page printed on a real CUPS queue (cups-pdf, set up by
// tools/druckwarteschlange.sh): the PDF that arrives is checked; a queue
// that refuses the job and one that holds it are reported.
#include "hilfen.h"
#include "print/druckmodus.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Warteschlange {
    QString name, ordner;
    QString angehalten;  // a queue that takes jobs and holds them
};

Warteschlange lesen()
{
    QFile info(QStringLiteral("/tmp/velmar-sudoku-druckwarteschlange"));
    Warteschlange w;
    if (!info.open(QIODevice::ReadOnly | QIODevice::Text))
        return w;
    for (const QByteArray& zeile : info.readAll().split('\n')) {
        if (zeile.startsWith("warteschlange="))
            w.name = QString::fromUtf8(zeile.mid(14)).trimmed();
        else if (zeile.startsWith("ordner="))
            w.ordner = QString::fromUtf8(zeile.mid(7)).trimmed();
        else if (zeile.startsWith("angehalten="))
            w.angehalten = QString::fromUtf8(zeile.mid(11)).trimmed();
    }
    return w;
}

QSet<QString> pdfs(const QString& ordner)
{
    const QStringList namen = QDir(ordner).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(namen.begin(), namen.end());
}

}  // namespace

class TestDruckWarteschlange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void sechsRaetselAufDerWarteschlange()
    {
        const Warteschlange w = lesen();
        if (w.name.isEmpty() || w.ordner.isEmpty())
            QSKIP("no CUPS queue: tools/druckwarteschlange.sh has not set one up");
        if (!QPrinterInfo::availablePrinterNames().contains(w.name))
            QSKIP(qPrintable(QStringLiteral("the queue %1 is not installed").arg(w.name)));
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("poppler-utils are not installed");

        const QSet<QString> vorher = pdfs(w.ordner);

        Fenstersatz s("de");
        seitenWaehlen(s, 2);
        einstellen(s, 1, 40);
        s.teile.vorbereiten();
        QCOMPARE(s.druck->druck().felderproseite, 6);

        // Choose the queue from the print window's list, as the user would.
        const int i = s.druck->cbdruck->findText(w.name);
        QVERIFY(i > 0);
        nutzer::waehlen(s.druck->cbdruck, i);
        QVERIFY(druckenKlicken(s));
        QVERIFY2(s.meldungen.isEmpty(), qPrintable(s.meldungen.join(QLatin1Char('\n'))));
        QVERIFY2(s.hinweise.isEmpty(), qPrintable(s.hinweise.join(QLatin1Char('\n'))));
        QCOMPARE(s.druck->letzterDruck().drucker, w.name);

        // Wait (bounded) for the PDF, and until it is no longer growing.
        QString neu;
        QElapsedTimer uhr;
        uhr.start();
        qint64 groesse = -1;
        while (uhr.elapsed() < 60000) {
            const QSet<QString> jetzt = pdfs(w.ordner) - vorher;
            if (!jetzt.isEmpty()) {
                neu = QDir(w.ordner).filePath(*jetzt.begin());
                const qint64 g = QFileInfo(neu).size();
                if (g > 0 && g == groesse)
                    break;
                groesse = g;
            }
            QTest::qWait(300);
        }
        QVERIFY2(!neu.isEmpty(), "no PDF arrived from the queue within 60 s");

        const QString info = werkzeug(QStringLiteral("pdfinfo"), {neu});
        QVERIFY2(!info.isEmpty(), qPrintable(neu));
        QCOMPARE(pdfFeld(info, QStringLiteral("Pages")), QStringLiteral("1"));
        // cups-pdf keeps the PostScript string's parentheses of the job title.
        QString titel = pdfFeld(info, QStringLiteral("Title"));
        if (titel.startsWith(QLatin1Char('(')) && titel.endsWith(QLatin1Char(')')))
            titel = titel.mid(1, titel.size() - 2);
        QCOMPARE(titel, QStringLiteral("Velmar Sudoku"));

        QTemporaryDir ordner;
        const QImage seite = pdfBild(neu, 30, ordner.path());
        QVERIFY(!seite.isNull());
        const QString fehler = blattPruefen(seite, s.druck->letzterDruck());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QFile::remove(neu);
    }

    void abgelehnterAuftragWirdGemeldet()
    {
        const Warteschlange w = lesen();
        if (w.name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(w.name))
            QSKIP("no CUPS queue: tools/druckwarteschlange.sh has not set one up");
        const QString ablehnen = QStandardPaths::findExecutable(QStringLiteral("cupsreject"));
        const QString annehmen = QStandardPaths::findExecutable(QStringLiteral("cupsaccept"));
        if (ablehnen.isEmpty() || annehmen.isEmpty() || QProcess::execute(ablehnen, {w.name}) != 0)
            QSKIP("cannot make the queue reject jobs here");
        struct Wieder {
            QString programm, name;
            ~Wieder() { QProcess::execute(programm, {name}); }
        } wieder{annehmen, w.name};

        Fenstersatz s("en");
        seitenWaehlen(s, 0);
        einstellen(s, 4, 8);
        s.teile.vorbereiten();
        const int i = s.druck->cbdruck->findText(w.name);
        nutzer::waehlen(s.druck->cbdruck, i);
        QVERIFY(!druckenKlicken(s));
        QCOMPARE(s.meldungen.size(), 1);
        QVERIFY2(s.meldungen[0].contains(QLatin1String("refused")), qPrintable(s.meldungen[0]));
        QVERIFY(s.druck->isVisible() && s.druck->verdeck->isHidden());
        QVERIFY(!s.prog->isEnabled());
        abbrechenKlicken(s);
        QVERIFY(s.prog->isEnabled());
    }

    void angehaltenerDruckerWirdGemeldet()
    {
        const Warteschlange w = lesen();
        if (w.angehalten.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(w.angehalten))
            QSKIP("no paused CUPS queue: tools/druckwarteschlange.sh has not set one up");
        const QString abbrechen = QStandardPaths::findExecutable(QStringLiteral("cancel"));
        const QString lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
        // The held jobs go again, so that they never print and never pile up.
        struct Wegraeumen {
            QString programm, name;
            ~Wegraeumen()
            {
                if (!programm.isEmpty())
                    QProcess::execute(programm, {QStringLiteral("-a"), name});
            }
        } wegraeumen{abbrechen, w.angehalten};
        // Jobs waiting in the queue (-1 where lpstat cannot tell).
        const auto wartende = [&] {
            QProcess p;
            if (lpstat.isEmpty())
                return -1;
            p.start(lpstat, {QStringLiteral("-o"), w.angehalten});
            if (!p.waitForFinished(30000))
                return -1;
            return int(QString::fromLocal8Bit(p.readAllStandardOutput()).count(w.angehalten + QLatin1Char('-')));
        };
        const int vorher = wartende();

        for (const char* sprache : {"de", "en"}) {
            Fenstersatz s(sprache);
            seitenWaehlen(s, 0);
            einstellen(s, 4, 8);
            s.teile.vorbereiten();
            const int i = s.druck->cbdruck->findText(w.angehalten);
            QVERIFY(i > 0);
            s.druck->cbdruck->setCurrentIndex(i);
            Q_EMIT s.druck->cbdruck->activated(i);
            QVERIFY(druckenKlicken(s));
            QVERIFY2(s.meldungen.isEmpty(), qPrintable(s.meldungen.join(QLatin1Char('\n'))));
            const QString erwartet =
                qstrcmp(sprache, "de") == 0
                    ? QStringLiteral("Der Drucker \u201E%1\u201C ist angehalten. Die Seite wartet in seiner "
                                     "Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.")
                          .arg(w.angehalten)
                    : QStringLiteral("The printer \"%1\" is paused. The page is waiting in its queue and will be "
                                     "printed when the printer is resumed.")
                          .arg(w.angehalten);
            QCOMPARE(s.hinweise, QStringList{erwartet});
            // Printed as far as the window is concerned: back to the main window.
            QVERIFY(!s.druck->isVisible());
            QVERIFY(s.prog->isEnabled());
            QCOMPARE(s.druck->letzterDruck().drucker, w.angehalten);
        }

        // And both jobs really wait in the queue.
        if (vorher >= 0)
            QCOMPARE(wartende(), vorher + 2);
    }
};

QTEST_MAIN(TestDruckWarteschlange)
#include "test_druck_warteschlange.moc"
