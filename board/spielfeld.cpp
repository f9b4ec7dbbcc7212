#include "board/spielfeld.h"

#include "engine/einstellungen.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- tile lists


std::vector<QPixmap> Kachellisten::zerlegen(const QImage& streifen, int stufe)
{
    std::vector<QPixmap> kacheln;
    const int seite = streifen.height();
    if (seite <= 0)
        return kacheln;
    for (int links = 0; links + seite <= streifen.width(); links += seite) {
        QPixmap kachel = QPixmap::fromImage(streifen.copy(links, 0, seite, seite));
        kachel.setDevicePixelRatio(stufe);
        kacheln.push_back(kachel);
    }
    return kacheln;
}

const std::vector<QPixmap>& Kachellisten::liste(const QString& name, int stufe) const
{
    stufe = std::clamp(stufe, 1, 3);
    auto it = listen_.find({name, stufe});
    if (it == listen_.end()) {
        // Only the program's own lists, so that no other name reads a file.
        bool bekannt = name == QLatin1String("grauliste");
        for (char c : elementsaetze)
            bekannt = bekannt || name == QString(QChar(c)) + QLatin1String("normal") ||
                      name == QString(QChar(c)) + QLatin1String("fest");
        std::vector<QPixmap> kacheln;
        if (bekannt) {
            const QString datei = stufe == 1 ? QStringLiteral(":/kacheln/%1.png").arg(name)
                                             : QStringLiteral(":/kacheln/%1@%2x.png").arg(name).arg(stufe);
            kacheln = zerlegen(QImage(datei), stufe);
            if (kacheln.empty() && stufe > 1)
                kacheln = liste(name, 1);  // no finer strip: the plain tiles, scaled up
        }
        it = listen_.emplace(std::make_pair(name, stufe), std::move(kacheln)).first;
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
    if (!p.device())
        return kante;
    const qreal r = p.device()->devicePixelRatioF();
    return std::max(kante, int(std::ceil(p.device()->width() / r)));
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

    // A finer picture takes the tiles drawn for it; where its ratio lies
    // between the steps, each cell is stretched to whole device pixels.
    const qreal r = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const int stufe = r <= 1.0 ? 1 : r <= 2.0 ? 2 : 3;
    const bool genau = std::abs(r - stufe) < 1e-6;
    if (!genau)
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const auto ziel = [&](int links, int oben, int kante) {
        if (genau)
            return QRectF(links, oben, kante, kante);
        const double x0 = std::round(links * r), y0 = std::round(oben * r);
        const double x1 = std::round((links + kante) * r), y1 = std::round((oben + kante) * r);
        return QRectF(x0 / r, y0 / r, (x1 - x0) / r, (y1 - y0) / r);
    };
    const auto malen = [&](int links, int oben, int kante, const QPixmap& bild) {
        if (stufe == 1 && genau)
            p.drawPixmap(links, oben, bild);
        else
            p.drawPixmap(ziel(links, oben, kante), bild, QRectF(bild.rect()));
    };

    const auto& grau = listen.liste(QStringLiteral("grauliste"), stufe);
    const size_t markenIndex = z.elemente == 'K' ? 1 : 0;
    const QPixmap* markenbild = markenIndex < grau.size() ? &grau[markenIndex] : nullptr;

    // Only cells of the board exist; the storage is 9 x 9 whatever N says.
    const int n = std::clamp<int>(z.feldgroesse, 0, 9);
    x1 = std::max(x1, 1);
    y1 = std::max(y1, 1);
    x2 = std::min(x2, n);
    y2 = std::min(y2, n);

    const QString buchstabe(QChar(z.elemente));
    const auto& normal = listen.liste(buchstabe + QStringLiteral("normal"), stufe);
    const auto& fest = listen.liste(buchstabe + QStringLiteral("fest"), stufe);

    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            const auto& liste = z.vorgabe[x - 1][y - 1] != 0 ? fest : normal;
            const int32_t wert = z.eingabe[x - 1][y - 1];
            const int links = (x - 1) * zellenPixel;
            const int oben = (y - 1) * zellenPixel;
            if (wert >= 0 && size_t(wert) < liste.size())
                malen(links, oben, zellenPixel, liste[size_t(wert)]);
            if (wert != 0 || !markenbild)
                continue;
            for (int sx = 1; sx <= 3; ++sx)
                for (int sy = 1; sy <= 3; ++sy)
                    if (z.markierung[x - 1][y - 1][sx - 1][sy - 1] == 1)
                        malen(links + (sx - 1) * unterPixel, oben + (sy - 1) * unterPixel, unterPixel, *markenbild);
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
    // The keyboard plays on the board (a click focuses it too, and shows
    // nothing new).
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setContentsMargins(0, 0, 0, 0);
    setFrameShape(QFrame::NoFrame);
    bild_.fill(Qt::white);
    zeigen();
}

const QImage& Spielfeld::bild() const { return bild_; }

qreal Spielfeld::verhaeltnis() const { return devicePixelRatioF(); }

void Spielfeld::zeigen()
{
    setPixmap(QPixmap::fromImage(fein_.isNull() ? bild_ : fein_));
    resize(bild_.size());
}

namespace {

// A picture of the board's logical size for a screen of ratio r.
QImage leinwand(QSize logisch, qreal r)
{
    QImage bild(int(std::ceil(logisch.width() * r)), int(std::ceil(logisch.height() * r)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(r);
    bild.fill(Qt::white);
    return bild;
}

}  // namespace

void Spielfeld::bildVorbereiten(int breite, int hoehe, int n)
{
    // A new picture is a new game (or a print page on the same grids): what
    // the player did before cannot be taken back, and the cursor waits for
    // the next key.
    verlauf_.clear();
    stand_ = 0;
    cursorZeigen_ = false;
    letzteMaus_ = QPoint(std::clamp(letzteMaus_.x(), 1, std::max(1, n)), std::clamp(letzteMaus_.y(), 1, std::max(1, n)));
    // A picture that grows keeps what it showed and gets white where it grew.
    const qreal r = verhaeltnis();
    auto vorbereiten = [&](const QImage& alt, qreal faktor) {
        QImage neu = leinwand(QSize(std::max(breite, 1), std::max(hoehe, 1)), faktor);
        QPainter p(&neu);
        p.drawImage(0, 0, alt);
        // The fill stops short of its right and bottom edge, as a canvas
        // rectangle fill does.
        p.fillRect(QRect(0, 0, n * zellenPixel, n * zellenPixel), pinsel_);
        zeichneRahmen(p, n, int(std::ceil(neu.width() / faktor)) + 1);
        return neu;
    };
    QImage neu = vorbereiten(bild_, 1.0);
    if (r > 1.0)
        fein_ = vorbereiten(fein_.isNull() || fein_.devicePixelRatio() != r ? bild_ : fein_, r);
    else
        fein_ = QImage();
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
    if (!fein_.isNull() && fein_.devicePixelRatio() == verhaeltnis()) {
        QPainter p(&fein_);
        zeichneAusgabe(p, zustand_, listen_, x1, x2, y1, y2);
    } else if (verhaeltnis() > 1.0 || !fein_.isNull()) {
        feinNeu();
    }
    zeigen();
}

void Spielfeld::feinNeu()
{
    const qreal r = verhaeltnis();
    if (r <= 1.0) {
        fein_ = QImage();
        return;
    }
    // The logical picture stretched, then every cell and line drawn afresh
    // at the new ratio.
    fein_ = leinwand(bild_.size(), r);
    QPainter p(&fein_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(bild_.size())), bild_);
    const int n = zustand_.feldgroesse;
    if (n > 0 && bild_.width() >= n * zellenPixel)
        zeichneAusgabe(p, zustand_, listen_, 1, n, 1, n);
}

void Spielfeld::paintEvent(QPaintEvent* e)
{
    // Moved to a screen of another ratio: the picture follows before it shows.
    const qreal r = verhaeltnis();
    if ((r > 1.0 && fein_.devicePixelRatio() != r) || (r <= 1.0 && !fein_.isNull())) {
        feinNeu();
        setPixmap(QPixmap::fromImage(fein_.isNull() ? bild_ : fein_));
    }
    QLabel::paintEvent(e);
    if (!cursorZeigen_ || zustand_.feldgroesse < 1)
        return;
    // The cursor: a dark frame with a white one inside it, clear on every
    // tile set, over the cell and not part of the board's picture.
    const QRect zelleRechteck((cursor_.x() - 1) * zellenPixel, (cursor_.y() - 1) * zellenPixel, zellenPixel,
                              zellenPixel);
    QPainter p(this);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3));
    p.drawRect(zelleRechteck.adjusted(2, 2, -2, -2));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(zelleRechteck.adjusted(4, 4, -5, -5));
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
    const Zelle vorher = zelle(x, y);
    letzteMaus_ = QPoint(x, y);

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
    merken(x, y, vorher);
    zeichnenUndPruefen(x, y);
}

