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
    seitenWaehlen(s, seitenIndex);
    einstellen(s, spielart, aufgedeckt);
    s.teile.vorbereiten();
}

QPoint mitte(const nutzer::Hauptteile& prog, QSize bild)
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
            // The picture of the language, read when the window first shows it.
            QVERIFY(d.Image3->pixmap().isNull() && d.Image4->pixmap().isNull());
            d.show();
            QCOMPARE((de ? d.Image3 : d.Image4)->pixmap().size(), QSize(400, 155));
            QVERIFY((de ? d.Image4 : d.Image3)->pixmap().isNull());
            d.hide();
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
        const nutzer::Hauptteile& prog = s.teile;
        Tdruckfenster& d = *s.druck;
        QList<int> schritte;
        QString unterwegs;
        connect(d.gauge1, &QProgressBar::valueChanged, this, [&](int v) {
            schritte << v;
            if (v == 17)
                unterwegs = prog.stat->panelText(0);
        });

        // The prepare button of the print group starts it.
        seitenWaehlen(s, 2);
        einstellen(s, 1, 40);
        nutzer::klicken(prog.Image7);

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
        QCOMPARE(std::memcmp(prog.zustand().vorgabe, d.druck().raetsel(5)->vorgabe, sizeof prog.zustand().vorgabe), 0);

        QCOMPARE(unterwegs, prog.texte().statusSeiteGenerieren);
        QCOMPARE(prog.stat->panelText(0), prog.texte().statusFertig);
        QCOMPARE(prog.pc->currentIndex(), 1);
        QVERIFY(!prog.fenster.isEnabled());
        QVERIFY(bereit(d));
        // Pictures differ: every puzzle of the page is generated afresh.
        QVERIFY(prog.x[0]->bild != prog.x[1]->bild);
    }

    void ersteSeiteSchrumpftNichts()
    {
        Fenstersatz s("en");
        const nutzer::Hauptteile& prog = s.teile;
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

        // The way to the next page leads through the print window's cancel,
        // which shrinks every holder; the next page fills only its own.
        schritte.clear();
        vorbereiten(s, 0);
        QCOMPARE(s.druck->druck().felderproseite, 1);
        QCOMPARE(schritte, (QList<int>{100}));
        QCOMPARE(prog.x[0]->bild.size(), QSize(425, 425));
        for (int k = 1; k < 6; ++k) {
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(1, 1));
            QVERIFY(!s.druck->druck().raetsel(k).has_value());
        }
    }

    void freieBretter()
    {
        Fenstersatz s("de");
        const nutzer::Hauptteile& prog = s.teile;
        for (int n : {3, 5}) {
            seitenWaehlen(s, 0);
            einstellen(s, n, n == 3 ? 4 : 10);
            prog.vorbereiten();
            QCOMPARE(prog.zustand().feldgroesse, n);
            QCOMPARE(prog.x[0]->bild.size(), QSize(45 * n + 20, 45 * n + 20));
            QCOMPARE(prog.druckseite->size(), QSize(45 * n + 20, 45 * n + 20));
            QCOMPARE(prog.druckseite->pos(), mitte(prog, prog.druckseite->size()));
            QVERIFY(bereit(*s.druck));
        }
    }

    void abbrechenVerwirftDieSeite()
    {
        Fenstersatz s("de");
        const nutzer::Hauptteile& prog = s.teile;
        aufDieDruckseite(s);  // the user chooses print mode
        QCOMPARE(prog.zustand().druckmodus, uint8_t(1));
        vorbereiten(s, 2);
        const QImage erste = prog.x[0]->bild;
        abbrechenKlicken(s);
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.fenster.isEnabled());
        QVERIFY(prog.weg->isActive());
        QCOMPARE(prog.pc->currentIndex(), 0);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(prog.x[size_t(k)]->bild.size(), QSize(1, 1));
            QVERIFY(!s.druck->druck().raetsel(k).has_value());
        }
        QVERIFY(s.meldungen.isEmpty());
        // Still in print mode: the restorer puts the print page back.
        QCOMPARE(prog.zustand().druckmodus, uint8_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(prog.pc->currentIndex(), 1, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!prog.weg->isActive(), 2000);
        QCOMPARE(prog.zustand().druckmodus, uint8_t(1));

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
        const nutzer::Hauptteile& prog = s.teile;
        // Asked to close while the page is made: it stays, the page goes on.
        bool versucht = false;
        connect(s.druck->gauge1, &QProgressBar::valueChanged, this, [&](int v) {
            if (v == 50 && !versucht) {
                versucht = true;
                s.druck->close();
                QVERIFY(s.druck->isVisible());
                QVERIFY(!prog.fenster.isEnabled());
                // Escape is refused just the same.
                s.druck->activateWindow();
                QTest::keyClick(s.druck, Qt::Key_Escape);
                QVERIFY(s.druck->isVisible());
                // A second prepare cannot start inside the first.
                s.teile.vorbereiten();
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
        QVERIFY(prog.fenster.isEnabled());
        QCOMPARE(prog.x[0]->bild.size(), QSize(1, 1));

        // So is Escape; and a minimised window comes straight back, for a
        // disabled main window would have nothing on the screen to go to.
        vorbereiten(s, 2);
        QVERIFY(bereit(*s.druck));
        s.druck->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(s.druck->windowState() & Qt::WindowMinimized));
        QVERIFY(s.druck->isVisible());
        s.druck->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.druck));
        QTest::keyClick(s.druck, Qt::Key_Escape);
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.fenster.isEnabled());
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
        const nutzer::Hauptteile& prog = s.teile;
        vorbereiten(s, seitenIndex);
        s.druck->ausgabeDatei = ordner.filePath(QStringLiteral("seite.pdf"));
        QVERIFY(druckenKlicken(s));
        QVERIFY2(s.meldungen.isEmpty(), qPrintable(s.meldungen.join(QLatin1Char('\n'))));

        // Back to the main window; the page is gone.
        QVERIFY(!s.druck->isVisible());
        QVERIFY(prog.fenster.isEnabled());
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
            const nutzer::Hauptteile& prog = s.teile;
            vorbereiten(s, 1);
            s.druck->ausgabeDatei = QStringLiteral("/nonexistent-folder/for/sure/seite.pdf");
            QVERIFY(!druckenKlicken(s));
            QCOMPARE(s.meldungen.size(), 1);
            QVERIFY2(s.meldungen[0].contains(QLatin1String(qstrcmp(sprache, "de") == 0 ? "konnte" : "could not")),
                     qPrintable(s.meldungen[0]));
            // Still ready: the page is kept, so the user may try again.
            QVERIFY(bereit(*s.druck));
            QVERIFY(!prog.fenster.isEnabled());
            QCOMPARE(prog.x[0]->bild.size(), QSize(425, 425));

            // And cancel still leads back.
            abbrechenKlicken(s);
            QVERIFY(!s.druck->isVisible());
            QVERIFY(prog.fenster.isEnabled());
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
        QVERIFY(!druckenKlicken(s));
        QVERIFY2(gezeigt.contains(QLatin1String("could not be opened")), qPrintable(gezeigt));
        QVERIFY(bereit(*s.druck));
        abbrechenKlicken(s);
    }

    void ohneDruckerEineMeldung()
    {
        // A scheduler that answers and lists no queue at all.
        QTemporaryDir ordner;
        Fenstersatz s("de");
        s.probedienst(ordner.path());
        vorbereiten(s, 0);
        QCOMPARE(s.druck->cbdruck->count(), 1);
        QVERIFY(!druckenKlicken(s));
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
        vorbereiten(s, 0);
        QCOMPARE(d.cbdruck->count(), drucker.size() + 1);
        const int i = d.cbdruck->findText(drucker.last());
        QVERIFY(i > 0);
        nutzer::waehlen(d.cbdruck, i);
        vorbereiten(s, 0);  // cancelled, and the list is filled again for the next page
        QCOMPARE(d.druckerText(), drucker.last());
        QTest::keyClicks(d.cbdruck, QStringLiteral("S"));
        QCOMPARE(d.druckerText(), drucker.last());
        d.cbdruck->hidePopup();
        abbrechenKlicken(s);
    }

    void unlesbareEinstellungenAendernNichts()
    {
        Fenstersatz s("de");
        const nutzer::Hauptteile& prog = s.teile;
        seitenWaehlen(s, 2);
        // The user-defined setting with no readable number of revealed cells.
        nutzer::waehlen(prog.cbspiel, benutzerdefiniertIndex);
        prog.cbgeloest->clear();
        QVERIFY(!prog.fenster.einstellungenLesbar());
        prog.vorbereiten();
        QCOMPARE(s.meldungen.size(), 1);
        QVERIFY(prog.fenster.isEnabled());
        QVERIFY(!s.druck->isVisible());
        QCOMPARE(s.druck->druck().felderproseite, 0);
    }

};

QTEST_MAIN(TestDruckmodus)
#include "test_druckmodus.moc"
