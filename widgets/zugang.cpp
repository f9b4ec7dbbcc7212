#include "widgets/zugang.h"

#include "widgets/klicklabel.h"
#include "widgets/statusleiste.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace {

class KnopfZugang : public QAccessibleWidget {
public:
    explicit KnopfZugang(KlickLabel* knopf) : QAccessibleWidget(knopf, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            Q_EMIT static_cast<KlickLabel*>(widget())->clicked();
    }
};

// One panel of the status bar: its text is its name.
class PanelZugang : public QAccessibleInterface {
public:
    PanelZugang(Statusleiste* leiste, int nummer) : leiste_(leiste), nummer_(nummer) {}

    bool isValid() const override { return !leiste_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return leiste_ ? leiste_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(leiste_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && leiste_ ? leiste_->panelText(nummer_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!leiste_)
            return {};
        int links = 0;
        for (int i = 0; i < nummer_; ++i)
            links += Statusleiste::breiten[size_t(i)];
        const int breite = nummer_ == 3 ? std::max(Statusleiste::breiten[3], leiste_->width() - links)
                                        : Statusleiste::breiten[size_t(nummer_)];
        return QRect(leiste_->mapToGlobal(QPoint(links, 0)), QSize(breite, leiste_->height()));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<Statusleiste> leiste_;
    int nummer_;
};

class LeistenZugang : public QAccessibleWidget {
public:
    explicit LeistenZugang(Statusleiste* leiste) : QAccessibleWidget(leiste, QAccessible::StatusBar)
    {
        for (int i = 0; i < 4; ++i)
            panels_[size_t(i)] = QAccessible::registerAccessibleInterface(new PanelZugang(leiste, i));
    }
    ~LeistenZugang() override
    {
        for (QAccessible::Id id : panels_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return 4; }
    QAccessibleInterface* child(int i) const override
    {
        return i >= 0 && i < 4 ? QAccessible::accessibleInterface(panels_[size_t(i)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (int i = 0; i < 4; ++i)
            if (QAccessible::accessibleInterface(panels_[size_t(i)]) == c)
                return i;
        return -1;
    }

private:
    std::array<QAccessible::Id, 4> panels_{};
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* o)
{
    if (klasse == QLatin1String("KlickLabel")) {
        auto* k = static_cast<KlickLabel*>(o);
        if (k->istKnopf())
            return new KnopfZugang(k);
    }
    if (klasse == QLatin1String("Statusleiste"))
        return new LeistenZugang(static_cast<Statusleiste*>(o));
    return nullptr;
}

}  // namespace

void zugangEinrichten()
{
    static bool eingerichtet = false;
    if (eingerichtet)
        return;
    eingerichtet = true;
    QAccessible::installFactory(fabrik);
}