Spielfeld::Zelle Spielfeld::zelle(int x, int y) const
{
    Zelle c;
    c.wert = zustand_.eingabe[x - 1][y - 1];
    for (int sx = 0; sx < 3; ++sx)
        for (int sy = 0; sy < 3; ++sy)
            c.marken[size_t(3 * sy + sx)] = zustand_.markierung[x - 1][y - 1][sx][sy];
    return c;
}

void Spielfeld::zelleSetzen(int x, int y, const Zelle& c)
{
    zustand_.eingabe[x - 1][y - 1] = c.wert;
    for (int sx = 0; sx < 3; ++sx)
        for (int sy = 0; sy < 3; ++sy)
            zustand_.markierung[x - 1][y - 1][sx][sy] = c.marken[size_t(3 * sy + sx)];
}

void Spielfeld::merken(int x, int y, const Zelle& vorher)
{
    const Zelle nachher = zelle(x, y);
    if (nachher == vorher)
        return;
    verlauf_.resize(stand_);  // a new change forgets what was taken back
    verlauf_.push_back({x, y, vorher, nachher});
    stand_ = verlauf_.size();
    zugangMelden(x, y, false);
}

QString Spielfeld::zellenname(int x, int y) const
{
    if (benenner_)
        return benenner_(x, y, zustand_);
    return QStringLiteral("%1,%2: %3").arg(y).arg(x).arg(zustand_.eingabe[x - 1][y - 1]);
}

