#include "print/tdruckfenster.h"

#include "mainwindow/tprog.h"
#include "print/druckmodus.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QShowEvent>

#include <dlfcn.h>

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

KlickLabel* bild(QWidget* eltern, int x, int y, const QString& datei)
{
    auto* l = new KlickLabel(eltern);
    const QPixmap pm(datei);
    l->setPixmap(pm);
    l->setGeometry(x, y, pm.isNull() ? 1 : pm.width(), pm.isNull() ? 1 : pm.height());
    return l;
}

// Qt hands the finished page to CUPS but does not say whether CUPS took
// it: a queue that rejects jobs would look like a successful print. CUPS
// keeps the status of the thread's last request; read it from the library
// the print plugin has already loaded (nothing to do where there is none).
QString cupsAblehnung()
{
    static void* bibliothek = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!bibliothek)
        return {};
    using Status = int (*)();
    using Text = const char* (*)();
    static const auto status = reinterpret_cast<Status>(dlsym(bibliothek, "cupsLastError"));
    static const auto text = reinterpret_cast<Text>(dlsym(bibliothek, "cupsLastErrorString"));
    if (!status)
        return {};
    const int s = status();
    if (s < 0x0400)  // successful and informational IPP status codes
        return {};
    const char* t = text ? text() : nullptr;
    return t && *t ? QString::fromLocal8Bit(t) : QStringLiteral("IPP 0x%1").arg(s, 4, 16, QLatin1Char('0'));
}

}  // namespace

