#include "dialogs/hochcode.h"
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "tests/dialogs/codeentschluesseln.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// Catches the addresses the dialog hands to the browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public Q_SLOTS:
    void oeffnen(const QUrl& url) { geoeffnet << url; }
};

// The program with its main window shown, and the two dialogs.
struct Aufbau {
    explicit Aufbau(const char* sprache)
        : programm(QString::fromLatin1(sprache)),
          prog(&programm.hauptfenster()),
          kein(&programm.gewKein()),
          high(&programm.gewHigh()),
          teile(*prog)
    {
        prog->show();
    }
    ::Programm programm;
    Tprog* prog;
    Tgew_kein* kein;
    Tgew_high* high;
    nutzer::Hauptteile teile;
};

// A free 9 x 9 board solved but for cell (1, 1), which wants a 1.
void fastGeloest(Spielzustand& z, int punkte)
{
    z.spielart = 9;
    z.feldgroesse = 9;
    z.aufgedeckt = 23;
    z.elemente = 'S';
    z.punkte = punkte;
    z.spiellaeuft = 1;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
            z.loesung[x][y] = (x + y) % 9 + 1;
            z.eingabe[x][y] = z.loesung[x][y];
            z.vorgabe[x][y] = 0;
        }
    z.eingabe[0][0] = 0;
}

// The offscreen platform cannot raise windows and says so on every show;
// that says nothing about the dialogs.
QtMessageHandler vorheriger = nullptr;
void meldungen(QtMsgType typ, const QMessageLogContext& ort, const QString& text)
{
    if (text.contains(QLatin1String("does not support raise()")))
        return;
    vorheriger(typ, ort, text);
}

void klicken(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

}  // namespace

class TestGewinndialoge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void fensterUndSprache_data();
    void fensterUndSprache();
    void knoepfeLiegenUnterDenKlickflaechen_data();
    void knoepfeLiegenUnterDenKlickflaechen();
    void schwelleWaehltDenDialog();
    void einfacherDialogZeigtPanelUndGibtFrei();
    void highscoreCodeUndAnzeige_data();
    void highscoreCodeUndAnzeige();
    void eintragenOeffnetDieAdresse();
    void leererNameGibtStandard_data();
    void leererNameGibtStandard();
    void nameBleibtZwischenSiegen();
    void codefelderLassenSichNichtAendern();
    void nichtJetztOeffnetNichts();
    void neueAktivierungNeuerCode();
    void jederAusgangWieDerEigene_data();
    void jederAusgangWieDerEigene();
    void minimierenWirdAbgelehnt();
    void jedesZeigenMittig();

private:
    Browser browser;
};

void TestGewinndialoge::initTestCase()
{
    schriftenEinrichten();
    vorheriger = qInstallMessageHandler(meldungen);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "oeffnen");
}

void TestGewinndialoge::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    qInstallMessageHandler(vorheriger);
}

void TestGewinndialoge::cleanup() { browser.geoeffnet.clear(); }

void TestGewinndialoge::fensterUndSprache_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("keinTitel");
    QTest::addColumn<QString>("highTitel");
    QTest::addColumn<int>("keinOben");
    QTest::addColumn<int>("highOben");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");
    QTest::newRow("de") << "de" << "Herzlichen Glückwunsch" << "Highscoreverdächtig!" << 55 << 52
                        << "Anonymer Sudokuspieler" << "";
    // Setting the English default name runs the name's change handler.
    QTest::newRow("en") << "en" << "Congratulations" << "Possibly a World Record!" << 65 << 57 << "Anonymous"
                        << "http://www.velmar.com/index.php?ziel=zazovorarhighscore&name=Anonymous&code=";
}