void Spielfeld::zugangMelden(int x, int y, bool fokus)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent e(this, fokus ? QAccessible::Focus : QAccessible::NameChanged);
    e.setChild((y - 1) * zustand_.feldgroesse + (x - 1));
    QAccessible::updateAccessibility(&e);
}

void Spielfeld::zeichnenUndPruefen(int x, int y)
{
    Spielzustand& z = zustand_;
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

bool Spielfeld::rueckgaengig()
{
    if (zustand_.spiellaeuft != 1 || gesperrt_ || stand_ == 0)
        return false;
    const Aenderung& a = verlauf_[--stand_];
    zelleSetzen(a.x, a.y, a.vorher);
    zugangMelden(a.x, a.y, false);
    zeichnenUndPruefen(a.x, a.y);
    return true;
}

bool Spielfeld::wiederholen()
{
    if (zustand_.spiellaeuft != 1 || gesperrt_ || stand_ >= verlauf_.size())
        return false;
    const Aenderung& a = verlauf_[stand_++];
    zelleSetzen(a.x, a.y, a.nachher);
    zugangMelden(a.x, a.y, false);
    zeichnenUndPruefen(a.x, a.y);
    return true;
}

int Spielfeld::wertVonTaste(const QKeyEvent* e) const
{
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_9)
        return k - Qt::Key_0;
    // The characters set names its values A..I.
    if (zustand_.elemente == 'C' && k >= Qt::Key_A && k <= Qt::Key_I)
        return k - Qt::Key_A + 1;
    return 0;
}

