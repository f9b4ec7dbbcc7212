#include "buehne.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <QtEndian>

namespace {

const QStringList benoetigt{QStringLiteral("Xvfb"),    QStringLiteral("openbox"), QStringLiteral("picom"),
                            QStringLiteral("xdotool"), QStringLiteral("xprop"),   QStringLiteral("xwininfo"),
                            QStringLiteral("xwd")};

// A display number nobody uses yet.
QString freiesDisplay()
{
    for (int n = 40 + int(QCoreApplication::applicationPid() % 200);; ++n) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
}

void beenden(QProcess& p)
{
    if (p.state() == QProcess::NotRunning)
        return;
    p.terminate();
    if (!p.waitForFinished(2000)) {
        p.kill();
        p.waitForFinished(2000);
    }
}

}  // namespace

QStringList Schreibtisch::fehlendeWerkzeuge()
{
    QStringList fehlend;
    for (const QString& w : benoetigt)
        if (QStandardPaths::findExecutable(w).isEmpty())
            fehlend << w;
    return fehlend;
}

Schreibtisch::Schreibtisch(bool mitKompositor, QSize groesse)
{
    display_ = freiesDisplay();
    xserver_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xserver_.setStandardOutputFile(QProcess::nullDevice());
    xserver_.start(QStringLiteral("Xvfb"), {display_, QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("%1x%2x24").arg(groesse.width()).arg(groesse.height()), QStringLiteral("-nolisten"),
                                            QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!xserver_.waitForStarted(5000))
        return;
    if (!bisWahr([this] { return !werkzeug(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")}, 2000).isEmpty(); }))
        return;

    auto mitStillerAusgabe = [this](QProcess& p) {
        p.setProcessEnvironment(umgebung());
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
    };
    mitStillerAusgabe(fensterverwaltung_);
    fensterverwaltung_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!fensterverwaltung_.waitForStarted(5000))
        return;
    // A window manager that runs names itself on the root window.
    if (!bisWahr([this] {
            return werkzeug(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1String("window id"));
        }))
        return;

    if (mitKompositor) {
        mitStillerAusgabe(kompositor_);
        // picom paints into the composite overlay, so the screen read back
        // through the X server still shows every window as drawn.
        kompositor_.start(QStringLiteral("picom"), {QStringLiteral("--backend"), QStringLiteral("xrender"),
                                                   QStringLiteral("--no-fading-openclose"), QStringLiteral("--no-vsync")});
        if (!kompositor_.waitForStarted(5000))
            return;
        // picom gives up at once where it cannot composite; still running a
        // moment later, it has taken the screen.
        warte(300);
        if (kompositor_.state() != QProcess::Running)
            return;
    }
    bereit_ = true;
}

Schreibtisch::~Schreibtisch()
{
    beenden(kompositor_);
    beenden(fensterverwaltung_);
    beenden(xserver_);
}

QProcessEnvironment Schreibtisch::umgebung() const
{
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert(QStringLiteral("DISPLAY"), display_);
    u.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return u;
}

QString Schreibtisch::werkzeug(const QString& programm, const QStringList& argumente, int ms) const
{
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(programm, argumente);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<FensterId> Schreibtisch::fenster(const QString& titel, qint64 pid) const
{
    const QString muster = QLatin1Char('^') + QRegularExpression::escape(titel) + QLatin1Char('$');
    const QString aus =
        werkzeug(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--all"),
                                             QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                             QString::number(pid), QStringLiteral("--name"), muster});
    std::vector<FensterId> ids;
    for (const QString& zeile : aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ids.push_back(zeile.trimmed().toULong());
    return ids;
}

FensterId Schreibtisch::warteAufFenster(const QString& titel, qint64 pid, int ms) const
{
    FensterId id = 0;
    bisWahr(
        [&] {
            const auto ids = fenster(titel, pid);
            id = ids.empty() ? 0 : ids.front();
            return id != 0;
        },
        ms);
    return id;
}

bool Schreibtisch::warteBisVerschwunden(const QString& titel, qint64 pid, int ms) const
{
    return bisWahr([&] { return fenster(titel, pid).empty(); }, ms);
}

bool Schreibtisch::bisWahr(const std::function<bool()>& bedingung, int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    for (;;) {
        if (bedingung())
            return true;
        if (uhr.elapsed() >= ms)
            return false;
        warte(50);
    }
}

QRect Schreibtisch::geometrie(FensterId id) const
{
    const QString aus = werkzeug(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(id)});
    auto zahl = [&](const char* name) {
        const QRegularExpression re(QString::fromLatin1(name) + QStringLiteral(":\\s*(-?\\d+)"));
        const auto m = re.match(aus);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    return QRect(zahl("Absolute upper-left X"), zahl("Absolute upper-left Y"), zahl("Width"), zahl("Height"));
}

Rahmen Schreibtisch::rahmen(FensterId id) const
{
    const QString aus = eigenschaft(id, QStringLiteral("_NET_FRAME_EXTENTS"));
    const QRegularExpression re(QStringLiteral("=\\s*(\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)"));
    const auto m = re.match(aus);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
}

QSize Schreibtisch::mindestgroesse(FensterId id) const
{
    const QString aus = eigenschaft(id, QStringLiteral("WM_NORMAL_HINTS"));
    const QRegularExpression re(QStringLiteral("minimum size:\\s*(\\d+) by (\\d+)"));
    const auto m = re.match(aus);
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

QString Schreibtisch::eigenschaft(FensterId id, const QString& atom) const
{
    return werkzeug(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(id), atom});
}

FensterId Schreibtisch::aktivesFenster() const
{
    return werkzeug(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed().toULong();
}

void Schreibtisch::maus(QPoint p) const
{
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("mousemove"),
                                         QString::number(p.x()), QString::number(p.y())});
}

void Schreibtisch::klick(QPoint p, int taste) const
{
    werkzeug(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
              QStringLiteral("click"), QString::number(taste)});
}

void Schreibtisch::doppelklick(QPoint p) const
{
    werkzeug(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
              QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
              QStringLiteral("60"), QStringLiteral("1")});
}

void Schreibtisch::ziehen(QPoint von, QPoint nach) const
{
    maus(von);
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    warte(100);
    // In steps, as a hand moves: a window manager starts a move only once
    // the pointer has left the place of the press.
    for (int i = 1; i <= 5; ++i) {
        maus(von + (nach - von) * i / 5);
        warte(30);
    }
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    warte(150);
}

void Schreibtisch::tasten(const QString& folge) const
{
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("key"), folge});
}