void TestGewinndialoge::fensterUndSprache()
{
    QFETCH(QString, sprache);
    QFETCH(QString, keinTitel);
    QFETCH(QString, highTitel);
    QFETCH(int, keinOben);
    QFETCH(int, highOben);
    QFETCH(QString, name);
    QFETCH(QString, link);
    Aufbau p(qPrintable(sprache));
    const bool de = sprache == QLatin1String("de");

    QCOMPARE(p.kein->windowTitle(), keinTitel);
    QCOMPARE(p.high->windowTitle(), highTitel);
    QCOMPARE(p.kein->size(), QSize(400, 155));
    QCOMPARE(p.high->size(), QSize(400, 340));
    for (QWidget* w : {static_cast<QWidget*>(p.kein), static_cast<QWidget*>(p.high)}) {
        const Qt::WindowFlags f = w->windowFlags();
        QVERIFY(f.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f.testFlag(Qt::Tool));
        QVERIFY(f.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(w->isHidden());
    }
    QCOMPARE(p.kein->Image1->isVisibleTo(p.kein), de);
    QCOMPARE(p.kein->Image3->isVisibleTo(p.kein), !de);
    QCOMPARE(p.high->Image1->isVisibleTo(p.high), de);
    QCOMPARE(p.high->Image4->isVisibleTo(p.high), !de);
    QCOMPARE(p.kein->Label1->pos(), QPoint(208, keinOben));
    QCOMPARE(p.high->Label1->pos(), QPoint(200, highOben));
    QCOMPARE(p.high->Edit1->text(), name);
    QCOMPARE(p.high->Edit3->text(), link);
    QCOMPARE(p.high->Edit1->maxLength(), 30);
    QCOMPARE(p.high->Label1->palette().color(QPalette::WindowText), QColor(0x66, 0x00, 0x00));
    for (QLabel* l : {p.high->lapunkte, p.high->laspielart, p.high->laaufgedeckt, p.high->laelemente})
        QVERIFY(l->isHidden());
    // A picture is read when its dialog first shows it, and only the
    // picture of the language.
    QVERIFY(p.kein->Image1->pixmap().isNull() && p.high->Image1->pixmap().isNull());
    p.kein->show();
    p.high->show();
    QCOMPARE((de ? p.kein->Image1 : p.kein->Image3)->pixmap().size(), QSize(400, 155));
    QVERIFY((de ? p.kein->Image3 : p.kein->Image1)->pixmap().isNull());
    QCOMPARE((de ? p.high->Image1 : p.high->Image4)->pixmap().size(), QSize(400, 340));
    QVERIFY((de ? p.high->Image4 : p.high->Image1)->pixmap().isNull());
    p.kein->hide();
    p.high->hide();
}

void TestGewinndialoge::knoepfeLiegenUnterDenKlickflaechen_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::newRow("de") << "de";
    QTest::newRow("en") << "en";
}

