#include "board/spielfeld.h"

#include "engine/einstellungen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- tile lists


std::vector<QPixmap> Kachellisten::zerlegen(const QImage& streifen)
{
    std::vector<QPixmap> kacheln;
    const int seite = streifen.height();
    if (seite <= 0)
        return kacheln;
    for (int links = 0; links + seite <= streifen.width(); links += seite)
        kacheln.push_back(QPixmap::fromImage(streifen.copy(links, 0, seite, seite)));
    return kacheln;
}

const std::vector<QPixmap>& Kachellisten::liste(const QString& name) const
{
    auto it = listen_.find(name);
    if (it == listen_.end()) {
        // Only the program's own lists, so that no other name reads a file.
        bool bekannt = name == QLatin1String("grauliste");
        for (char c : elementsaetze)
            bekannt = bekannt || name == QString(QChar(c)) + QLatin1String("normal") ||
                      name == QString(QChar(c)) + QLatin1String("fest");
        std::vector<QPixmap> kacheln;
        if (bekannt)
            kacheln = zerlegen(QImage(QStringLiteral(":/kacheln/%1.png").arg(name)));
        it = listen_.emplace(name, std::move(kacheln)).first;
    }
    return it->second;
}

// ------------------------------------------------------------------- drawing

namespace {

// A 2-pixel pen on integer coordinates covers the pixel row or column on each
// side of the line, like a centred 2-pixel pen of the classic Windows canvas.
// The square cap stretches each end by one pixel, as that pen's round end
// does, so crossing lines meet without gaps.
QPen linienstift(const QColor& farbe)
{
    QPen stift(farbe, 2);
    stift.setCapStyle(Qt::SquareCap);
    stift.setJoinStyle(Qt::MiterJoin);
    return stift;
}

void linien(QPainter& p, int n, int rechterRand, bool klassisch)
{
    const int kante = n * zellenPixel;
    p.setPen(linienstift(zellenlinienFarbe));
    for (int k = 0; k <= n; ++k) {
        p.drawLine(k * zellenPixel, 0, k * zellenPixel, kante);
        p.drawLine(-1, k * zellenPixel, kante, k * zellenPixel);
    }
    if (klassisch) {
        p.setPen(linienstift(rahmenFarbe));
        for (int k = 0; k <= 3; ++k) {
            p.drawLine(k * blockPixel, 0, k * blockPixel, 3 * blockPixel);
            p.drawLine(-1, k * blockPixel, rechterRand, k * blockPixel);
        }
    } else {
        zeichneRahmen(p, n, rechterRand);
    }
}

int rechterRandVon(const QPainter& p, int n)
{
    const int kante = n * zellenPixel;
    return p.device() ? std::max(kante, p.device()->width()) : kante;
}

}  // namespace

void zeichneRahmen(QPainter& p, int n, int rechterRand)
{
    const int kante = n * zellenPixel;
    p.setPen(linienstift(rahmenFarbe));
    for (int k : {0, n}) {
        p.drawLine(k * zellenPixel, 0, k * zellenPixel, kante);
        p.drawLine(-1, k * zellenPixel, rechterRand, k * zellenPixel);
    }
}

void zeichneAusgabe(QPainter& p, const Spielzustand& z, const Kachellisten& listen, int x1, int x2, int y1, int y2)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);

    const auto& grau = listen.liste(QStringLiteral("grauliste"));
    const size_t markenIndex = z.elemente == 'K' ? 1 : 0;
    const QPixmap* markenbild = markenIndex < grau.size() ? &grau[markenIndex] : nullptr;

    // Only cells of the board exist; the storage is 9 x 9 whatever N says.
    const int n = std::clamp<int>(z.feldgroesse, 0, 9);
    x1 = std::max(x1, 1);
    y1 = std::max(y1, 1);
    x2 = std::min(x2, n);
    y2 = std::min(y2, n);

    const QString buchstabe(QChar(z.elemente));
    const auto& normal = listen.liste(buchstabe + QStringLiteral("normal"));
    const auto& fest = listen.liste(buchstabe + QStringLiteral("fest"));

    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            const auto& liste = z.vorgabe[x - 1][y - 1] != 0 ? fest : normal;
            const int32_t wert = z.eingabe[x - 1][y - 1];
            const int links = (x - 1) * zellenPixel;
            const int oben = (y - 1) * zellenPixel;
            if (wert >= 0 && size_t(wert) < liste.size())
                p.drawPixmap(links, oben, liste[size_t(wert)]);
            if (wert != 0 || !markenbild)
                continue;
            for (int sx = 1; sx <= 3; ++sx)
                for (int sy = 1; sy <= 3; ++sy)
                    if (z.markierung[x - 1][y - 1][sx - 1][sy - 1] == 1)
                        p.drawPixmap(links + (sx - 1) * unterPixel, oben + (sy - 1) * unterPixel, *markenbild);
        }
    }

    linien(p, n, rechterRandVon(p, n), z.spielart == 1);
    p.restore();
    p.setBrush(loeschFarbe);
}

