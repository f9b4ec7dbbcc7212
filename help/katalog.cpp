#include "help/katalog.h"

#include "widgets/adressen.h"
#include "widgets/stil.h"
#include "help/katalogbilder.h"
#include "help/verweis.h"

#include <QEvent>
#include <QIcon>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

struct Rohdaten {
    const char* name;
    const char* beschreibung;
    const char* pfad;
};

// German entries, in the order of katalogBilder.
constexpr std::array<Rohdaten, 16> deutsch{{
    {"Velmar Sudoku", "Zahlenrätsel in klassischer und freier Form, mit Symbolen und Buchstaben, am Bildschirm oder "
                      "auf Papier gelöst.", "/sudoku"},
    {"Velmar Solitär", "Das bekannte Kartenlegespiel mit großen, gut lesbaren Karten und beliebig vielen Zügen zurück.",
     "/solitaer"},
    {"Velmar Minensucher", "Finden Sie alle versteckten Minen, bevor die Zeit abläuft. Drei Schwierigkeitsstufen und "
                           "eigene Spielfelder.", "/minen"},
    {"Velmar Schach", "Schach gegen den Computer oder zu zweit an einem Rechner, mit Zugvorschlägen für Einsteiger.",
     "/schach"},
    {"Velmar Kalender", "Termine, Geburtstage und Feiertage auf einen Blick. Erinnert Sie rechtzeitig an alles "
                        "Wichtige.", "/kalender"},
    {"Velmar Notizzettel", "Kleine Notizen, die auf dem Bildschirm kleben bleiben, bis Sie sie nicht mehr brauchen.",
     "/notizen"},
    {"Velmar Wecker", "Ein Wecker für den Arbeitsplatz mit mehreren Weckzeiten, Kurzzeitmesser und eigenen Klängen.",
     "/wecker"},
    {"Velmar Rechner", "Ein übersichtlicher Taschenrechner mit Rechenstreifen, Prozentrechnung und Umrechnung von "
                       "Einheiten.", "/rechner"},
    {"Velmar Bildbetrachter", "Betrachten Sie Ihre Fotos schnell als Vorschau oder Diaschau und drehen oder verkleinern "
                              "Sie sie mit einem Klick.", "/bildbetrachter"},
    {"Velmar Dateisuche", "Findet Dateien nach Namen, Inhalt, Größe oder Datum, auch auf Wechseldatenträgern und im "
                          "Netzwerk.", "/dateisuche"},
    {"Velmar Passwort-Tresor", "Bewahrt Ihre Kennwörter verschlüsselt an einem Ort auf und erzeugt auf Wunsch sichere "
                               "neue.", "/passworttresor"},
    {"Velmar Vokabeltrainer", "Lernen Sie Vokabeln in kleinen Schritten. Das Programm fragt schwierige Wörter häufiger "
                              "ab.", "/vokabeln"},
    {"Velmar Kreuzworträtsel", "Immer neue Kreuzworträtsel zum Lösen am Bildschirm oder zum Ausdrucken, in drei "
                               "Größen.", "/kreuzwort"},
    {"Velmar Bildschirmlupe", "Vergrößert den Bereich unter dem Mauszeiger bis zum Zehnfachen, ideal für kleine "
                              "Schriften.", "/lupe"},
    {"Velmar Haushaltsbuch", "Behalten Sie Einnahmen und Ausgaben im Griff, mit Monatsübersicht und farbigen "
                             "Diagrammen.", "/haushaltsbuch"},
    {"Velmar Tippmeister", "Lernen Sie das Zehnfingersystem mit Übungen, die sich Ihrem Tempo anpassen.", "/tippen"},
}};

