#pragma once

// The desktop stage: a fresh X server (Xvfb, 1280 x 1024) with a real window
// manager (openbox) and a compositor, the program started on it, and what a
// person does there: clicks, keys and looks, all through the X server. Nothing
// here reaches into the program; it sees the windows as any other X client
// does (their titles, frames, hints and pixels).

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

using FensterId = unsigned long;

// What the window manager puts round a window (_NET_FRAME_EXTENTS).
struct Rahmen {
    int links = 0, rechts = 0, oben = 0, unten = 0;
};

class Schreibtisch {
public:
    // The programs the stage needs; empty when all of them are there.
    static QStringList fehlendeWerkzeuge();

    explicit Schreibtisch(bool kompositor = true, QSize groesse = QSize(1280, 1024));
    ~Schreibtisch();
    Schreibtisch(const Schreibtisch&) = delete;
    Schreibtisch& operator=(const Schreibtisch&) = delete;

    bool bereit() const { return bereit_; }
    QString display() const { return display_; }
    QProcessEnvironment umgebung() const;

    // An X tool on this display; its standard output, empty when it failed.
    QString werkzeug(const QString& programm, const QStringList& argumente, int ms = 10000) const;

    // Visible (mapped) windows of a process with exactly this title.
    std::vector<FensterId> fenster(const QString& titel, qint64 pid) const;
    FensterId warteAufFenster(const QString& titel, qint64 pid, int ms = 10000) const;
    bool warteBisVerschwunden(const QString& titel, qint64 pid, int ms = 5000) const;
    bool sichtbar(const QString& titel, qint64 pid) const { return !fenster(titel, pid).empty(); }

    QRect geometrie(FensterId id) const;  // the client area on the screen
    Rahmen rahmen(FensterId id) const;
    QSize mindestgroesse(FensterId id) const;  // invalid where the hints give none
    QString eigenschaft(FensterId id, const QString& atom) const;
    FensterId aktivesFenster() const;

    void klick(QPoint p, int taste = 1) const;
    void doppelklick(QPoint p) const;
    void ziehen(QPoint von, QPoint nach) const;
    void tasten(const QString& folge) const;  // xdotool's names: "Escape", "alt+F4"
    void tippen(const QString& text) const;
    void rad(QPoint p, bool abwaerts, int schritte) const;
    void maus(QPoint p) const;

    // The whole screen as the X server puts it together. Where the window
    // manager's frame has another depth than the window inside it, the
    // window's contents are undefined there (Xvfb gives black); a window's
    // own picture is read from the window itself.
    QImage bildschirm() const;
    QImage ausschnitt(const QRect& r) const { return bildschirm().copy(r); }
    QImage fensterbild(FensterId id) const;  // the client area only

    // Sleeps; the stage's clock is the real one.
    static void warte(int ms);
    // Asks every 50 ms until the answer is yes or ms have passed.
    static bool bisWahr(const std::function<bool()>& bedingung, int ms = 5000);

private:
    QImage xwdBild(QStringList argumente) const;
    QProcess xserver_, fensterverwaltung_, kompositor_;
    QString display_;
    bool bereit_ = false;
};

// The program on a stage. Its browser is a stand-in that only writes down
// the addresses it is asked to open.
class Programm {
public:
    // umgebung: more variables for the program (QT_SCALE_FACTOR, say).
    Programm(const Schreibtisch& tisch, const QString& pfad, const QProcessEnvironment& umgebung = {});
    ~Programm();

    qint64 pid() const { return prozess_.processId(); }
    bool laeuft() const { return prozess_.state() == QProcess::Running; }
    QStringList geoeffneteAdressen() const;
    QString ausgabe();  // what it wrote to stderr so far

private:
    QProcess prozess_;
    QTemporaryDir ordner_;
    QString protokoll_;
};

// Reads a picture in the X window dump format that xwd writes.
QImage xwdLesen(const QByteArray& daten);
