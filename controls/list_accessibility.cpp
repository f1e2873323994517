#include "controls/list_accessibility.h"

#include "controls/captioned_list.h"

#include <QAbstractItemModel>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// ◆ has no caption; it is spoken as what picking it does.
QString spokenName(const CaptionedList* list) {
    if (!list->accessibleName().isEmpty())
        return list->accessibleName();
    const QString caption = list->caption().trimmed();
    const QStringList items = list->items();
    if (caption.isEmpty() && items.size() == 1 && items.first().trimmed() == QStringLiteral("◆"))
        return QStringLiteral("こたえを だす");
    return caption;
}

// One entry of a list, by its row; it reads the entry from the list each time,
// so it stays right when the list gets new entries.
class EntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntryAccessible(CaptionedList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? index().data().toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    // Where the entry is painted, on the screen; empty while scrolled away.
    QRect rect() const override {
        const QRect shown = list_->visualRect(index()) & list_->viewport()->rect();
        if (shown.isEmpty())
            return {};
        return {list_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        s.selected = list_->itemIndex() == row_;
        s.focused = list_->hasFocus() && list_->currentIndex().row() == row_;
        s.disabled = !list_->isEnabled();
        s.invisible = !list_->isVisible();
        s.offscreen = rect().isEmpty();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    // Later, as a button's press: the change handler may open a message box.
    void doAction(const QString& action) override {
        if (action != pressAction() || !list_->isEnabled())
            return;
        QMetaObject::invokeMethod(
            list_, [list = list_, row = row_] { list->pick(row); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int row() const { return row_; }

private:
    QModelIndex index() const { return list_->model()->index(row_, 0); }

    QPointer<CaptionedList> list_;
    int row_;
};

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(CaptionedList* list) : QAccessibleWidget(list, QAccessible::List) {}

    ~ListAccessible() override {
        for (const QAccessible::Id id : std::as_const(entries_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return spokenName(list());
        if (t == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(t);
    }

    // The entries are the only children: the viewport and the hidden scroll
    // bars are how Qt draws them.
    int childCount() const override { return list()->model()->rowCount(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id& id = entries_[index];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new EntryAccessible(list(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
            return -1;
        return static_cast<const EntryAccessible*>(child)->row();
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = list()->viewport()->mapFromGlobal(QPoint(x, y));
        if (!list()->viewport()->rect().contains(at))
            return nullptr;
        const QModelIndex entry = list()->indexAt(at);
        return entry.isValid() ? child(entry.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(list()->currentIndex().row()) : nullptr;
    }

private:
    CaptionedList* list() const { return static_cast<CaptionedList*>(widget()); }

    mutable QHash<int, QAccessible::Id> entries_;
};

} // namespace

QAccessibleInterface* listAccessible(CaptionedList* list) {
    return new ListAccessible(list);
}
