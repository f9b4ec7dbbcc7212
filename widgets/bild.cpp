#include "widgets/bild.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

class Nachlader : public QObject {
public:
    Nachlader(QLabel* label, QString pfad) : QObject(label), label_(label), pfad_(std::move(pfad))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == label_ && e->type() == QEvent::Show) {
            label_->removeEventFilter(this);
            label_->setPixmap(QPixmap::fromImage(QImage(pfad_)));
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
    QString pfad_;
};

}  // namespace

void bildBeiBedarf(QLabel* label, const QString& pfad)
{
    if (label->isVisible())
        label->setPixmap(QPixmap::fromImage(QImage(pfad)));
    else
        new Nachlader(label, pfad);
}
