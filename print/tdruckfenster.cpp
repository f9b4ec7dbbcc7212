#include "print/tdruckfenster.h"

#include "print/druckdienst.h"
#include "print/druckmodus.h"
#include "widgets/bild.h"
#include "widgets/fenster.h"
#include "widgets/listenfilter.h"
#include "widgets/stil.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QKeyEvent>
#include <QShowEvent>

namespace {

const QColor streifenFarbe(0xFF, 0xFD, 0xF0);
const QColor kastanie(0x80, 0, 0);

QLabel* flaeche(QWidget* eltern, const QRect& ort)
{
    auto* l = new QLabel(eltern);
    l->setGeometry(ort);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, streifenFarbe);
    l->setPalette(pal);
    return l;
}

KlickLabel* beschriftung(QWidget* eltern, int x, int y, const QColor& farbe)
{
    auto* l = new KlickLabel(eltern);
    l->move(x, y);
    l->setFont(standardSchrift());
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, farbe);
    l->setPalette(pal);
    return l;
}

KlickLabel* bild(QWidget* eltern, const QRect& ort, const QString& datei)
{
    auto* l = new KlickLabel(eltern);
    l->setGeometry(ort);
    bildBeiBedarf(l, datei);
    return l;
}

}  // namespace

Tdruckfenster::Tdruckfenster(const Sprachwert& sprache, Druckseite& seite, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      sprache_(sprache),
      seite_(seite),
      druck_(std::make_unique<Druckmodus>(sprache, seite, *this))
{
    setObjectName(QStringLiteral("druckfenster"));
    setWindowTitle(QStringLiteral("Drucken"));
    setFixedSize(400, 155);
    setFont(standardSchrift());

    Image4 = bild(this, QRect(0, 0, 400, 155), QStringLiteral(":/druck/druck_en.jpg"));
    Image4->hide();
    Image3 = bild(this, QRect(0, 0, 400, 155), QStringLiteral(":/druck/druck_de.jpg"));
    Image3->hide();
    for (KlickLabel* hintergrund : {Image4, Image3})
        connect(hintergrund, &KlickLabel::pressed, this, &Tdruckfenster::Image3MouseDown);

    Label1 = beschriftung(this, 383, 83, QColor(0x66, 0, 0));
    Label1->setText(QStringLiteral("-"));
    Label1->setFixedSize(13, 13);

    Label2 = flaeche(this, QRect(120, 120, 257, 33));

    Image2 = bild(this, QRect(301, 125, 89, 21), QStringLiteral(":/druck/knopf.png"));
    Image1 = bild(this, QRect(198, 125, 89, 21), QStringLiteral(":/druck/knopf.png"));
    Label3 = beschriftung(this, 224, 129, kastanie);
    Label4 = beschriftung(this, 328, 129, kastanie);
    for (KlickLabel* k : {Image1, Image2, Label3, Label4})
        k->setCursor(Qt::PointingHandCursor);
    for (KlickLabel* k : {Image1, Label3})
        connect(k, &KlickLabel::clicked, this, &Tdruckfenster::Image1Click);

    for (KlickLabel* k : {Image2, Label4})
        connect(k, &KlickLabel::clicked, this, &Tdruckfenster::Image2Click);

    verdeck = flaeche(this, QRect(72, 120, 321, 33));

    // A list only: the printer is chosen from it, never typed.
    cbdruck = new QComboBox(this);
    cbdruck->setObjectName(QStringLiteral("cbdruck"));
    cbdruck->setGeometry(79, 125, 105, 21);
    cbdruck->setEditable(false);
    cbdruck->setFrame(false);
    cbdruck->setFont(standardSchrift());
    {
        QPalette pal = cbdruck->palette();
        pal.setColor(QPalette::ButtonText, kastanie);
        pal.setColor(QPalette::Text, kastanie);
        pal.setColor(QPalette::WindowText, kastanie);
        cbdruck->setPalette(pal);
    }
    cbdruck->addItem(standart);
    nurAuswahl(cbdruck);
    connect(cbdruck, &QComboBox::activated, this, [this](int i) {
        gewaehlt_ = i <= 0 ? QString() : cbdruck->itemText(i);
    });

    gauge1 = new QProgressBar(this);
    gauge1->setGeometry(79, 64, 313, 17);
    gauge1->setRange(0, 100);
    gauge1->setValue(0);
    gauge1->setTextVisible(false);

    meldung = [this](const QString& text) { QMessageBox::warning(this, sprache_.texte().druckTitel, text); };
    hinweis = [this](const QString& text) { QMessageBox::information(this, sprache_.texte().druckTitel, text); };

    // The window has no close button, but a window manager may draw one
    // anyway, and Alt+F4 and Escape ask the same. While the page is made that
    // would hand back the main window in the middle of it; once the page is
    // ready it means cancel. Minimising is refused: the disabled main window
    // would be left with nothing on the screen to return to.
    new Fensterausgang(this, [this] { Image2Click(); }, [this] { return verdeck->isHidden() && !druck_->laeuft(); });

    Sprache();  // FormCreate
}

Tdruckfenster::~Tdruckfenster() = default;

Druckdienst& Tdruckfenster::druckdienst() const
{
    if (!dienst_)
        dienst_ = systemDruckdienst();
    return *dienst_;
}

void Tdruckfenster::setDruckdienst(std::unique_ptr<Druckdienst> dienst)
{
    if (dienst)
        dienst_ = std::move(dienst);
}

void Tdruckfenster::Sprache()
{
    const bool de = sprache_.deutsch();
    const Texte& t = sprache_.texte();
    setWindowTitle(t.druckTitel);
    Image3->setVisible(de);
    Image4->setVisible(!de);
    Label1->setVisible(de);
    Label3->setText(t.drucken);
    Label4->setText(t.abbrechen);
    Image1->alsKnopf(t.drucken);
    Image2->alsKnopf(t.abbrechen);
    setTabOrder(cbdruck, Image1);
    setTabOrder(Image1, Image2);
    Label3->adjustSize();
    Label4->adjustSize();
}

void Tdruckfenster::listeFuellen()
{
    // The chosen printer stays chosen for the run, also when the list is
    // filled again; one that has gone away keeps its entry (and prints to
    // the default printer, as the print action explains).
    const QSignalBlocker sperre(cbdruck);
    cbdruck->clear();
    cbdruck->addItem(standart);
    cbdruck->addItems(druckdienst().drucker());
    int i = 0;
    if (!gewaehlt_.isEmpty()) {
        i = cbdruck->findText(gewaehlt_, Qt::MatchExactly);
        if (i < 0) {
            cbdruck->addItem(gewaehlt_);
            i = cbdruck->count() - 1;
        }
    }
    cbdruck->setCurrentIndex(i);
}

void Tdruckfenster::FormShow() { listeFuellen(); }

void Tdruckfenster::FormActivate()
{
    verdeck->show();
    verdeck->raise();
    cbdruck->hide();
}

void Tdruckfenster::FormHide()
{
    druck_->halterSchrumpfen(6);
    seite_.setFreigegeben(true);
    seite_.seiteZeigen(1);
    seite_.druckseiteHalten();
}

void Tdruckfenster::Image3MouseDown() { fensterZiehen(this); }

bool Tdruckfenster::Image1Click()
{
    if (!drucken())
        return false;  // stays ready: the user may try again or cancel
    druck_->halterSchrumpfen(6);
    hide();
    seite_.seiteZeigen(0);
    seite_.zeigen();
    return true;
}

void Tdruckfenster::Image2Click()
{
    hide();
    seite_.seiteZeigen(0);
    seite_.zeigen();
}

bool Tdruckfenster::drucken()
{
    const Texte& t = sprache_.texte();
    Druckdienst& dienst = druckdienst();
    const bool anWarteschlange = ausgabeDatei.isEmpty();
    QPrinter drucker(QPrinter::HighResolution);
    QString name;
    // Whatever goes wrong on the way to a queue, a scheduler that does not
    // answer is the reason to name: an empty printer list, a queue that
    // cannot be opened and a job nobody took all follow from it.
    const auto gescheitert = [&](const QString& sonst) {
        if (anWarteschlange && !dienst.erreichbar())
            meldung(t.dienstNichtErreichbar);
        else
            meldung(sonst);
        return false;
    };
    if (anWarteschlange) {
        const QStringList alle = dienst.drucker();
        if (alle.isEmpty())
            return gescheitert(t.keinDrucker);
        // A chosen printer that is no longer installed gives way to the
        // default printer, as "Standart" does.
        if (!gewaehlt_.isEmpty() && alle.contains(gewaehlt_))
            name = gewaehlt_;
        else
            name = dienst.standardDrucker();
        if (name.isEmpty())
            name = alle.first();
    }
    const QString ziel = anWarteschlange ? name : ausgabeDatei;
    const QString nichtGeoeffnet = t.nichtGeoeffnet.arg(ziel);

    if (anWarteschlange) {
        if (!dienst.ansteuern(drucker, name))
            return gescheitert(nichtGeoeffnet);
    } else {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ausgabeDatei);
        if (!drucker.isValid())
            return gescheitert(nichtGeoeffnet);
    }
    drucker.setDocName(QStringLiteral("Velmar Sudoku"));
    drucker.setCopyCount(1);
    drucker.setFullPage(false);

    QPainter p;
    if (!p.begin(&drucker))
        return gescheitert(nichtGeoeffnet);
    const int h = drucker.height();
    const int w = drucker.width();
    druck_->seiteZeichnen(p, w, h);
    const bool beendet = p.end();
    if (!beendet || drucker.printerState() == QPrinter::Error)
        return gescheitert(t.nichtAbgeschlossen.arg(ziel));
    bool wartet = false;
    if (anWarteschlange) {
        const QString grund = dienst.ablehnung();  // before anything else asks the service
        if (!grund.isEmpty())
            return gescheitert(t.abgelehnt.arg(ziel, grund));
        wartet = dienst.angehalten(name);
    }

    letzterDruck_.drucker = name;
    letzterDruck_.aufloesung = drucker.resolution();
    letzterDruck_.seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    letzterDruck_.papier = drucker.pageLayout().fullRectPixels(drucker.resolution());
    letzterDruck_.felder = blattLayout(w, h, druck_->felderproseite);

    // The job is in: it counts as printed, but nothing comes out until the
    // printer is resumed, which the user would otherwise wait for in vain.
    if (wartet)
        hinweis(t.angehalten.arg(ziel));
    return true;
}

void Tdruckfenster::keyPressEvent(QKeyEvent* e)
{
    // Enter prints once the page is ready (a focused button takes its own
    // Enter first).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        if (verdeck->isHidden() && !druck_->laeuft())
            Image1Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Tdruckfenster::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    if (!zentriert_) {
        zentriert_ = true;
        if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    FormShow();
    // The cover goes up each time the window is shown for a new page, not
    // on every activation: switching to another program and back while the
    // page is ready must leave the buttons usable.
    FormActivate();
}

void Tdruckfenster::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        FormHide();
}
