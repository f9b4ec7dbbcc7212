#include "app/tstart.h"

#include "widgets/bild.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>

namespace {

// On X11 a new opacity is a window property that waits in the connection's
// buffer until something else flushes it; while the splash is idle nothing
// does, and the whole fade would reach the compositor in one burst when the
// splash goes away. Each step is sent at once. libxcb is reached through the
// copy Qt's X11 support has already loaded, so the program needs no X11
// library of its own and runs unchanged where there is no X11.
void anzeigeSpuelen()
{
#if QT_CONFIG(xcb)
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    using Spuelen = int (*)(xcb_connection_t*);
    static const Spuelen spuelen = [] {
        void* bibliothek = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        return bibliothek ? reinterpret_cast<Spuelen>(dlsym(bibliothek, "xcb_flush")) : nullptr;
    }();
    if (spuelen)
        spuelen(x11->connection());
#endif
}

}  // namespace

Tstart::Tstart(const QString& sprache, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Tstart"));
    setWindowTitle(QStringLiteral("Velmar Sudoku"));
    spr = new QLabel(sprache, this);
    spr->setObjectName(QStringLiteral("spr"));
    spr->hide();

    setFixedSize(300, 200);
    auto bild = [this](const char* name) {
        auto* l = new KlickLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(0, 0, 300, 200);
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &KlickLabel::clicked, this, &Tstart::Image1Click);
        l->hide();
        return l;
    };
    Image1 = bild("Image1");
    Image2 = bild("Image2");
    for (KlickLabel* l : {Image1, Image2})
        bildBeiBedarf(l, bilddatei(l));
    if (sprache == QLatin1String("de"))
        Image1->show();
    else
        Image2->show();

    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    setWindowOpacity(1.0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(27);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

void Tstart::FormActivate() { zaehler = 0; }

void Tstart::Timer1Timer()
{
    ++zaehler;
    if (zaehler == 50)
        Q_EMIT hauptfensterGewuenscht();
    if (zaehler > 50 && deckkraft > 0) {
        deckkraft = std::max(0, deckkraft - 5);
        setWindowOpacity(deckkraft / 255.0);
        anzeigeSpuelen();
    }
    if (deckkraft == 0) {
        Timer1->stop();
        // A fully transparent window would still take the clicks over the
        // middle of the main window on most Linux desktops; out of the way it
        // goes, though it stays open until the program ends.
        hide();
        // It will not be seen again: its picture and the window system's
        // copy of its contents are given back.
        for (KlickLabel* l : {Image1, Image2})
            if (!l->pixmap().isNull()) {
                l->clear();
                bildBeiBedarf(l, bilddatei(l));
            }
        destroy();
    }
}

QString Tstart::bilddatei(const KlickLabel* l) const
{
    return l == Image1 ? QStringLiteral(":/hauptfenster/start_de.jpg") : QStringLiteral(":/hauptfenster/start_en.jpg");
}

void Tstart::Image1Click()
{
    Q_EMIT hauptfensterGewuenscht();
    hide();
}

void Tstart::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}