// The drawn buttons are grey with a darker rim; the paper around them is
// nearly white. Each click area must cover a button and nothing else.
void TestGewinndialoge::knoepfeLiegenUnterDenKlickflaechen()
{
    QFETCH(QString, sprache);
    Aufbau p(qPrintable(sprache));
    const bool de = sprache == QLatin1String("de");
    auto pruefen = [](const QImage& bild, const QRect& r) {
        auto grau = [&](int x, int y) {
            const QColor c = bild.pixelColor(x, y);
            return c.lightness() < 235 && qAbs(c.red() - c.blue()) < 20;
        };
        QVERIFY(grau(r.left() + 2, r.top() + 2));
        QVERIFY(grau(r.right() - 2, r.bottom() - 2));
        QVERIFY(grau(r.left(), r.center().y()));
        QVERIFY(grau(r.right(), r.center().y()));
        QVERIFY(!grau(r.left() - 3, r.center().y()));
        QVERIFY(!grau(r.right() + 3, r.center().y()));
        QVERIFY(!grau(r.center().x(), r.top() - 3));
        QVERIFY(!grau(r.center().x(), r.bottom() + 3));
    };
    p.kein->show();
    p.high->show();
    pruefen((de ? p.kein->Image1 : p.kein->Image3)->pixmap().toImage(), p.kein->Image2->geometry());
    const QImage high = (de ? p.high->Image1 : p.high->Image4)->pixmap().toImage();
    pruefen(high, p.high->Image2->geometry());
    pruefen(high, p.high->Image3->geometry());
    QCOMPARE(p.kein->Image2->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(p.high->Image2->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(p.high->Image3->cursor().shape(), Qt::PointingHandCursor);
}

// Driven through the board: the last cell of a nearly solved puzzle.
void TestGewinndialoge::schwelleWaehltDenDialog()
{
    Aufbau p("de");
    fastGeloest(p.prog->zustand(), 25540);
    p.teile.spielfeld->spielfeldMouseDown(Qt::LeftButton, 5, 5);
    QVERIFY(p.kein->isVisible());
    QVERIFY(p.high->isHidden());
    klicken(p.kein->Image2);
    QVERIFY(p.kein->isHidden());

    fastGeloest(p.prog->zustand(), 25541);
    p.teile.spielfeld->spielfeldMouseDown(Qt::LeftButton, 5, 5);
    QVERIFY(p.high->isVisible());
    QVERIFY(p.kein->isHidden());
    QCOMPARE(p.high->lapunkte->text(), QStringLiteral("25541"));
    QCOMPARE(p.high->laspielart->text(), QStringLiteral("9"));
    QCOMPARE(p.high->laaufgedeckt->text(), QStringLiteral("23"));
    QCOMPARE(p.high->laelemente->text(), QStringLiteral("S"));
    const Entschluesselt e = entschluesseln(p.high->code);
    QVERIFY2(e.gueltig, qPrintable(p.high->code + QLatin1Char(' ') + e.fehler));
    QCOMPARE(e.punkte, 25541);
}

void TestGewinndialoge::einfacherDialogZeigtPanelUndGibtFrei()
{
    Aufbau p("en");
    for (const char* text : {"12345 Points", "-17 Points"}) {
        p.teile.stat->setPanelText(2, QString::fromLatin1(text));
        Q_EMIT p.teile.spielfeld->gewonnenOhneHighscore();
        QVERIFY(p.kein->isVisible());
        QVERIFY(!p.prog->isEnabled());
        QCOMPARE(p.kein->Label1->text(), QString::fromLatin1(text));
        // The whole text shows, not a clipped part of it.
        QVERIFY(p.kein->Label1->width() >= p.kein->Label1->sizeHint().width());

        klicken(p.kein->Image2);
        QVERIFY(p.kein->isHidden());
        QVERIFY(p.prog->isEnabled());
        QVERIFY(p.prog->isVisible());
    }
}

void TestGewinndialoge::highscoreCodeUndAnzeige_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("basis");
    QTest::newRow("de") << "de" << "27103 Punkte" << "http://www.velmar.de";
    QTest::newRow("en") << "en" << "27103 Points" << "http://www.velmar.com";
}

void TestGewinndialoge::highscoreCodeUndAnzeige()
{
    QFETCH(QString, sprache);
    QFETCH(QString, panel);
    QFETCH(QString, basis);
    Aufbau p(qPrintable(sprache));
    p.teile.stat->setPanelText(2, panel);
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("27103"), QStringLiteral("8"),
                                                    QStringLiteral("18"), QStringLiteral("K"));
    QVERIFY(p.high->isVisible());
    QVERIFY(!p.prog->isEnabled());
    QCOMPARE(p.high->Label1->text(), panel);

    const Entschluesselt e = entschluesseln(p.high->code);
    QVERIFY2(e.gueltig, qPrintable(p.high->code + QLatin1Char(' ') + e.fehler));
    QCOMPARE(e.punkte, 27103);
    QCOMPARE(e.spielart, 8);
    QCOMPARE(e.aufgedeckt, 18);
    QCOMPARE(e.elemente, QLatin1Char('K'));
    QCOMPARE(p.high->Edit2->text(), p.high->code);
    // Whatever the name field holds, activation shows the placeholder name.
    const QString platzhalter = basis + QStringLiteral("/index.php?ziel=zazovorarhighscore&name=Sudokus%20Anonymus&code=")
                                + p.high->code;
    QCOMPARE(p.high->anzeigelink, platzhalter);
    QCOMPARE(p.high->Edit3->text(), platzhalter);

    // Typing a name shows it encoded.
    p.high->Edit1->clear();
    QCOMPARE(p.high->Edit3->text(),
             basis + QStringLiteral("/index.php?ziel=zazovorarhighscore&name=&code=") + p.high->code);
    QTest::keyClicks(p.high->Edit1, QStringLiteral("Anna & Ümit #1"));
    QCOMPARE(p.high->Edit3->text(), basis + QStringLiteral("/index.php?ziel=zazovorarhighscore&name=")
                                        + QStringLiteral("Anna%20%26%20%C3%9Cmit%20%231&code=") + p.high->code);
}

