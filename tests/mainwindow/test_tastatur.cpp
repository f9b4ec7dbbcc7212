// The program from the keyboard: whole games won by keys, the board's keys
// and their rules, undo and redo, Tab through the controls, the keys of the
// dialogs, the print window and the help window, and what a screen reader
// is told.
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "engine/einstellungen.h"
#include "help/thilfe.h"
#include "print/tdruckfenster.h"
#include "tests/fixtur/adressfaenger.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

using nutzer::Hauptteile;
using nutzer::waehlen;

namespace {

struct Aufbau {
    Programm programm;
    Hauptteile p;
    explicit Aufbau(const char* sprache = "en") : programm(QString::fromLatin1(sprache)), p(programm.hauptfenster())
    {
        p.aktivieren();
    }
};

void taste(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, Qt::Key(k), m); }

// A key pressed on the window as the system delivers it, shortcuts and all.
void fensterTaste(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(w->window()->windowHandle(), Qt::Key(k), m);
}

// Tab until the control has the focus (at most once round the window).
bool tabBis(QWidget* fenster, QWidget* ziel)
{
    for (int i = 0; i < 30 && !ziel->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : fenster, Qt::Key_Tab);
    return ziel->hasFocus();
}

// Starts the chosen game from the keyboard: Tab to the start button, Space.
void spielPerTaste(const Hauptteile& p)
{
    QVERIFY(tabBis(&p.fenster, p.Image4));
    QSignalSpy bereit(p.spielablauf, &Spielablauf::spielBereit);
    taste(p.Image4, Qt::Key_Space);
    QCOMPARE(bereit.count(), 1);
    QVERIFY(p.spielfeld->hasFocus());
}

int ziffer(int v, char elemente) { return elemente == 'C' ? Qt::Key_A + v - 1 : Qt::Key_0 + v; }

// Walks the board row by row and types the solution into every cell the
// player has to fill.
void loesenPerTaste(const Hauptteile& p)
{
    Spielfeld* f = p.spielfeld;
    const Spielzustand& z = p.zustand();
    const int n = z.feldgroesse;
    taste(f, Qt::Key_Home, Qt::ControlModifier);  // shows the cursor
    taste(f, Qt::Key_Home, Qt::ControlModifier);
    for (int y = 1; y <= n; ++y) {
        taste(f, Qt::Key_Home);
        for (int x = 1; x <= n && z.spiellaeuft == 1; ++x) {
            QCOMPARE(f->cursor(), QPoint(x, y));
            if (z.vorgabe[x - 1][y - 1] == 0)
                taste(f, ziffer(z.loesung[x - 1][y - 1], z.elemente));
            if (x < n)
                taste(f, Qt::Key_Right);
        }
        if (y < n)
            taste(f, Qt::Key_Down);
    }
}

// A cell the player fills, and the first one after it.
QPoint freieZelle(const Spielzustand& z, int ueberspringen = 0)
{
    for (int y = 1; y <= z.feldgroesse; ++y)
        for (int x = 1; x <= z.feldgroesse; ++x)
            if (z.vorgabe[x - 1][y - 1] == 0 && ueberspringen-- == 0)
                return {x, y};
    return {};
}

// Moves the keyboard's cursor to the cell.
void hin(Spielfeld* f, QPoint c)
{
    if (!f->cursorSichtbar())
        taste(f, Qt::Key_Home, Qt::ControlModifier);
    taste(f, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 1; i < c.x(); ++i)
        taste(f, Qt::Key_Right);
    for (int i = 1; i < c.y(); ++i)
        taste(f, Qt::Key_Down);
}

}  // namespace

class TestTastatur : public QObject {
    Q_OBJECT

