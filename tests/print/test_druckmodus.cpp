// Composing a print page, the print window's states, and printing into PDF.
#include "hilfen.h"
#include "print/druckmodus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A page of the given count and settings, through the prepare action.
void vorbereiten(Fenstersatz& s, int seitenIndex, int spielart = 1, int aufgedeckt = 40)
{
    seitenWaehlen(*s.prog, seitenIndex);
    einstellen(*s.prog, spielart, aufgedeckt);
    s.druck->druck().vorschaudruckClick();
}

QPoint mitte(const Tprog& prog, QSize bild)
{
    return {prog.Bevel1->width() / 2 - bild.width() / 2 + 8, prog.Bevel1->height() / 2 - bild.height() / 2 + 8};
}

bool bereit(const Tdruckfenster& d)
{
    return d.isVisible() && d.verdeck->isHidden() && !d.cbdruck->isHidden();
}

}  // namespace

class TestDruckmodus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void fensterInBeidenSprachen()
    {
        for (const char* sprache : {"de", "en"}) {
            Fenstersatz s(sprache);
            const bool de = QLatin1String(sprache) == QLatin1String("de");
            Tdruckfenster& d = *s.druck;
            QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(d.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
            QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(d.windowTitle(), de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
            QCOMPARE(d.druckerText(), QStringLiteral("Standart"));
            QCOMPARE(d.Label1->isHidden(), !de);
            QCOMPARE(d.Image3->isHidden(), !de);
            QCOMPARE(d.Image4->isHidden(), de);
            QVERIFY(!d.Image3->pixmap().isNull() && !d.Image4->pixmap().isNull());
            QCOMPARE(d.Label3->text(), de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
            QCOMPARE(d.Label4->text(), de ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));

            // Typed characters drop the list down and choose nothing.
            d.show();
            d.cbdruck->show();
            QVERIFY(!d.cbdruck->view()->isVisible());
            QTest::keyClicks(d.cbdruck, QStringLiteral("xyzV"));
            QCOMPARE(d.druckerText(), QStringLiteral("Standart"));
            QVERIFY(d.cbdruck->view()->isVisible());
            QTest::keyClicks(d.cbdruck->view(), QStringLiteral("q"));
            QCOMPARE(d.druckerText(), QStringLiteral("Standart"));
            d.cbdruck->hidePopup();
            d.hide();
        }
    }

    void sechsKlassischeRaetsel()
    {
        Fenstersatz s("de");
        Tprog& prog = *s.prog;
        Tdruckfenster& d = *s.druck;
        QList<int> schritte;
        QString unterwegs;
        connect(d.gauge1, &QProgressBar::valueChanged, this, [&](int v) {
            schritte << v;
            if (v == 17)
                unterwegs = prog.stat->panelText(0);
        });

        // The prepare button of the print group starts it.
        seitenWaehlen(prog, 2);
        einstellen(prog, 1, 40);
        QVERIFY(prog.Image7->beiKlick);
        prog.Image7->beiKlick();

        QCOMPARE(d.druck().felderproseite, 6);
        QCOMPARE(schritte, (QList<int>{17, 33, 50, 67, 83, 100}));
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(425, 425));
            QVERIFY(d.druck().raetsel(k).has_value());
        }
        // The preview shows the last puzzle at 1:1, centred in the frame.
        QCOMPARE(prog.druckseite->size(), QSize(425, 425));
        QCOMPARE(prog.druckseite->pos(), mitte(prog, QSize(425, 425)));
        QCOMPARE(prog.druckseite->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 prog.x[5]->bild.convertToFormat(QImage::Format_RGB32));
        // The grids hold the page's last puzzle.
        QCOMPARE(std::memcmp(prog.zustand.vorgabe, d.druck().raetsel(5)->vorgabe, sizeof prog.zustand.vorgabe), 0);

        QCOMPARE(unterwegs, prog.texte.statusSeiteGenerieren);
        QCOMPARE(prog.stat->panelText(0), prog.texte.statusFertig);
        QCOMPARE(prog.pc->currentIndex(), 1);
        QVERIFY(!prog.isEnabled());
        QVERIFY(bereit(d));
        // Pictures differ: every puzzle of the page is generated afresh.
        QVERIFY(prog.x[0]->bild != prog.x[1]->bild);
    }

    void ersteSeiteSchrumpftNichts()
    {
        Fenstersatz s("en");
        Tprog& prog = *s.prog;
        QList<int> schritte;
        connect(s.druck->gauge1, &QProgressBar::valueChanged, this, [&](int v) {
            if (v)
                schritte << v;
        });
        vorbereiten(s, 1);
        QCOMPARE(s.druck->druck().felderproseite, 2);
        QCOMPARE(schritte, (QList<int>{50, 100}));
        QCOMPARE(prog.x[0]->bild.size(), QSize(425, 425));
        QCOMPARE(prog.x[1]->bild.size(), QSize(425, 425));
        for (int k = 2; k < 6; ++k)
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(15, 15));

        // The next page first shrinks the holders of the previous one.
        schritte.clear();
        vorbereiten(s, 0);
        QCOMPARE(s.druck->druck().felderproseite, 1);
        QCOMPARE(schritte, (QList<int>{100}));
        QCOMPARE(prog.x[0]->bild.size(), QSize(425, 425));
        QCOMPARE(prog.x[1]->bild.size(), QSize(1, 1));
        QVERIFY(!s.druck->druck().raetsel(1).has_value());
        QCOMPARE(prog.x[2]->bild.size(), QSize(15, 15));
    }

    void freieBretter()
    {
        Fenstersatz s("de");
        Tprog& prog = *s.prog;
        Druckmodus& dm = s.druck->druck();
        s.druck->show();
        for (int n : {3, 5}) {
            einstellen(prog, n, n == 3 ? 4 : 10);
            dm.felderproseite = 1;
            dm.Druck1SeiteEinrichten();
            QCOMPARE(prog.x[0]->bild.size(), QSize(45 * n + 20, 45 * n + 20));
            dm.Druck2Druckausgabe();
            QCOMPARE(prog.druckseite->size(), QSize(45 * n + 20, 45 * n + 20));
            QCOMPARE(prog.druckseite->pos(), mitte(prog, prog.druckseite->size()));
        }
        QVERIFY(bereit(*s.druck));
    }

    void abbrechenVerwirftDieSeite()
    {
        Fenstersatz s("de");
        Tprog& prog = *s.prog;
        prog.show();
        prog.pc->setCurrentIndex(1);  // the user chooses print mode
        QCOMPARE(prog.zustand.druckmodus, uint8_t(1));
        vorbereiten(s, 2);
        const QImage erste = prog.x[0]->bild;
        s.druck->Image2Click();
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.isEnabled());
        QVERIFY(prog.weg->isActive());
        QCOMPARE(prog.pc->currentIndex(), 0);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(1, 1));
            QVERIFY(!s.druck->druck().raetsel(k).has_value());
        }
        QVERIFY(s.meldungen.isEmpty());
        // Still in print mode: the restorer puts the print page back.
        QCOMPARE(prog.zustand.druckmodus, uint8_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(prog.pc->currentIndex(), 1, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!prog.weg->isActive(), 2000);
        QCOMPARE(prog.zustand.druckmodus, uint8_t(1));

        // The next page is new, and its window starts covered again.
        QList<bool> verdeckt;
        connect(s.druck->gauge1, &QProgressBar::valueChanged, this,
                [&](int) { verdeckt << !s.druck->verdeck->isHidden(); });
        vorbereiten(s, 2);
        QVERIFY(verdeckt.size() >= 6 && verdeckt.first());
        QVERIFY(prog.x[0]->bild != erste);
        QVERIFY(bereit(*s.druck));
    }

    void schliessenNurWennBereit()
    {
        Fenstersatz s("de");
        Tprog& prog = *s.prog;
        // Asked to close while the page is made: it stays, the page goes on.
        bool versucht = false;
        connect(s.druck->gauge1, &QProgressBar::valueChanged, this, [&](int v) {
            if (v == 50 && !versucht) {
                versucht = true;
                s.druck->close();
                QVERIFY(s.druck->isVisible());
                QVERIFY(!prog.isEnabled());
                // Escape is refused just the same.
                s.druck->activateWindow();
                QTest::keyClick(s.druck.get(), Qt::Key_Escape);
                QVERIFY(s.druck->isVisible());
                // A second prepare cannot start inside the first.
                s.druck->druck().vorschaudruckClick();
            }
        });
        vorbereiten(s, 2);
        QVERIFY(versucht);
        QCOMPARE(s.druck->gauge1->value(), 100);
        QVERIFY(bereit(*s.druck));
        QCOMPARE(prog.x[5]->bild.size(), QSize(425, 425));
        // Once ready, closing is cancelling.
        s.druck->close();
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.isEnabled());
        QCOMPARE(prog.x[0]->bild.size(), QSize(1, 1));

        // So is Escape; and a minimised window comes straight back, for a
        // disabled main window would have nothing on the screen to go to.
        vorbereiten(s, 2);
        QVERIFY(bereit(*s.druck));
        s.druck->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(s.druck->windowState() & Qt::WindowMinimized));
        QVERIFY(s.druck->isVisible());
        s.druck->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.druck.get()));
        QTest::keyClick(s.druck.get(), Qt::Key_Escape);
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.isEnabled());
    }

    void druckenInPdf_data()
    {
        QTest::addColumn<int>("seitenIndex");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("1") << 0 << 1;
        QTest::newRow("2") << 1 << 2;
        QTest::newRow("6") << 2 << 6;
    }
    void druckenInPdf()
    {
        QFETCH(int, seitenIndex);
        QFETCH(int, anzahl);
        QTemporaryDir ordner;
        Fenstersatz s("en");
        Tprog& prog = *s.prog;
        vorbereiten(s, seitenIndex);
        s.druck->ausgabeDatei = ordner.filePath(QStringLiteral("seite.pdf"));
        QVERIFY(s.druck->Image1Click());
        QVERIFY2(s.meldungen.isEmpty(), qPrintable(s.meldungen.join(QLatin1Char('\n'))));

        // Back to the main window; the page is gone.
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.isEnabled());
        QCOMPARE(prog.pc->currentIndex(), 0);
        QVERIFY(prog.weg->isActive());
        for (int k = 0; k < 6; ++k)
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(1, 1));

        QFile pdf(s.druck->ausgabeDatei);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray inhalt = pdf.readAll();
        QVERIFY(inhalt.startsWith("%PDF"));
        // Drawn at the printer's resolution, not a stretched bitmap.
        QVERIFY(!inhalt.contains("/Subtype /Image"));
        QCOMPARE(int(s.druck->letzterDruck().felder.size()), anzahl);

        const QString info = werkzeug(QStringLiteral("pdfinfo"), {pdf.fileName()});
        if (info.isEmpty())
            QSKIP("pdfinfo is not installed");
        QCOMPARE(pdfFeld(info, QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(pdfFeld(info, QStringLiteral("Title")), QStringLiteral("Velmar Sudoku"));
        const QImage seite = pdfBild(pdf.fileName(), 30, ordner.path());
        const QString fehler = blattPruefen(seite, s.druck->letzterDruck());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void fehlerBeimDruckenWirdGemeldet()
    {
        for (const char* sprache : {"de", "en"}) {
            Fenstersatz s(sprache);
            Tprog& prog = *s.prog;
            vorbereiten(s, 1);
            s.druck->ausgabeDatei = QStringLiteral("/nonexistent-folder/for/sure/seite.pdf");
            QVERIFY(!s.druck->Image1Click());
            QCOMPARE(s.meldungen.size(), 1);
            QVERIFY2(s.meldungen[0].contains(QLatin1String(qstrcmp(sprache, "de") == 0 ? "konnte" : "could not")),
                     qPrintable(s.meldungen[0]));
            // Still ready: the page is kept, so the user may try again.
            QVERIFY(bereit(*s.druck));
            QVERIFY(!prog.isEnabled());
            QCOMPARE(prog.x[0]->bild.size(), QSize(425, 425));

            // And cancel still leads back.
            s.druck->Image2Click();
            QVERIFY(!s.druck->isVisible());
            QVERIFY(prog.isEnabled());
        }
    }

    void fehlermeldungImMeldungsfenster()
    {
        Fenstersatz s("en");
        vorbereiten(s, 0);
        s.druck->meldung = s.standardMeldung;
        s.druck->ausgabeDatei = QStringLiteral("/nonexistent-folder/for/sure/seite.pdf");
        QString gezeigt;
        QTimer schliesser;
        connect(&schliesser, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gezeigt = box->text();
                box->accept();
            }
        });
        schliesser.start(20);
        QVERIFY(!s.druck->Image1Click());
        QVERIFY2(gezeigt.contains(QLatin1String("could not be opened")), qPrintable(gezeigt));
        QVERIFY(bereit(*s.druck));
        s.druck->Image2Click();
    }

    void ohneDruckerEineMeldung()
    {
        // A scheduler that answers and lists no queue at all.
        QTemporaryDir ordner;
        Fenstersatz s("de");
        s.probedienst(ordner.path());
        vorbereiten(s, 0);
        QCOMPARE(s.druck->cbdruck->count(), 1);
        QVERIFY(!s.druck->Image1Click());
        QCOMPARE(s.meldungen.size(), 1);
        QVERIFY(s.meldungen[0].contains(QLatin1String("kein Drucker")));
        QVERIFY(bereit(*s.druck));
    }

    void gewaehlterDruckerBleibt()
    {
        const QStringList drucker = QPrinterInfo::availablePrinterNames();
        if (drucker.isEmpty())
            QSKIP("no printer installed");
        Fenstersatz s("en");
        Tdruckfenster& d = *s.druck;
        d.show();
        QCOMPARE(d.cbdruck->count(), drucker.size() + 1);
        const int i = d.cbdruck->findText(drucker.last());
        QVERIFY(i > 0);
        d.cbdruck->setCurrentIndex(i);
        Q_EMIT d.cbdruck->activated(i);
        d.hide();
        d.show();  // the list is filled again
        QCOMPARE(d.druckerText(), drucker.last());
        QTest::keyClicks(d.cbdruck, QStringLiteral("S"));
        QCOMPARE(d.druckerText(), drucker.last());
        d.cbdruck->hidePopup();
        d.hide();
    }

    void unlesbareEinstellungenAendernNichts()
    {
        Fenstersatz s("de");
        Tprog& prog = *s.prog;
        if (prog.cbspiel->count() > 7) {
            // The user-defined setting with no readable number of revealed cells.
            prog.cbspiel->setCurrentIndex(7);
            prog.cbgeloest->clear();
        }
        if (prog.einstellungenLesbar())
            QSKIP("the main window cannot be given an unreadable setting here");
        seitenWaehlen(prog, 2);
        s.druck->druck().vorschaudruckClick();
        QCOMPARE(s.meldungen.size(), 1);
        QVERIFY(prog.isEnabled());
        QVERIFY(!s.druck->isVisible());
        QCOMPARE(s.druck->druck().felderproseite, 0);
    }

};

QTEST_MAIN(TestDruckmodus)
#include "test_druckmodus.moc"