Tdruckfenster::Tdruckfenster(Fenster& f, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      fenster(f),
      druck_(std::make_unique<Druckmodus>(f, *this))
{
    setObjectName(QStringLiteral("druckfenster"));
    setWindowTitle(QStringLiteral("Drucken"));
    setFixedSize(400, 155);
    setFont(standardSchrift());

    Image4 = bild(this, 0, 0, QStringLiteral(":/druck/druck_en.jpg"));
    Image4->hide();
    Image3 = bild(this, 0, 0, QStringLiteral(":/druck/druck_de.jpg"));
    Image3->hide();
    for (KlickLabel* hintergrund : {Image4, Image3})
        hintergrund->beiDruck = [this](QMouseEvent*) { Image3MouseDown(); };

    Label1 = beschriftung(this, 383, 83, QColor(0x66, 0, 0));
    Label1->setText(QStringLiteral("-"));
    Label1->setFixedSize(13, 13);

    Label2 = flaeche(this, QRect(120, 120, 257, 33));

    Image2 = bild(this, 301, 125, QStringLiteral(":/druck/knopf.png"));
    Image1 = bild(this, 198, 125, QStringLiteral(":/druck/knopf.png"));
    Label3 = beschriftung(this, 224, 129, kastanie);
    Label4 = beschriftung(this, 328, 129, kastanie);
    for (KlickLabel* k : {Image1, Image2, Label3, Label4})
        k->setCursor(Qt::PointingHandCursor);
    Image1->beiKlick = [this] { Image1Click(); };
    Label3->beiKlick = [this] { Image1Click(); };
    Image2->beiKlick = [this] { Image2Click(); };
    Label4->beiKlick = [this] { Image2Click(); };

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
    cbdruck->installEventFilter(this);
    cbdruck->view()->installEventFilter(this);
    connect(cbdruck, &QComboBox::activated, this, [this](int i) {
        gewaehlt_ = i <= 0 ? QString() : cbdruck->itemText(i);
    });

    gauge1 = new QProgressBar(this);
    gauge1->setGeometry(79, 64, 313, 17);
    gauge1->setRange(0, 100);
    gauge1->setValue(0);
    gauge1->setTextVisible(false);

    meldung = [this](const QString& text) {
        QMessageBox::warning(this, fenster.deutsch() ? QStringLiteral("Drucken") : QStringLiteral("Print"), text);
    };

    if (fenster.prog) {
        fenster.prog->Image7->beiKlick = [this] { druck_->vorschaudruckClick(); };
        fenster.prog->Label5->beiKlick = [this] { druck_->vorschaudruckClick(); };
    }

    Sprache();  // FormCreate
}

Tdruckfenster::~Tdruckfenster() = default;

void Tdruckfenster::Sprache()
{
    const bool de = fenster.deutsch();
    setWindowTitle(de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
    Image3->setVisible(de);
    Image4->setVisible(!de);
    Label1->setVisible(de);
    Label3->setText(de ? QStringLiteral("Drucken") : QStringLiteral("Print"));
    Label4->setText(de ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
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
    cbdruck->addItems(QPrinterInfo::availablePrinterNames());
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
    if (Tprog* prog = fenster.prog) {
        prog->setEnabled(true);
        seiteZeigen(*prog, 1);
        prog->weg->start();
    }
}

void Tdruckfenster::Image3MouseDown() { fensterZiehen(this); }

bool Tdruckfenster::Image1Click()
{
    if (!drucken())
        return false;  // stays ready: the user may try again or cancel
    druck_->halterSchrumpfen(6);
    hide();
    if (Tprog* prog = fenster.prog) {
        seiteZeigen(*prog, 0);
        prog->show();
    }
    return true;
}

void Tdruckfenster::Image2Click()
{
    hide();
    if (Tprog* prog = fenster.prog) {
        seiteZeigen(*prog, 0);
        prog->show();
    }
}

bool Tdruckfenster::drucken()
{
    const bool de = fenster.deutsch();
    QPrinter drucker(QPrinter::HighResolution);
    QString name;
    if (ausgabeDatei.isEmpty()) {
        const QStringList alle = QPrinterInfo::availablePrinterNames();
        if (alle.isEmpty()) {
            meldung(de ? QStringLiteral("Es ist kein Drucker eingerichtet. Bitte richten Sie einen Drucker ein "
                                        "und versuchen Sie es noch einmal.")
                       : QStringLiteral("No printer is installed. Please install a printer and try again."));
            return false;
        }
        // A chosen printer that is no longer installed gives way to the
        // default printer, as "Standart" does.
        if (!gewaehlt_.isEmpty() && alle.contains(gewaehlt_))
            name = gewaehlt_;
        else
            name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            name = alle.first();
        drucker.setOutputFormat(QPrinter::NativeFormat);
        drucker.setPrinterName(name);
    } else {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ausgabeDatei);
    }
    drucker.setDocName(QStringLiteral("Velmar Sudoku"));
    drucker.setCopyCount(1);
    drucker.setFullPage(false);

    const QString ziel = name.isEmpty() ? ausgabeDatei : name;
    auto nichtGeoeffnet = [&] {
        meldung(de ? QStringLiteral("Der Drucker \u201E%1\u201C konnte nicht ge\u00F6ffnet werden. Die Seite wurde "
                                    "nicht gedruckt.")
                         .arg(ziel)
                   : QStringLiteral("The printer \"%1\" could not be opened. The page was not printed.").arg(ziel));
    };
    if (!drucker.isValid() || (!name.isEmpty() && drucker.printerName() != name)) {
        nichtGeoeffnet();
        return false;
    }

    QPainter p;
    if (!p.begin(&drucker)) {
        nichtGeoeffnet();
        return false;
    }
    const int h = drucker.height();
    const int w = drucker.width();
    druck_->seiteZeichnen(p, w, h);
    const bool beendet = p.end();
    if (!beendet || drucker.printerState() == QPrinter::Error) {
        meldung(de ? QStringLiteral("Der Druckauftrag an \u201E%1\u201C konnte nicht abgeschlossen werden. Die "
                                    "Seite wurde nicht gedruckt.")
                         .arg(ziel)
                   : QStringLiteral("The print job for \"%1\" could not be completed. The page was not printed.")
                         .arg(ziel));
        return false;
    }
    if (!name.isEmpty()) {
        const QString grund = cupsAblehnung();
        if (!grund.isEmpty()) {
            meldung(de ? QStringLiteral("Der Drucker \u201E%1\u201C hat den Auftrag abgelehnt (%2). Die Seite wurde "
                                        "nicht gedruckt.")
                             .arg(ziel, grund)
                       : QStringLiteral("The printer \"%1\" refused the job (%2). The page was not printed.")
                             .arg(ziel, grund));
            return false;
        }
    }

    letzterDruck_.drucker = name;
    letzterDruck_.aufloesung = drucker.resolution();
    letzterDruck_.seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    letzterDruck_.papier = drucker.pageLayout().fullRectPixels(drucker.resolution());
    letzterDruck_.felder = blattLayout(w, h, druck_->felderproseite);
    return true;
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

void Tdruckfenster::closeEvent(QCloseEvent* e)
{
    // The window has no close button, but the window system can still ask
    // it to close (Alt+F4). While the page is made that would hand back the
    // main window in the middle of it; once the page is ready it means cancel.
    e->ignore();
    if (verdeck->isHidden() && !druck_->laeuft())
        Image2Click();
}

bool Tdruckfenster::eventFilter(QObject* o, QEvent* e)
{
    if ((o == cbdruck || o == cbdruck->view()) && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!k->text().isEmpty() && k->text().at(0).isPrint()) {
            // A typed character drops the list down and chooses nothing.
            if (o == cbdruck && !cbdruck->view()->isVisible())
                cbdruck->showPopup();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