void TestGewinndialoge::eintragenOeffnetDieAdresse()
{
    Aufbau p("de");
    p.teile.stat->setPanelText(2, QStringLiteral("30000 Punkte"));
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("30000"), QStringLiteral("1"),
                                                    QStringLiteral("40"), QStringLiteral("R"));
    for (const QString& name : {QStringLiteral("Max Muster"), QStringLiteral("100% & mehr?"),
                                QStringLiteral("Jürgen+Söhne=#1"), QStringLiteral("x&code=1")}) {
        Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("30000"), QStringLiteral("1"),
                                                        QStringLiteral("40"), QStringLiteral("R"));
        p.high->Edit1->setText(name);
        browser.geoeffnet.clear();
        klicken(p.high->Image2);
        QCOMPARE(p.high->spielername, name);
        const QString erwartet = QStringLiteral("http://www.velmar.de/index.php?ziel=zazovorarhighscore&name=")
                                 + hochcode::nameKodieren(name) + QStringLiteral("&code=") + p.high->code;
        QCOMPARE(p.high->eintraglink, erwartet);
        QCOMPARE(browser.geoeffnet.size(), 1);
        // Byte for byte what was built: no escape lost or added on the way.
        QCOMPARE(browser.geoeffnet.first().toString(QUrl::FullyEncoded), erwartet);
        QCOMPARE(QUrlQuery(browser.geoeffnet.first()).queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded),
                 name);
        QCOMPARE(QUrlQuery(browser.geoeffnet.first()).queryItemValue(QStringLiteral("code")), p.high->code);
        QVERIFY(p.high->isHidden());
        QVERIFY(p.prog->isEnabled());
        QVERIFY(p.prog->isVisible());
    }
}

void TestGewinndialoge::leererNameGibtStandard_data()
{
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("gesendet");
    QTest::newRow("de leer") << "de" << "" << "Anonymer%20Sudokuspieler";
    QTest::newRow("de Vorgabe") << "de" << "Anonymer Sudokuspieler" << "Anonymer%20Sudokuspieler";
    QTest::newRow("en leer") << "en" << "" << "Anonymous";
}

void TestGewinndialoge::leererNameGibtStandard()
{
    QFETCH(QString, sprache);
    QFETCH(QString, name);
    QFETCH(QString, gesendet);
    Aufbau p(qPrintable(sprache));
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                    QStringLiteral("20"), QStringLiteral("B"));
    p.high->Edit1->setText(name);
    klicken(p.high->Image2);
    QCOMPARE(browser.geoeffnet.size(), 1);
    const QString url = browser.geoeffnet.first().toString(QUrl::FullyEncoded);
    QVERIFY2(url.contains(QStringLiteral("&name=") + gesendet + QStringLiteral("&code=") + p.high->code),
             qPrintable(url));
}

void TestGewinndialoge::nameBleibtZwischenSiegen()
{
    Aufbau p("en");
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                    QStringLiteral("20"), QStringLiteral("B"));
    p.high->Edit1->clear();
    QTest::keyClicks(p.high->Edit1, QStringLiteral("A name that is far too long to be taken whole"));
    QCOMPARE(p.high->Edit1->text(), QStringLiteral("A name that is far too long to"));
    klicken(p.high->Image3);

    // A new game on the main window, won again.
    fastGeloest(p.prog->zustand(), 31234);
    p.teile.stat->setPanelText(2, QStringLiteral("31234 Points"));
    p.teile.spielfeld->spielfeldMouseDown(Qt::LeftButton, 5, 5);
    QVERIFY(p.high->isVisible());
    QCOMPARE(p.high->Edit1->text(), QStringLiteral("A name that is far too long to"));
    QCOMPARE(p.high->Label1->text(), QStringLiteral("31234 Points"));
    QCOMPARE(entschluesseln(p.high->code).punkte, 31234);
    klicken(p.high->Image2);
    QCOMPARE(browser.geoeffnet.size(), 1);
    QVERIFY(browser.geoeffnet.first().toString(QUrl::FullyEncoded).contains(
        QStringLiteral("name=A%20name%20that%20is%20far%20too%20long%20to&code=")));
}

void TestGewinndialoge::codefelderLassenSichNichtAendern()
{
    Aufbau p("de");
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                    QStringLiteral("20"), QStringLiteral("B"));
    const QString code = p.high->Edit2->text();
    const QString link = p.high->Edit3->text();
    QTest::keyClicks(p.high->Edit2, QStringLiteral("99"));
    QTest::keyClick(p.high->Edit2, Qt::Key_Backspace);
    QCOMPARE(p.high->Edit2->text(), code);
    p.high->Edit3->clear();
    QTest::keyClicks(p.high->Edit3, QStringLiteral("x"));
    QCOMPARE(p.high->Edit3->text(), link);
}