// -------------------------------------------------------------------- widget

Spielfeld::Spielfeld(Spielzustand& zustand, const Kachellisten& listen, QWidget* parent)
    : QLabel(parent), zustand_(zustand), listen_(listen), bild_(1, 1, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("spielfeld"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setContentsMargins(0, 0, 0, 0);
    setFrameShape(QFrame::NoFrame);
    bild_.fill(Qt::white);
    zeigen();
}

const QImage& Spielfeld::bild() const { return bild_; }

void Spielfeld::zeigen()
{
    setPixmap(QPixmap::fromImage(bild_));
    resize(bild_.size());
}

void Spielfeld::bildVorbereiten(int breite, int hoehe, int n)
{
    // A picture that grows keeps what it showed and gets white where it grew.
    QImage neu(std::max(breite, 1), std::max(hoehe, 1), QImage::Format_RGB32);
    neu.fill(Qt::white);
    {
        QPainter p(&neu);
        p.drawImage(0, 0, bild_);
        // The fill stops short of its right and bottom edge, as a canvas
        // rectangle fill does.
        p.fillRect(QRect(0, 0, n * zellenPixel, n * zellenPixel), pinsel_);
        zeichneRahmen(p, n, neu.width() + 1);
    }
    bild_ = std::move(neu);
    zeigen();
}

void Spielfeld::Ausgabe(int x1, int x2, int y1, int y2)
{
    {
        QPainter p(&bild_);
        zeichneAusgabe(p, zustand_, listen_, x1, x2, y1, y2);
        pinsel_ = p.brush().color();
    }
    zeigen();
}

void Spielfeld::setUhr(QTimer* uhr) { uhr_ = uhr; }

void Spielfeld::setGesperrt(bool gesperrt) { gesperrt_ = gesperrt; }

void Spielfeld::spielfeldMouseDown(Qt::MouseButton taste, int X, int Y)
{
    Spielzustand& z = zustand_;
    if (z.spiellaeuft != 1 || gesperrt_)
        return;
    if (X < 0 || Y < 0)
        return;
    const int x = X / zellenPixel + 1;
    const int y = Y / zellenPixel + 1;
    // A picture larger than the board (or a stray press past its edge) must
    // not reach cells that do not exist.
    if (!z.aufDemBrett(x, y) || x > 9 || y > 9)
        return;
    const int sx = (X % zellenPixel) / unterPixel + 1;
    const int sy = (Y % zellenPixel) / unterPixel + 1;
    const int v = 3 * (sy - 1) + sx;

    const bool aufgedeckt = z.vorgabe[x - 1][y - 1] != 0;
    const bool gesperrt = z.gesperrt[x - 1][y - 1][sx - 1][sy - 1] == 1;
    int32_t& feld = z.eingabe[x - 1][y - 1];

    if (taste == Qt::LeftButton) {
        if (!aufgedeckt) {
            if (feld == 0) {
                if (!gesperrt)
                    feld = v;
            } else {
                feld = 0;
            }
        }
    } else if (taste == Qt::RightButton) {
        if (!aufgedeckt && !gesperrt) {
            uint8_t& marke = z.markierung[x - 1][y - 1][sx - 1][sy - 1];
            marke = marke == 1 ? 0 : 1;
        }
    }

    Ausgabe(x, x, y, y);
    if (!z.Pruefen())
        return;

    z.spiellaeuft = 0;
    if (uhr_)
        uhr_->stop();
    if (z.punkte >= highscoreSchwelle)
        Q_EMIT gewonnenMitHighscore(QString::number(z.punkte), QString::number(z.spielart),
                                    QString::number(z.aufgedeckt), QString(QChar(z.elemente)));
    else
        Q_EMIT gewonnenOhneHighscore();
}

void Spielfeld::mousePressEvent(QMouseEvent* e)
{
    const QPointF stelle = e->position();
    spielfeldMouseDown(e->button(), int(std::floor(stelle.x())), int(std::floor(stelle.y())));
    e->accept();
}