constexpr std::array<Rohdaten, 16> englisch{{
    {"Velmar Sudoku", "Number puzzles in classic and free form, with symbols and letters, solved on the screen or on "
                      "paper.", "/sudoku"},
    {"Velmar Solitaire", "The well-known card game with large, easy-to-read cards and as many undo steps as you like.",
     "/solitaire"},
    {"Velmar Minesweeper", "Find all hidden mines before the time runs out. Three levels of difficulty and boards of "
                           "your own.", "/mines"},
    {"Velmar Chess", "Play chess against the computer or with a friend at one computer, with move hints for "
                     "beginners.", "/chess"},
    {"Velmar Calendar", "Appointments, birthdays and holidays at a glance. Reminds you of everything important in "
                        "good time.", "/calendar"},
    {"Velmar Sticky Notes", "Small notes that stay on your screen until you no longer need them.", "/notes"},
    {"Velmar Alarm Clock", "An alarm clock for your desk with several alarms, a countdown timer and sounds of your "
                           "own.", "/alarmclock"},
    {"Velmar Calculator", "A clear desk calculator with a paper tape, percentages and unit conversion.", "/calculator"},
    {"Velmar Picture Viewer", "View your photos quickly as thumbnails or a slide show, and rotate or shrink them with "
                              "one click.", "/pictureviewer"},
    {"Velmar File Finder", "Finds files by name, content, size or date, on removable drives and in the network too.",
     "/filefinder"},
    {"Velmar Password Safe", "Keeps your passwords encrypted in one place and creates strong new ones when you ask.",
     "/passwordsafe"},
    {"Velmar Vocabulary Trainer", "Learn new words in small steps. The program asks difficult words more often.",
     "/vocabulary"},
    {"Velmar Crosswords", "Ever new crossword puzzles to solve on the screen or to print, in three sizes.",
     "/crosswords"},
    {"Velmar Screen Magnifier", "Enlarges the area under the mouse pointer up to ten times, ideal for small print.",
     "/magnifier"},
    {"Velmar Household Budget", "Keep track of income and spending, with a monthly overview and coloured charts.",
     "/budget"},
    {"Velmar Typing Tutor", "Learn touch typing with exercises that adapt to your pace.", "/typing"},
}};

int eintragOben(int i)
{
    // Every 50 pixels from 76; the last entry sits a little higher than the
    // rhythm would put it, to leave room for the overview link below.
    return i < 15 ? 76 + 50 * i : 824;
}

}  // namespace

std::array<KatalogEintrag, 16> katalogEintraege(bool de)
{
    const auto& roh = de ? deutsch : englisch;
    const QString host = QString::fromLatin1(de ? webadressen::softwareDe : webadressen::softwareInt);
    std::array<KatalogEintrag, 16> e;
    for (std::size_t i = 0; i < e.size(); ++i)
        e[i] = {QString::fromUtf8(roh[i].name), QString::fromUtf8(roh[i].beschreibung),
                host + QString::fromLatin1(roh[i].pfad)};
    return e;
}

KatalogBox::KatalogBox(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // A wheel turn over the bar itself moves by the same 10 pixels.
    verticalScrollBar()->installEventFilter(this);
}

int KatalogBox::position() const
{
    return verticalScrollBar()->value();
}

void KatalogBox::wheelEvent(QWheelEvent* e) { radDrehen(e); }

void KatalogBox::radDrehen(QWheelEvent* e)
{
    const int dy = e->angleDelta().y();
    if (dy == 0) {
        e->ignore();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (dy < 0 ? radSchritt : -radSchritt));  // setValue clamps to the range
    e->accept();
}

bool KatalogBox::focusNextPrevChild(bool next)
{
    // Skip QScrollArea's scrolling to the newly focused button.
    return QWidget::focusNextPrevChild(next);
}

bool KatalogBox::eventFilter(QObject* o, QEvent* e)
{
    if (o == verticalScrollBar() && e->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(e));
        return true;
    }
    return QScrollArea::eventFilter(o, e);
}

