// Start-up figures on a real X server: from exec until the first window of a
// process is mapped, and the resident memory three seconds after its last
// window appeared, for the program beside a bare Qt window (a label shown at
// once), taken in turns on the same server so that both see the same load.
//   build/bench/bench_start [rounds] [scale]
// With a scale (2 for a screen at 200 %) both run with QT_SCALE_FACTOR set.
// Starts its own Xvfb; needs Xvfb and xev (x11-utils).
#include "bench/messung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

// Watches the root window for maps: every top-level window mapped on the
// server shows up as a MapNotify line of xev's.
class Kartenwacht {
public:
    explicit Kartenwacht(const QString& anzeige)
    {
        xev_.setProcessChannelMode(QProcess::SeparateChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), anzeige);
        xev_.setProcessEnvironment(env);
        xev_.start(QStringLiteral("xev"), {QStringLiteral("-root"), QStringLiteral("-event"),
                                           QStringLiteral("substructure")});
        xev_.waitForStarted();
        QThread::msleep(500);  // until it listens
        xev_.readAll();
    }
    ~Kartenwacht()
    {
        xev_.kill();
        xev_.waitForFinished();
    }
    bool laeuft() const { return xev_.state() == QProcess::Running; }

    void vergessen() { xev_.readAll(); puffer_.clear(); }

    // Waits for the next map; false after the time is up.
    bool naechsteKarte(int hoechstensMs)
    {
        QElapsedTimer uhr;
        uhr.start();
        for (;;) {
            const qsizetype i = puffer_.indexOf("MapNotify");
            if (i >= 0) {
                puffer_.remove(0, i + 9);
                return true;
            }
            const qint64 rest = hoechstensMs - uhr.elapsed();
            if (rest <= 0)
                return false;
            if (xev_.waitForReadyRead(int(std::min<qint64>(rest, 50))))
                puffer_ += xev_.readAll();
        }
    }

private:
    QProcess xev_;
    QByteArray puffer_;
};

double residentMiB(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

struct Ergebnis {
    Messreihe erstesFenster, speicher;
};

// One start: exec -> first map; then, after `fenster` maps in all, three
// seconds of rest before the memory is read.
QByteArray massstab;  // QT_SCALE_FACTOR for both, empty for none

bool einmal(Kartenwacht& wacht, const QString& programm, const QString& anzeige, int fenster, Ergebnis& e)
{
    wacht.vergessen();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), anzeige);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!massstab.isEmpty())
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(massstab));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto t0 = std::chrono::steady_clock::now();
    p.start(programm, {});
    bool ok = wacht.naechsteKarte(10000);
    const double ms = msSeit(t0);
    for (int k = 1; ok && k < fenster; ++k)
        ok = wacht.naechsteKarte(10000);
    if (ok) {
        QThread::msleep(3000);
        e.erstesFenster.hinzu(ms);
        e.speicher.hinzu(residentMiB(p.processId()));
    }
    p.kill();
    p.waitForFinished();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    if (argc > 2)
        massstab = argv[2];
    const QString dir = QCoreApplication::applicationDirPath();
    const QString programm = dir + QStringLiteral("/../app/velmar-sudoku");
    const QString leer = dir + QStringLiteral("/leeres_fenster");

    QProcess xvfb;
    xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!xvfb.waitForStarted() || !xvfb.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_start: Xvfb does not start\n");
        return 1;
    }
    const QString anzeige = QLatin1Char(':') + QString::fromLatin1(xvfb.readAll().trimmed());
    int rc = 0;
    {
        Kartenwacht wacht(anzeige);
        if (!wacht.laeuft()) {
            std::fprintf(stderr, "bench_start: xev does not run\n");
            rc = 1;
        }
        Ergebnis nackt, velmar;
        // One start of each first, not counted: the files are then in the cache for both.
        Ergebnis wegwerfen;
        if (!rc && (!einmal(wacht, leer, anzeige, 1, wegwerfen) || !einmal(wacht, programm, anzeige, 2, wegwerfen))) {
            std::fprintf(stderr, "bench_start: a window did not appear\n");
            rc = 1;
        }
        for (int i = 0; !rc && i < runden; ++i)
            if (!einmal(wacht, leer, anzeige, 1, nackt) || !einmal(wacht, programm, anzeige, 2, velmar))
                rc = 1;
        if (!rc) {
            const double a = velmar.erstesFenster.quantil(0.5), b = nackt.erstesFenster.quantil(0.5);
            velmar.erstesFenster.ausgeben("program: exec->first map");
            nackt.erstesFenster.ausgeben("bare Qt window: exec->map");
            std::printf("%-28s %.2f x the bare window\n", "first window", a / b);
            const double ma = velmar.speicher.quantil(0.5), mb = nackt.speicher.quantil(0.5);
            std::printf("%-28s median %6.1f MiB (bare Qt window %6.1f MiB)\n", "resident 3 s after", ma, mb);
        }
    }
    xvfb.terminate();
    xvfb.waitForFinished();
    return rc;
}
