#include "widgets/adressen.h"
#include "widgets/stil.h"
#include "help/katalog.h"
#include "help/thilfe.h"
#include "help/verweis.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

// Collects the addresses the program hands to the browser.
class Adressfaenger : public QObject {
    Q_OBJECT
public:
    Adressfaenger()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "oeffnen");
    }
    ~Adressfaenger() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QStringList adressen;
public Q_SLOTS:
    void oeffnen(const QUrl& url) { adressen << url.toString(QUrl::FullyEncoded); }
};

namespace {

void rad(QWidget* ziel, int delta)
{
    const QPointF punkt(20, 20);
    QWheelEvent e(punkt, ziel->mapToGlobal(punkt), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(ziel, &e);
}

}  // namespace

class TestHilfe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void verweisRegel_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("adresse");
        QTest::newRow("bare .de") << "velmar-media.de" << "http://www.velmar-media.de/&rf=suh";
        QTest::newRow("bare .com") << "velmar-media.com" << "http://www.velmar-media.com/&rf=suh";
        QTest::newRow("other ending") << "velmar-media.at" << "http://www.velmar-media.at&rf=suh";
        QTest::newRow("path") << "velmar.de/support" << "http://www.velmar.de/support&rf=suh";
        QTest::newRow("path .com") << "velmar.com/donate" << "http://www.velmar.com/donate&rf=suh";
        // Only the first ".de&" is touched; a later one stays as written.
        QTest::newRow("first only") << "a.de&b.de&x" << "http://www.a.de/&b.de&x&rf=suh";
        // A path that itself ends in ".de" is still given the slash: the rule
        // looks at text, not at the host.
        QTest::newRow("path ending .de") << "velmar.com/liste.de"
                                         << "http://www.velmar.com/liste.de/&rf=suh";
    }
    void verweisRegel()
    {
        QFETCH(QString, link);
        QFETCH(QString, adresse);
        QCOMPARE(verweisAdresse(link), adresse);
    }

    void herkunftsbuchstabe()
    {
        QCOMPARE(verweisAdresse(QStringLiteral("velmar.de"), QLatin1Char('s')),
                 QStringLiteral("http://www.velmar.de/&rf=sus"));
    }

    void seitenUmlauf_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("de") << "de";
        QTest::newRow("en") << "en";
    }
    void seitenUmlauf()
    {
        QFETCH(QString, sprache);
        std::unique_ptr<Hilfefenster> w;
        if (sprache == QLatin1String("de"))
            w = std::make_unique<Thilfe>();
        else
            w = std::make_unique<Thilfe_en>();
        QCOMPARE(w->pc->count(), 5);
        QCOMPARE(w->pc->currentIndex(), 0);
        QTest::mouseClick(w->zurueck, Qt::LeftButton);
        QCOMPARE(w->pc->currentIndex(), 4);
        QTest::mouseClick(w->weiter, Qt::LeftButton);
        QCOMPARE(w->pc->currentIndex(), 0);
        for (int i = 1; i <= 5; ++i) {
            QTest::mouseClick(w->weiter, Qt::LeftButton);
            QCOMPARE(w->pc->currentIndex(), i % 5);
            // The pressed tab follows the page.
            for (int k = 0; k < 5; ++k)
                QCOMPARE(w->pc->reiter[k]->isChecked(), k == i % 5);
        }
        QTest::mouseClick(w->pc->reiter[2], Qt::LeftButton);
        QCOMPARE(w->pc->currentWidget()->objectName(), QStringLiteral("pc_software"));
    }

    void fensterGestalt()
    {
        Thilfe_en w;
        QCOMPARE(w.size(), QSize(543, 495));
        QCOMPARE(w.windowTitle(), QStringLiteral("Sudoku - Velmar Media"));
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w.pc->geometry(), QRect(12, 110, 518, 342));
        QCOMPARE(w.btien1->text(), QStringLiteral("<< back"));
        QCOMPARE(w.btien2->geometry(), QRect(451, 464, 75, 25));
        w.show();
        QCOMPARE(w.Image3->pixmap().size(), QSize(543, 100));
        QCOMPARE(w.pc->reiter[4]->text(), QStringLiteral("Terms of Use"));
    }

    // Every link label shows its link without scheme or "www." and opens
    // the address the rule makes from it; the hosts are the maker's.
    void verweiseOeffnen()
    {
        Adressfaenger faenger;
        Thilfe w;
        w.show();
        QVERIFY(!w.verweise.isEmpty());
        QStringList erwartet;
        for (KlickLabel* l : w.verweise) {
            w.pc->setCurrentIndex(w.pc->stapel->indexOf(l->parentWidget()));
            const QString text = l->text();
            QVERIFY2(!text.startsWith(QLatin1String("http")) && !text.startsWith(QLatin1String("www.")),
                     qPrintable(text));
            QVERIFY2(text.startsWith(QLatin1String(webadressen::softwareDe)) ||
                         text.startsWith(QLatin1String(webadressen::persoenlichDe)),
                     qPrintable(text));
            // Nothing may run past the page's right edge.
            QVERIFY2(l->geometry().right() < w.pc->stapel->width(), qPrintable(text));
            QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, 3));
            erwartet << verweisAdresse(text);
        }
        QCOMPARE(faenger.adressen, erwartet);
        QVERIFY(faenger.adressen.contains(QStringLiteral("http://www.velmar.de/support&rf=suh")));
        QVERIFY(faenger.adressen.contains(QStringLiteral("http://www.velmar-media.de/&rf=suh")));
        QVERIFY(faenger.adressen.contains(QStringLiteral("http://www.velmar.de/spenden&rf=suh")));
    }

    // Link labels sit where the layout puts them; a caption too long for the
    // page is pulled left but keeps its row.
    void verweisLagen_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QPoint>("lage");
        QTest::newRow("de sudoku") << "de" << "/sudoku" << QPoint(329, 196);
        QTest::newRow("de support") << "de" << "/support" << QPoint(329, 287);
        QTest::newRow("de webdesign") << "de" << "/webdesign" << QPoint(329, 122);
        QTest::newRow("de individuell") << "de" << "/individuell" << QPoint(329, 233);
        QTest::newRow("de personal") << "de" << "" << QPoint(329, 295);
        QTest::newRow("de spenden") << "de" << "/spenden" << QPoint(387, 298);
        QTest::newRow("de lizenz") << "de" << "/lizenz" << QPoint(329, 196);
        QTest::newRow("en sudoku") << "en" << "/sudoku" << QPoint(336, 192);
        QTest::newRow("en support") << "en" << "/support" << QPoint(336, 284);
        QTest::newRow("en individual") << "en" << "/individual" << QPoint(329, 240);
        QTest::newRow("en personal") << "en" << "" << QPoint(329, 293);
        QTest::newRow("en donate") << "en" << "/donate" << QPoint(387, 298);
        QTest::newRow("en license") << "en" << "/license" << QPoint(336, 196);
    }
    void verweisLagen()
    {
        QFETCH(QString, sprache);
        QFETCH(QString, pfad);
        QFETCH(QPoint, lage);
        std::unique_ptr<Hilfefenster> w;
        if (sprache == QLatin1String("de"))
            w = std::make_unique<Thilfe>();
        else
            w = std::make_unique<Thilfe_en>();
        const QString persoenlich = QLatin1String(sprache == QLatin1String("de") ? webadressen::persoenlichDe : webadressen::persoenlichInt);
        KlickLabel* gefunden = nullptr;
        for (KlickLabel* l : w->verweise)
            if (pfad.isEmpty() ? l->text() == persoenlich : l->text().endsWith(pfad))
                gefunden = l;
        QVERIFY(gefunden);
        QCOMPARE(gefunden->y(), lage.y());
        QVERIFY(gefunden->x() <= lage.x());
        if (gefunden->x() < lage.x())
            QCOMPARE(gefunden->geometry().right(), w->pc->stapel->width() - 6);
    }

    // On a help page a caption that would run past the right edge is pulled
    // left to end 5 px inside it; one that fits stays where it was put.
    void langerVerweisRuecktEin_data()
    {
        QTest::addColumn<int>("links");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("seitenBreite");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("fits") << 329 << 100 << 510 << 329;
        QTest::newRow("ends exactly 5 inside") << 405 << 100 << 510 << 405;
        QTest::newRow("one pixel over") << 406 << 100 << 510 << 405;
        QTest::newRow("far over") << 387 << 200 << 510 << 305;
        QTest::newRow("wider than the page") << 20 << 600 << 510 << 0;
    }
    void langerVerweisRuecktEin()
    {
        QFETCH(int, links);
        QFETCH(int, breite);
        QFETCH(int, seitenBreite);
        QFETCH(int, erwartet);
        QCOMPARE(hilfeVerweisLinks(links, breite, seitenBreite), erwartet);
    }

    // A real label with a caption too long for its place: it keeps its row
    // and its full width and ends at the given edge; without an edge, or with
    // room enough, it stays put.
    void langeBeschriftungAmRand()
    {
        QWidget seite;
        seite.resize(510, 300);
        const QString lang = QLatin1String(webadressen::softwareDe) + QStringLiteral("/ein/sehr/langer/pfad/zur/seite");
        KlickLabel* frei = verweisLabel(&seite, lang, 387, 298);
        const int breite = frei->width();
        QVERIFY2(387 + breite > 505, "the caption must be long enough to overflow");
        QCOMPARE(frei->pos(), QPoint(387, 298));

        KlickLabel* l = verweisLabel(&seite, lang, 387, 298, 505);
        QCOMPARE(l->width(), breite);
        QCOMPARE(l->y(), 298);
        QCOMPARE(l->x() + l->width(), 505);
        QCOMPARE(l->text(), lang);

        KlickLabel* kurz = verweisLabel(&seite, QStringLiteral("velmar.de"), 387, 298, 505);
        QCOMPARE(kurz->pos(), QPoint(387, 298));
    }

    void seiteBleibtErhalten()
    {
        Thilfe w;
        w.show();
        QCOMPARE(w.pc->currentIndex(), 0);
        w.btide2Click();
        w.btide2Click();
        w.btide2Click();
        w.close();
        QVERIFY(!w.isVisible());
        w.show();
        QCOMPARE(w.pc->currentIndex(), 3);
        QCOMPARE(w.pc->currentWidget()->objectName(), QStringLiteral("pc_spenden"));
    }

    void katalogAufbau_data()
    {
        QTest::addColumn<bool>("deutsch");
        QTest::newRow("de") << true;
        QTest::newRow("en") << false;
    }
    void katalogAufbau()
    {
        QFETCH(bool, deutsch);
        std::unique_ptr<TFrame> k;
        if (deutsch)
            k = std::make_unique<TFrame1>();
        else
            k = std::make_unique<TFrame2>();
        QCOMPARE(k->size(), QSize(511, 311));
        QCOMPARE(k->scrollBox->widget()->size(), QSize(481, 890));
        QCOMPARE(k->knoepfe.size(), 16);
        QSet<QString> links;
        for (int i = 0; i < 16; ++i) {
            const int oben = i < 15 ? 76 + 50 * i : 824;
            QCOMPARE(k->knoepfe[i]->geometry(), QRect(5, oben, 36, 36));
            QVERIFY(!k->knoepfe[i]->icon().isNull());
            QCOMPARE(k->namen[i]->pos(), QPoint(45, oben));
            QCOMPARE(k->beschreibungen[i]->pos(), QPoint(45, oben + 15));
            links.insert(k->knoepfe[i]->toolTip());
        }
        QCOMPARE(links.size(), 16);  // every program its own page
        const QString host = QLatin1String(deutsch ? webadressen::softwareDe : webadressen::softwareInt);
        QVERIFY(links.contains(host + QStringLiteral("/sudoku")));
        QCOMPARE(k->uebersicht->text(), host + QStringLiteral("/software"));
        QVERIFY(k->uebersicht->geometry().right() < 481);
    }

    void katalogRad()
    {
        TFrame2 k;
        k.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k));
        QScrollBar* bar = k.scrollBox->verticalScrollBar();
        const int unten = KatalogBox::inhaltHoehe - k.scrollBox->viewport()->height();
        QCOMPARE(bar->maximum(), unten);
        QCOMPARE(k.scrollBox->position(), 0);

        rad(k.scrollBox->viewport(), 120);  // up at the top stays at 0
        QCOMPARE(k.scrollBox->position(), 0);
        rad(k.scrollBox->viewport(), -120);
        QCOMPARE(k.scrollBox->position(), 10);
        rad(k.scrollBox->viewport(), -120);
        QCOMPARE(k.scrollBox->position(), 20);
        rad(k.scrollBox->viewport(), 15);  // a fine-grained turn still moves 10
        QCOMPARE(k.scrollBox->position(), 10);
        rad(k.scrollBox->viewport(), -360);  // so does a fast one
        QCOMPARE(k.scrollBox->position(), 20);
        rad(bar, 120);  // over the bar itself, the same step
        QCOMPARE(k.scrollBox->position(), 10);
        rad(bar, -120);
        QCOMPARE(k.scrollBox->position(), 20);

        for (int i = 0; i < 100; ++i)
            rad(k.scrollBox->viewport(), -120);
        QCOMPARE(k.scrollBox->position(), unten);
        rad(k.scrollBox->viewport(), 120);
        QCOMPARE(k.scrollBox->position(), unten - 10);
    }

    // The wheel scrolls wherever the mouse is over the catalogue, also over
    // the parts that keep their other mouse events to themselves.
    void katalogRadUeberall()
    {
        TFrame1 k;
        k.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k));
        int erwartet = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{k.ueberschrift, k.einleitung, k.knoepfe.front(), k.namen[2],
                                                           k.beschreibungen[3], k.uebersicht}) {
            rad(w, -120);
            erwartet += KatalogBox::radSchritt;
            QVERIFY2(k.scrollBox->position() == erwartet, qPrintable(w->metaObject()->className()));
        }
        rad(k.knoepfe.back(), 120);
        QCOMPARE(k.scrollBox->position(), erwartet - KatalogBox::radSchritt);
    }

    // Every click on a link opens it, however quickly the clicks follow
    // (buttons elsewhere take a double click as one click); a press on a
    // link stays with the link and never reaches the window beneath.
    void jederKlickAufEinenVerweis()
    {
        Adressfaenger faenger;
        Thilfe_en w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        KlickLabel* l = w.verweise.front();
        const QPoint stelle = l->mapTo(&w, QPoint(3, 3));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, stelle);
        QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, stelle);
        QCOMPARE(faenger.adressen.size(), 3);
        QCOMPARE(faenger.adressen.front(), verweisAdresse(l->text()));

        struct Zaehler : QObject {
            int druecke = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                druecke += e->type() == QEvent::MouseButtonPress;
                return false;
            }
        } zaehler;
        l->parentWidget()->installEventFilter(&zaehler);
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, stelle);
        QCOMPARE(zaehler.druecke, 0);
        QCOMPARE(faenger.adressen.size(), 4);
    }

    void katalogFokusBeiBewegung()
    {
        TFrame1 k;
        auto* anderes = new QLineEdit(&k);
        anderes->setGeometry(0, 0, 1, 1);
        k.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k));
        k.activateWindow();
        anderes->setFocus();
        QVERIFY(!k.scrollBox->hasFocus());
        QMouseEvent bewegung(QEvent::MouseMove, QPointF(5, 5), k.beschreibungen[1]->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(k.beschreibungen[1], &bewegung);
        QVERIFY(k.scrollBox->hasFocus());
        // Moving to another button does not scroll the sheet by itself.
        QCOMPARE(k.scrollBox->position(), 0);
    }

    // An icon opens what its hint shows, with prefix and suffix.
    void iconOeffnetHinweis()
    {
        Adressfaenger faenger;
        TFrame1 k;
        k.show();
        QTest::mouseClick(k.knoepfe[0], Qt::LeftButton);
        QCOMPARE(faenger.adressen.size(), 1);
        QCOMPARE(faenger.adressen[0], QStringLiteral("http://www.") + k.knoepfe[0]->toolTip() +
                                          QStringLiteral("&rf=suh"));
        k.scrollBox->verticalScrollBar()->setValue(k.scrollBox->verticalScrollBar()->maximum());
        QTest::mouseClick(k.knoepfe[15], Qt::LeftButton);
        QCOMPARE(faenger.adressen.size(), 2);
        QCOMPARE(faenger.adressen[1], QStringLiteral("http://www.") + k.knoepfe[15]->toolTip() +
                                          QStringLiteral("&rf=suh"));
        QTest::mouseClick(k.uebersicht, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(faenger.adressen.size(), 3);
        QCOMPARE(faenger.adressen[2], QStringLiteral("http://www.velmar.de/software&rf=suh"));
    }
};

QTEST_MAIN(TestHilfe)
#include "test_hilfe.moc"
