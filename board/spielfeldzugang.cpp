#include "board/spielfeldzugang.h"

#include "board/spielfeld.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace {

class BrettZugang;

class ZellenZugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ZellenZugang(Spielfeld* feld, int x, int y) : feld_(feld), x_(x), y_(y) {}

    bool isValid() const override { return !feld_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return feld_ ? feld_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(feld_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && feld_ ? feld_->zellenname(x_, y_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!feld_)
            return {};
        return QRect(feld_->mapToGlobal(QPoint((x_ - 1) * zellenPixel, (y_ - 1) * zellenPixel)),
                     QSize(zellenPixel, zellenPixel));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        if (feld_ && feld_->cursorSichtbar() && feld_->cursor() == QPoint(x_, y_)) {
            s.focused = feld_->hasFocus();
            s.selected = true;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return x_ - 1; }
    int rowIndex() const override { return y_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<Spielfeld> feld_;
    int x_, y_;
};

class BrettZugang : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BrettZugang(Spielfeld* feld) : QAccessibleWidget(feld, QAccessible::Table) {}
    ~BrettZugang() override
    {
        for (const auto& [stelle, id] : zellen_)
            QAccessible::deleteAccessibleInterface(id);
    }

    Spielfeld* feld() const { return static_cast<Spielfeld*>(widget()); }
    int n() const { return feld()->zustand().feldgroesse; }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return n() * n(); }
    QAccessibleInterface* child(int i) const override
    {
        return i >= 0 && i < childCount() ? cellAt(i / n(), i % n()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c || c->role() != QAccessible::Cell)
            return -1;
        auto* zelle = const_cast<QAccessibleInterface*>(c)->tableCellInterface();
        return zelle ? zelle->rowIndex() * n() + zelle->columnIndex() : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return feld()->cursorSichtbar() ? cellAt(feld()->cursor().y() - 1, feld()->cursor().x() - 1) : nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override
    {
        if (zeile < 0 || spalte < 0 || zeile >= n() || spalte >= n())
            return nullptr;
        auto& id = zellen_[{zeile, spalte}];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new ZellenZugang(feld(), spalte + 1, zeile + 1));
        return QAccessible::accessibleInterface(id);
    }
    int columnCount() const override { return n(); }
    int rowCount() const override { return n(); }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return feld()->cursorSichtbar() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        if (QAccessibleInterface* c = focusChild())
            return {c};
        return {};
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> zellen_;
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* o)
{
    if (klasse == QLatin1String("Spielfeld"))
        return new BrettZugang(static_cast<Spielfeld*>(o));
    return nullptr;
}

}  // namespace

void brettZugangEinrichten()
{
    static bool eingerichtet = false;
    if (eingerichtet)
        return;
    eingerichtet = true;
    QAccessible::installFactory(fabrik);
}