void TestGewinndialoge::nichtJetztOeffnetNichts()
{
    Aufbau p("de");
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                    QStringLiteral("20"), QStringLiteral("B"));
    QVERIFY(!p.prog->isEnabled());
    klicken(p.high->Image3);
    QVERIFY(p.high->isHidden());
    QVERIFY(p.prog->isEnabled());
    QVERIFY(browser.geoeffnet.isEmpty());
    QVERIFY(p.high->eintraglink.isEmpty());
}

// Coming back to the dialog from another window builds a fresh code for the
// same game and locks the main window again.
void TestGewinndialoge::neueAktivierungNeuerCode()
{
    Aufbau p("de");
    Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                    QStringLiteral("20"), QStringLiteral("B"));
    QSet<QString> codes{p.high->code};
    for (int i = 0; i < 5; ++i) {
        p.prog->setEnabled(true);
        p.prog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.prog));
        p.high->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.high));
        QVERIFY(!p.prog->isEnabled());
        const Entschluesselt e = entschluesseln(p.high->code);
        QVERIFY(e.gueltig);
        QCOMPARE(e.punkte, 26000);
        QCOMPARE(e.elemente, QLatin1Char('B'));
        QCOMPARE(p.high->Edit2->text(), p.high->code);
        codes << p.high->code;
    }
    QVERIFY(codes.size() > 1);
}


// The window manager's close button, Alt+F4 (both arrive as a close request)
// and Escape end a dialog as its own way out: OK, or "not now".
void TestGewinndialoge::jederAusgangWieDerEigene_data()
{
    QTest::addColumn<bool>("hoch");
    QTest::addColumn<bool>("escape");
    QTest::newRow("plain, close") << false << false;
    QTest::newRow("plain, Escape") << false << true;
    QTest::newRow("high score, close") << true << false;
    QTest::newRow("high score, Escape") << true << true;
}

void TestGewinndialoge::jederAusgangWieDerEigene()
{
    QFETCH(bool, hoch);
    QFETCH(bool, escape);
    Aufbau p("en");
    QWidget* d = hoch ? static_cast<QWidget*>(p.high) : p.kein;
    if (hoch)
        Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                        QStringLiteral("20"), QStringLiteral("B"));
    else
        Q_EMIT p.teile.spielfeld->gewonnenOhneHighscore();
    QVERIFY(d->isVisible());
    QVERIFY(!p.prog->isEnabled());
    if (escape) {
        QVERIFY(QTest::qWaitForWindowActive(d));
        // From inside the name field too: it has the focus in the high-score dialog.
        QTest::keyClick(hoch ? static_cast<QWidget*>(p.high->Edit1) : d, Qt::Key_Escape);
    } else {
        QVERIFY(!d->close());  // the dialog decides; it hides itself
    }
    QVERIFY(d->isHidden());
    QVERIFY(p.prog->isEnabled());
    QVERIFY(browser.geoeffnet.isEmpty());
    // The main window refuses to close while a dialog stands in front of it,
    // and closes again once it is back.
    Q_EMIT p.teile.spielfeld->gewonnenOhneHighscore();
    QVERIFY(!p.prog->close());
    QVERIFY(p.prog->isVisible());
    klicken(p.kein->Image2);
}

void TestGewinndialoge::minimierenWirdAbgelehnt()
{
    Aufbau p("de");
    Q_EMIT p.teile.spielfeld->gewonnenOhneHighscore();
    p.kein->setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!(p.kein->windowState() & Qt::WindowMinimized));
    QVERIFY(p.kein->isVisible());
    QVERIFY(!p.prog->isEnabled());
    klicken(p.kein->Image2);
    QVERIFY(p.prog->isEnabled());
}

// Every showing sits in the middle of the main window's client area, the
// first as the later ones.
void TestGewinndialoge::jedesZeigenMittig()
{
    Aufbau p("en");
    p.prog->move(150, 90);
    for (int i = 0; i < 3; ++i) {
        Q_EMIT p.teile.spielfeld->gewonnenMitHighscore(QStringLiteral("26000"), QStringLiteral("9"),
                                                        QStringLiteral("20"), QStringLiteral("B"));
        QCOMPARE(p.high->geometry().center(), p.prog->geometry().center());
        klicken(p.high->Image3);
        Q_EMIT p.teile.spielfeld->gewonnenOhneHighscore();
        QCOMPARE(p.kein->geometry().center(), p.prog->geometry().center());
        klicken(p.kein->Image2);
    }
}

QTEST_MAIN(TestGewinndialoge)
#include "test_gewinndialoge.moc"