void Spielfeld::cursorSetzen(int x, int y)
{
    const int n = std::max(1, int(zustand_.feldgroesse));
    const QPoint neu(std::clamp(x, 1, n), std::clamp(y, 1, n));
    if (neu == cursor_ && cursorZeigen_)
        return;
    cursor_ = neu;
    cursorZeigen_ = true;
    update();
    if (hasFocus())
        zugangMelden(cursor_.x(), cursor_.y(), true);
}

void Spielfeld::keyPressEvent(QKeyEvent* e)
{
    Spielzustand& z = zustand_;
    const int n = z.feldgroesse;
    // Keys act only while a game runs, as presses do.
    if (z.spiellaeuft != 1 || gesperrt_ || n < 1) {
        QLabel::keyPressEvent(e);
        return;
    }
    const int k = e->key();
    const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
    const bool strg = mod & Qt::ControlModifier;
    const int wert = wertVonTaste(e);
    const bool bewegung = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down ||
                          k == Qt::Key_Home || k == Qt::Key_End;
    const bool leeren = k == Qt::Key_Delete || k == Qt::Key_Backspace || k == Qt::Key_Space || k == Qt::Key_0;
    if (!bewegung && !leeren && wert == 0) {
        QLabel::keyPressEvent(e);  // Tab, Escape, shortcuts: not the board's
        return;
    }
    e->accept();

    // The first key shows the cursor where the mouse last pressed, or at the
    // top left; a move starts from there with the next key.
    const bool erste = !cursorZeigen_;
    if (erste)
        cursorSetzen(letzteMaus_.x(), letzteMaus_.y());
    int cx = cursor_.x(), cy = cursor_.y();
    if (bewegung) {
        if (erste)
            return;
        switch (k) {
        case Qt::Key_Left: --cx; break;
        case Qt::Key_Right: ++cx; break;
        case Qt::Key_Up: --cy; break;
        case Qt::Key_Down: ++cy; break;
        case Qt::Key_Home:
            cx = 1;
            if (strg)
                cy = 1;
            break;
        case Qt::Key_End:
            cx = n;
            if (strg)
                cy = n;
            break;
        default: break;
        }
        cursorSetzen(cx, cy);
        return;
    }

    const bool aufgedeckt = z.vorgabe[cx - 1][cy - 1] != 0;
    if (aufgedeckt)
        return;  // the revealed cells stay as they are
    const Zelle vorher = zelle(cx, cy);
    int32_t& feld = z.eingabe[cx - 1][cy - 1];
    if (leeren) {
        feld = 0;
    } else {
        const int sx = (wert - 1) % 3, sy = (wert - 1) / 3;
        const bool gesperrt = wert > n || z.gesperrt[cx - 1][cy - 1][sx][sy] == 1;
        // Ctrl with a value's key marks it, as the right button does; so
        // does Shift where the layout still gives the digit's own key.
        const bool markieren = strg || ((mod & Qt::ShiftModifier) && k >= Qt::Key_1 && k <= Qt::Key_9);
        if (gesperrt)
            return;
        if (markieren) {
            uint8_t& marke = z.markierung[cx - 1][cy - 1][sx][sy];
            marke = marke == 1 ? 0 : 1;
        } else {
            feld = wert;
        }
    }
    if (zelle(cx, cy) == vorher)
        return;
    merken(cx, cy, vorher);
    zeichnenUndPruefen(cx, cy);
}

void Spielfeld::mousePressEvent(QMouseEvent* e)
{
    // The mouse takes over: the keyboard's cursor goes until the next key.
    if (cursorZeigen_) {
        cursorZeigen_ = false;
        update();
    }
    const QPointF stelle = e->position();
    spielfeldMouseDown(e->button(), int(std::floor(stelle.x())), int(std::floor(stelle.y())));
    e->accept();
}
