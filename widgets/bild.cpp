#include "widgets/bild.h"

#include <QEvent>
#include <QImage>
#include <QLabel>

#include <cmath>

QString variante(const QString& pfad, int stufe)
{
    QString datei = pfad;
    const qsizetype punkt = datei.lastIndexOf(QLatin1Char('.'));
    datei.insert(punkt < 0 ? datei.size() : punkt, QStringLiteral("@%1x").arg(stufe));
    return datei;
}

QPixmap bildFuer(const QString& pfad, qreal verhaeltnis)
{
    if (verhaeltnis <= 1.0)
        return QPixmap::fromImage(QImage(pfad));
    const int stufe = verhaeltnis <= 2.0 ? 2 : 3;
    QImage bild(variante(pfad, stufe));
    int faktor = stufe;
    if (bild.isNull()) {
        bild = QImage(pfad);
        faktor = 1;
    }
    if (bild.isNull())
        return {};
    if (std::abs(verhaeltnis - faktor) < 1e-6 || faktor == 1 || verhaeltnis > faktor) {
        // Whole steps fit exactly; beyond 3, or without a variant, Qt scales up.
        bild.setDevicePixelRatio(faktor);
        return QPixmap::fromImage(bild);
    }
    const QSize logisch = bild.size() / faktor;
    const QSize geraet(qRound(logisch.width() * verhaeltnis), qRound(logisch.height() * verhaeltnis));
    QImage genau = bild.scaled(geraet, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    genau.setDevicePixelRatio(verhaeltnis);
    return QPixmap::fromImage(genau);
}

namespace {

class Nachlader : public QObject {
public:
    static inline const QString name = QStringLiteral("bildlader");

    Nachlader(QLabel* label, QString pfad) : QObject(label), label_(label), pfad_(std::move(pfad))
    {
        setObjectName(name);
        label->installEventFilter(this);
    }

    void laden()
    {
        verhaeltnis_ = label_->devicePixelRatioF();
        label_->setPixmap(bildFuer(pfad_, verhaeltnis_));
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != label_)
            return false;
        // Shown for the first time, or painted on a screen of another ratio
        // (the window moved, or the screen's scale changed).
        const bool faellig = e->type() == QEvent::Show ? label_->pixmap().isNull()
                             : e->type() == QEvent::Paint
                                 ? !label_->pixmap().isNull() && label_->devicePixelRatioF() != verhaeltnis_
                                 : false;
        if (faellig)
            laden();
        return false;
    }

private:
    QLabel* label_;
    QString pfad_;
    qreal verhaeltnis_ = 0;
};

}  // namespace

void bildBeiBedarf(QLabel* label, const QString& pfad)
{
    // A label that changes its picture (or is given it back) keeps one loader.
    if (QObject* alt = label->findChild<QObject*>(Nachlader::name, Qt::FindDirectChildrenOnly)) {
        label->removeEventFilter(alt);
        delete alt;
    }
    auto* lader = new Nachlader(label, pfad);
    if (label->isVisible())
        lader->laden();
}