    Adressfaenger faenger;

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &faenger, "oeffnen");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init() { faenger.adressen.clear(); }

    // A 4 x 4 game started, won and the dialog left by keys alone.
    void kleinesSpielPerTaste()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        // The preset list from the keyboard: free training is the first item.
        QVERIFY(tabBis(&p.fenster, p.cbspiel));
        for (int i = 0; i < 8; ++i)
            taste(p.cbspiel, Qt::Key_Up);
        QCOMPARE(p.cbspiel->currentIndex(), 0);
        spielPerTaste(p);
        QCOMPARE(p.zustand().feldgroesse, 4);
        loesenPerTaste(p);
        QCOMPARE(p.zustand().spiellaeuft, uint8_t(0));
        Tgew_kein& kein = a.programm.gewKein();
        QVERIFY(kein.isVisible());
        kein.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&kein));
        fensterTaste(&kein, Qt::Key_Return);
        QVERIFY(!kein.isVisible());
        QVERIFY(p.fenster.isEnabled());
    }

    // A classic game won by keys, and the result submitted from the name field.
    void klassischesSpielPerTaste_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("de") << "de";
        QTest::newRow("en") << "en";
    }
    void klassischesSpielPerTaste()
    {
        QFETCH(QString, sprache);
        Aufbau a(qPrintable(sprache));
        const Hauptteile& p = a.p;
        spielPerTaste(p);  // classic advanced, the preset chosen at start
        loesenPerTaste(p);
        Tgew_high& high = a.programm.gewHigh();
        QVERIFY(high.isVisible());
        high.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&high));
        // The name field has the focus when the dialog opens.

        QCOMPARE(QApplication::focusWidget(), high.Edit1);
        high.Edit1->selectAll();
        QTest::keyClicks(high.Edit1, QStringLiteral("Tasten Koenig"));
        taste(high.Edit1, Qt::Key_Return);
        QVERIFY(!high.isVisible());
        QCOMPARE(faenger.adressen.size(), 1);
        QVERIFY2(faenger.adressen[0].toString(QUrl::FullyEncoded).contains(QLatin1String("name=Tasten%20Koenig&code=")),
                 qPrintable(faenger.adressen[0].toString(QUrl::FullyEncoded)));
    }

    // Arrows stop at the edges; Home and End go along the row, with Ctrl to
    // the corners; the first key shows the cursor where the mouse last
    // pressed; a mouse press hides it again.
    void cursorUndRaender()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        waehlen(p.cbspiel, 0);  // 4 x 4
        p.spielStarten();
        Spielfeld* f = p.spielfeld;
        QVERIFY(!f->cursorSichtbar());
        nutzer::klicken(f, Qt::RightButton, QPoint(2 * 45 + 40, 1 * 45 + 40));  // cell (3, 2)
        f->setFocus();
        taste(f, Qt::Key_Left);
        QVERIFY(f->cursorSichtbar());
        QCOMPARE(f->cursor(), QPoint(3, 2));  // shown, not yet moved
        taste(f, Qt::Key_Left);
        QCOMPARE(f->cursor(), QPoint(2, 2));
        for (int i = 0; i < 6; ++i)
            taste(f, Qt::Key_Up);
        QCOMPARE(f->cursor(), QPoint(2, 1));
        taste(f, Qt::Key_End);
        QCOMPARE(f->cursor(), QPoint(4, 1));
        taste(f, Qt::Key_Right);
        QCOMPARE(f->cursor(), QPoint(4, 1));
        taste(f, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f->cursor(), QPoint(4, 4));
        taste(f, Qt::Key_Down);
        QCOMPARE(f->cursor(), QPoint(4, 4));
        taste(f, Qt::Key_Home);
        QCOMPARE(f->cursor(), QPoint(1, 4));
        taste(f, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(f->cursor(), QPoint(1, 1));
        // The cursor is drawn over the board, not into its picture.
        const QImage bild = f->bild();
        QVERIFY(f->grab().toImage() != QPixmap::fromImage(bild).toImage());
        nutzer::klicken(f, Qt::RightButton, QPoint(7, 7));
        QVERIFY(!f->cursorSichtbar());
        QCOMPARE(f->grab().toImage().convertToFormat(QImage::Format_RGB32), f->bild());
    }

    // Digits enter, replace and refuse as a left click does; Delete,
    // BackSpace, 0 and Space empty; Ctrl or Shift with a digit marks; a
    // revealed cell takes none of it.
    void tastenRegeln()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        waehlen(p.cbspiel, 0);  // 4 x 4, blue numbers
        p.spielStarten();
        Spielfeld* f = p.spielfeld;
        Spielzustand& z = p.zustand();
        const QPoint c = freieZelle(z);
        hin(f, c);
        auto wert = [&] { return z.eingabe[c.x() - 1][c.y() - 1]; };
        auto marke = [&](int v) { return z.markierung[c.x() - 1][c.y() - 1][(v - 1) % 3][(v - 1) / 3]; };
        taste(f, Qt::Key_5);  // above N: blocked
        QCOMPARE(wert(), 0);
        taste(f, Qt::Key_3);
        QCOMPARE(wert(), 3);
        taste(f, Qt::Key_2, Qt::KeypadModifier);  // replaces
        QCOMPARE(wert(), 2);
        for (int k : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_0, Qt::Key_Space}) {
            taste(f, Qt::Key_1);
            QCOMPARE(wert(), 1);
            taste(f, k);
            QCOMPARE(wert(), 0);
        }
        taste(f, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(marke(4), uint8_t(1));
        taste(f, Qt::Key_4, Qt::ShiftModifier);
        QCOMPARE(marke(4), uint8_t(0));
        const uint8_t neun = marke(9);
        taste(f, Qt::Key_9, Qt::ControlModifier);  // blocked
        QCOMPARE(marke(9), neun);
        // A revealed cell.
        QPoint r;
        for (int y = 1; y <= 4 && r.isNull(); ++y)
            for (int x = 1; x <= 4 && r.isNull(); ++x)
                if (z.vorgabe[x - 1][y - 1] != 0)
                    r = {x, y};
        hin(f, r);
        const int vorher = z.eingabe[r.x() - 1][r.y() - 1];
        for (int k : {int(Qt::Key_1), int(Qt::Key_Delete)})
            taste(f, k);
        taste(f, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(z.eingabe[r.x() - 1][r.y() - 1], vorher);
        QCOMPARE(z.markierung[r.x() - 1][r.y() - 1][1][0], uint8_t(0));
        // No game: keys change nothing.
        z.spiellaeuft = 0;
        hin(f, c);
        taste(f, Qt::Key_1);
        QCOMPARE(wert(), 0);
    }

    // Ctrl+Z takes back entering, replacing, emptying and marks, by mouse or
    // keys; Ctrl+Shift+Z and Ctrl+Y make them again; a new change forgets
    // what was taken back; the points do not change; a won game stays won.
    void rueckgaengigUndWiederholen()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        waehlen(p.cbspiel, 0);
        p.spielStarten();
        Spielfeld* f = p.spielfeld;
        Spielzustand& z = p.zustand();
        const QPoint c = freieZelle(z), d = freieZelle(z, 1);
        auto wert = [&](QPoint q) { return z.eingabe[q.x() - 1][q.y() - 1]; };
        auto marke = [&](QPoint q, int v) { return z.markierung[q.x() - 1][q.y() - 1][(v - 1) % 3][(v - 1) / 3]; };
        hin(f, c);
        taste(f, Qt::Key_1);
        taste(f, Qt::Key_2);
        // A mark on the other cell, by the mouse.
        nutzer::klicken(f, Qt::RightButton, QPoint((d.x() - 1) * 45 + 22, (d.y() - 1) * 45 + 7));  // value 2
        QCOMPARE(marke(d, 2), uint8_t(1));
        hin(f, c);
        taste(f, Qt::Key_Delete);
        QCOMPARE(wert(c), 0);
        const int punkte = z.punkte;
        QWidget* w = f;  // the keys go where the focus is: the board
        // The window's own keys need it active (the lists' pop-ups took that).
        p.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.fenster));
        f->setFocus();
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(wert(c), 2);
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(marke(d, 2), uint8_t(0));
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(wert(c), 1);
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(wert(c), 0);
        QVERIFY(!f->rueckgaengig());  // nothing more
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(wert(c), 1);
        fensterTaste(w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(wert(c), 2);
        fensterTaste(w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(marke(d, 2), uint8_t(1));
        QCOMPARE(z.punkte, punkte);
        // Back once, then a new change: the rest cannot be made again.
        fensterTaste(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(marke(d, 2), uint8_t(0));
        hin(f, d);
        taste(f, Qt::Key_3);
        QVERIFY(!f->wiederholen());
        QCOMPARE(marke(d, 2), uint8_t(0));
        // A new game starts with nothing to take back.
        p.spielStarten();
        QVERIFY(!f->rueckgaengig());
        // After the win nothing is taken back.
        loesenPerTaste(p);
        QCOMPARE(z.spiellaeuft, uint8_t(0));
        const QPoint e = freieZelle(z);
        const int gewonnen = wert(e);
        QVERIFY(!f->rueckgaengig());
        QCOMPARE(wert(e), gewonnen);
    }

    // Tab reaches the picture buttons, which show a focus frame and click
    // on Enter or Space; Alt+1 and Alt+2 switch the pages.
    void tabUndKnoepfe()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        QVERIFY(tabBis(&p.fenster, p.Image2));
        const QImage mitFokus = p.Image2->grab().toImage();
        taste(p.Image2, Qt::Key_Return);
        QVERIFY(a.programm.hilfeEn().isVisible());
        a.programm.hilfeEn().hide();
        p.aktivieren();
        QVERIFY(tabBis(&p.fenster, p.Image3));
        QVERIFY(p.Image2->grab().toImage() != mitFokus);  // the frame went with the focus
        taste(p.Image3, Qt::Key_Space);
        QCOMPARE(faenger.adressen.size(), 1);
        // A mouse click gives a picture button no focus.
        nutzer::klicken(p.Image4);
        QVERIFY(!p.Image4->hasFocus());
        p.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.fenster));
        fensterTaste(&p.fenster, Qt::Key_2, Qt::AltModifier);
        QCOMPARE(p.pc->currentIndex(), 1);
        QCOMPARE(p.zustand().druckmodus, uint8_t(1));
        QVERIFY(tabBis(&p.fenster, p.Image7));
        QTemporaryDir ordner;
        Tdruckfenster& d = a.programm.druckfenster();
        d.meldung = [](const QString&) {};
        taste(p.Image7, Qt::Key_Return);  // prepare
        QVERIFY(d.isVisible());
        d.ausgabeDatei = ordner.filePath(QStringLiteral("seite.pdf"));
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        fensterTaste(&d, Qt::Key_Return);  // print
        QVERIFY(!d.isVisible());
        QVERIFY(QFileInfo::exists(d.ausgabeDatei));
        p.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.fenster));
        fensterTaste(&p.fenster, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(p.pc->currentIndex(), 0);
    }

    // The help window: Ctrl+Tab turns the pages, Tab reaches the links and
    // Enter opens one, Escape puts the window away.
    void hilfefenster()
    {
        Aufbau a("de");
        Thilfe& h = a.programm.hilfe();
        nutzer::klicken(a.p.Label2);
        QVERIFY(h.isVisible());
        h.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h));
        fensterTaste(&h, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(h.pc->currentIndex(), 1);
        fensterTaste(&h, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(h.pc->currentIndex(), 0);
        QVERIFY(tabBis(&h, h.verweise.front()));
        taste(h.verweise.front(), Qt::Key_Return);
        QCOMPARE(faenger.adressen.size(), 1);
        QVERIFY(faenger.adressen[0].toString().endsWith(QLatin1String("/sudoku&rf=suh")));
        fensterTaste(&h, Qt::Key_Escape);
        QVERIFY(!h.isVisible());
    }

    // What a screen reader is told: the buttons by their captions, the
    // status panels by their text, the board as a table of named cells.
    void bildschirmleser()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        QAccessibleInterface* start = QAccessible::queryAccessibleInterface(p.Image4);
        QVERIFY(start);
        QCOMPARE(start->role(), QAccessible::Button);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start Game"));
        QVERIFY(start->actionInterface());
        QSignalSpy bereit(p.spielablauf, &Spielablauf::spielBereit);
        start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bereit.count(), 1);

        QAccessibleInterface* leiste = QAccessible::queryAccessibleInterface(p.stat);
        QCOMPARE(leiste->role(), QAccessible::StatusBar);
        QCOMPARE(leiste->childCount(), 4);
        QCOMPARE(leiste->child(0)->text(QAccessible::Name), QStringLiteral("Ready. Have Fun!"));
        QCOMPARE(leiste->child(2)->text(QAccessible::Name), p.stat->panelText(2));

        QAccessibleInterface* brett = QAccessible::queryAccessibleInterface(p.spielfeld);
        QCOMPARE(brett->role(), QAccessible::Table);
        QAccessibleTableInterface* tabelle = brett->tableInterface();
        QVERIFY(tabelle);
        QCOMPARE(tabelle->rowCount(), 9);
        QCOMPARE(tabelle->columnCount(), 9);
        QCOMPARE(brett->childCount(), 81);
        Spielzustand& z = p.zustand();
        // A revealed cell, and an empty one with two marks.
        QPoint r, c = freieZelle(z);
        for (int y = 1; y <= 9 && r.isNull(); ++y)
            for (int x = 1; x <= 9 && r.isNull(); ++x)
                if (z.vorgabe[x - 1][y - 1] != 0)
                    r = {x, y};
        QCOMPARE(tabelle->cellAt(r.y() - 1, r.x() - 1)->text(QAccessible::Name),
                 QStringLiteral("row %1, column %2: %3, given").arg(r.y()).arg(r.x()).arg(z.vorgabe[r.x() - 1][r.y() - 1]));
        Spielfeld* f = p.spielfeld;
        hin(f, c);
        taste(f, Qt::Key_1, Qt::ControlModifier);
        taste(f, Qt::Key_5, Qt::ControlModifier);
        QAccessibleInterface* zelle = tabelle->cellAt(c.y() - 1, c.x() - 1);
        QCOMPARE(zelle->role(), QAccessible::Cell);
        QCOMPARE(zelle->text(QAccessible::Name),
                 QStringLiteral("row %1, column %2: empty, marks 1 and 5").arg(c.y()).arg(c.x()));
        // The cursor's cell is the focused one.
        QCOMPARE(brett->focusChild(), zelle);
        QVERIFY(zelle->state().focused);
        taste(f, Qt::Key_7);
        QCOMPARE(zelle->text(QAccessible::Name), QStringLiteral("row %1, column %2: 7").arg(c.y()).arg(c.x()));
    }
};

QTEST_MAIN(TestTastatur)
#include "test_tastatur.moc"
