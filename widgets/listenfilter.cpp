#include "widgets/listenfilter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

namespace {

class Tastenfilter : public QObject {
public:
    explicit Tastenfilter(QComboBox* liste) : QObject(liste), liste_(liste) {}

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QString t = static_cast<QKeyEvent*>(e)->text();
        if (t.isEmpty() || !t.at(0).isPrint())
            return false;
        if (ziel == liste_ && !liste_->view()->isVisible())
            liste_->showPopup();
        return true;  // swallowed: neither typed nor searched
    }

private:
    QComboBox* liste_;
};

}  // namespace

void nurAuswahl(QComboBox* liste)
{
    auto* filter = new Tastenfilter(liste);
    liste->installEventFilter(filter);
    liste->view()->installEventFilter(filter);
}