TFrame::TFrame(bool de, QWidget* parent) : QWidget(parent)
{
    resize(511, 311);
    scrollBox = new KatalogBox(this);
    scrollBox->setObjectName(de ? QStringLiteral("ScrollBox1") : QStringLiteral("ScrollBox2"));
    scrollBox->setGeometry(0, 0, 511, 311);

    auto* blatt = new QWidget;
    blatt->setFixedSize(KatalogBox::inhaltBreite, KatalogBox::inhaltHoehe);
    blatt->setMouseTracking(true);
    blatt->installEventFilter(this);

    const QColor schwarz(Qt::black);
    auto schwarzMachen = [&](QLabel* l) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, schwarz);
        l->setPalette(p);
    };

    ueberschrift = new QLabel(QStringLiteral("Software"), blatt);
    ueberschrift->setFont(standardSchrift(16));
    schwarzMachen(ueberschrift);
    ueberschrift->move(5, 5);
    ueberschrift->adjustSize();

    einleitung = new QLabel(blatt);
    einleitung->setText(
        de ? QStringLiteral("Diese Sammlung zeigt Ihnen die übrigen Programme von Velmar Media, die Sie alle kostenlos "
                            "herunterladen können. Ein Klick auf ein Symbol öffnet die Internetseite des Programms; "
                            "lassen Sie den Mauszeiger auf einem Symbol ruhen, so sehen Sie den Link.")
           : QStringLiteral("This collection shows you the other programs by Velmar Media, all of which you can "
                            "download free of charge. Clicking an icon opens the program's web site; rest the mouse "
                            "pointer on an icon to see its link."));
    einleitung->setFont(standardSchrift(11));
    schwarzMachen(einleitung);
    einleitung->setWordWrap(true);
    einleitung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    einleitung->setGeometry(5, 26, 476, 44);

    QFont fett = standardSchrift(11);
    fett.setBold(true);
    const auto eintraege = katalogEintraege(de);
    for (int i = 0; i < 16; ++i) {
        const int oben = eintragOben(i);
        auto* knopf = new QToolButton(blatt);
        knopf->setAutoRaise(true);
        knopf->setGeometry(5, oben, 36, 36);
        knopf->setIconSize(QSize(32, 32));
        knopf->setIcon(QIcon(QStringLiteral(":/hilfe/programm_%1.png").arg(QLatin1String(katalogBilder[i]))));
        knopf->setToolTip(eintraege[i].link);
        knopf->setCursor(Qt::PointingHandCursor);
        knopf->setFocusPolicy(Qt::NoFocus);
        connect(knopf, &QToolButton::clicked, this, [knopf] { BrowseToHint(knopf); });
        knoepfe.push_back(knopf);

        auto* name = new QLabel(eintraege[i].name, blatt);
        name->setFont(fett);
        schwarzMachen(name);
        name->move(45, oben);
        name->adjustSize();
        name->setMouseTracking(true);
        name->installEventFilter(this);
        namen.push_back(name);

        auto* text = new QLabel(eintraege[i].beschreibung, blatt);
        text->setFont(standardSchrift(11));
        schwarzMachen(text);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(45, oben + 15, 430, 26);
        text->setMouseTracking(true);
        text->installEventFilter(this);
        beschreibungen.push_back(text);
    }

    const QString host = QString::fromLatin1(de ? webadressen::softwareDe : webadressen::softwareInt);
    uebersicht = verweisLabel(blatt, host + QStringLiteral("/software"), de ? 357 : 352, de ? 866 : 868,
                              KatalogBox::inhaltBreite - 3);

    // The heading, the introduction, the buttons and the overview link keep
    // mouse movement to themselves: only the sheet, names and descriptions
    // hand the focus over.
    // They still hand the wheel to the scroll box: it scrolls wherever the
    // mouse is over the catalogue.
    uebersicht->jederKlickZaehlt = true;
    for (QWidget* w : std::initializer_list<QWidget*>{ueberschrift, einleitung, uebersicht}) {
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->installEventFilter(this);
    }
    for (QToolButton* k : std::as_const(knoepfe)) {
        k->setAttribute(Qt::WA_NoMousePropagation);
        k->installEventFilter(this);
    }

    scrollBox->setWidget(blatt);
    scrollBox->viewport()->setMouseTracking(true);
    scrollBox->viewport()->installEventFilter(this);
}

void TFrame::ScrollBoxMouseMove()
{
    scrollBox->setFocus(Qt::MouseFocusReason);
}

bool TFrame::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Wheel && o != scrollBox->viewport() && o != scrollBox->widget()) {
        // From a part that keeps its mouse events to itself.
        scrollBox->radDrehen(static_cast<QWheelEvent*>(e));
        return true;
    }
    if (e->type() == QEvent::MouseMove) {
        const bool eigen = std::find(namen.cbegin(), namen.cend(), o) != namen.cend() ||
                           std::find(beschreibungen.cbegin(), beschreibungen.cend(), o) != beschreibungen.cend() ||
                           o == scrollBox->viewport() || o == scrollBox->widget();
        if (eigen)
            ScrollBoxMouseMove();
    }
    return QWidget::eventFilter(o, e);
}