void Schreibtisch::tippen(const QString& text) const
{
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void Schreibtisch::rad(QPoint p, bool abwaerts, int schritte) const
{
    maus(p);
    werkzeug(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(schritte),
                                         QStringLiteral("--delay"), QStringLiteral("30"),
                                         abwaerts ? QStringLiteral("5") : QStringLiteral("4")});
}

QImage Schreibtisch::bildschirm() const { return xwdBild({QStringLiteral("-root")}); }

QImage Schreibtisch::fensterbild(FensterId id) const
{
    return xwdBild({QStringLiteral("-id"), QString::number(id)});
}

QImage Schreibtisch::xwdBild(QStringList argumente) const
{
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.setStandardErrorFile(QProcess::nullDevice());
    argumente << QStringLiteral("-silent");
    p.start(QStringLiteral("xwd"), argumente);
    if (!p.waitForFinished(10000))
        return {};
    const QByteArray daten = p.readAllStandardOutput();
    const QImage bild = xwdLesen(daten);
    if (bild.isNull())
        qWarning() << "xwd gave" << daten.size() << "bytes that are no picture";
    return bild;
}

void Schreibtisch::warte(int ms) { QThread::msleep(ulong(ms)); }

// ---------------------------------------------------------------------------

Programm::Programm(const Schreibtisch& tisch, const QString& pfad, const QProcessEnvironment& umgebung)
{
    // The stand-in browser: xdg-open is the first thing Qt tries.
    protokoll_ = ordner_.filePath(QStringLiteral("adressen.txt"));
    const QString browser = ordner_.filePath(QStringLiteral("xdg-open"));
    QFile f(browser);
    if (f.open(QIODevice::WriteOnly)) {
        f.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$VELMAR_ADRESSEN\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QProcessEnvironment u = tisch.umgebung();
    u.insert(QStringLiteral("PATH"), ordner_.path() + QLatin1Char(':') + u.value(QStringLiteral("PATH")));
    u.insert(QStringLiteral("VELMAR_ADRESSEN"), protokoll_);
    u.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    u.remove(QStringLiteral("BROWSER"));
    u.remove(QStringLiteral("DEFAULT_BROWSER"));
    u.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    u.remove(QStringLiteral("DESKTOP_SESSION"));
    u.remove(QStringLiteral("KDE_FULL_SESSION"));
    u.remove(QStringLiteral("GNOME_DESKTOP_SESSION_ID"));
    // Qt's X11 support keeps some memory to the end on purpose.
    u.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    for (const QString& name : umgebung.keys())
        u.insert(name, umgebung.value(name));
    prozess_.setProcessEnvironment(u);
    prozess_.setProcessChannelMode(QProcess::SeparateChannels);
    prozess_.setStandardOutputFile(QProcess::nullDevice());
    prozess_.start(pfad, {});
    prozess_.waitForStarted(5000);
}

Programm::~Programm() { beenden(prozess_); }

QStringList Programm::geoeffneteAdressen() const
{
    QFile f(protokoll_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString Programm::ausgabe() { return QString::fromUtf8(prozess_.readAllStandardError()); }

// ---------------------------------------------------------------------------

QImage xwdLesen(const QByteArray& daten)
{
    // A header of 25 big-endian 32-bit fields, the window's name, the colour
    // table, then the rows.
    if (daten.size() < 100)
        return {};
    auto feld = [&](int i) { return qFromBigEndian<quint32>(daten.constData() + 4 * i); };
    const quint32 kopf = feld(0), breite = feld(4), hoehe = feld(5), reihenfolge = feld(7), bits = feld(11),
                  zeile = feld(12), farben = feld(19);
    if ((bits != 32 && bits != 24) || breite == 0 || hoehe == 0)
        return {};
    // With a compositor running, xwd writes packed three-byte pixels in
    // rows as long as four-byte ones would be.
    const quint32 breitePixel = bits / 8;
    if (zeile < breite * breitePixel)
        return {};
    const qsizetype anfang = qsizetype(kopf) + qsizetype(farben) * 12;
    if (daten.size() < anfang + qsizetype(zeile) * qsizetype(hoehe))
        return {};
    QImage bild(int(breite), int(hoehe), QImage::Format_RGB32);
    for (quint32 y = 0; y < hoehe; ++y) {
        const auto* quelle = reinterpret_cast<const uchar*>(daten.constData() + anfang + qsizetype(y) * zeile);
        auto* ziel = reinterpret_cast<QRgb*>(bild.scanLine(int(y)));
        for (quint32 x = 0; x < breite; ++x) {
            const uchar* p = quelle + breitePixel * x;
            const quint32 wert = breitePixel == 4
                                     ? (reihenfolge == 0 ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p))
                                     : (reihenfolge == 0 ? quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16
                                                         : quint32(p[2]) | quint32(p[1]) << 8 | quint32(p[0]) << 16);
            ziel[x] = 0xff000000u | (wert & 0x00ffffffu);
        }
    }
    return bild;
}
