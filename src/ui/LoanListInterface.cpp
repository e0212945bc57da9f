#include "ui/LoanListInterface.h"

#include <QListWidget>
#include <QPointer>
#include <QWindow>

namespace accessibility {
namespace {

class LoanInterface : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    LoanInterface(QListWidget* list, int row) : list_(list), row_(row) {}

    int row() const { return row_; }
    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? item()->text() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect area = list_->visualItemRect(item());
        return {list_->viewport()->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invalid = !isValid();
        if (state.invalid)
            return state;
        state.focusable = state.selectable = state.checkable = true;
        state.checked = item()->checkState() == Qt::Checked;
        state.selected = item()->isSelected();
        state.focused = list_->hasFocus() && list_->currentRow() == row_;
        state.disabled = !list_->isEnabled();
        state.invisible = !list_->isVisible();
        state.offscreen = !list_->viewport()->rect().intersects(list_->visualItemRect(item()));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Later, as a button's press is, so that the reader has its answer before the window acts;
    // and only where a mouse could tick it.
    void doAction(const QString& action) override {
        if (action != toggleAction() || !list_)
            return;
        QMetaObject::invokeMethod(
            list_,
            [list = list_, row = row_] {
                QListWidgetItem* loan = list && row < list->count() ? list->item(row) : nullptr;
                if (loan && list->isVisible() && list->isEnabled())
                    loan->setCheckState(loan->checkState() == Qt::Checked ? Qt::Unchecked
                                                                          : Qt::Checked);
            },
            Qt::QueuedConnection);
    }

  private:
    QListWidgetItem* item() const { return list_->item(row_); }

    QPointer<QListWidget> list_;
    int row_;
};

} // namespace

LoanListInterface::LoanListInterface(QListWidget* list)
    : QAccessibleWidget(list, QAccessible::List) {}

LoanListInterface::~LoanListInterface() {
    for (const QAccessible::Id id : std::as_const(loans_))
        QAccessible::deleteAccessibleInterface(id);
}

QListWidget* LoanListInterface::list() const {
    return static_cast<QListWidget*>(widget());
}

int LoanListInterface::childCount() const {
    return list()->count();
}

QAccessibleInterface* LoanListInterface::child(int index) const {
    if (index < 0 || index >= list()->count())
        return nullptr;
    if (QAccessibleInterface* known = QAccessible::accessibleInterface(loans_.value(index)))
        return known;
    auto* loan = new LoanInterface(list(), index);
    loans_.insert(index, QAccessible::registerAccessibleInterface(loan));
    return loan;
}

int LoanListInterface::indexOfChild(const QAccessibleInterface* child) const {
    const auto* loan = dynamic_cast<const LoanInterface*>(child);
    return loan && loan->parent() == this ? loan->row() : -1;
}

QAccessibleInterface* LoanListInterface::childAt(int x, int y) const {
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* LoanListInterface::focusChild() const {
    return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
}

void announceTick(QListWidget* list, int row) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* loan = QAccessible::queryAccessibleInterface(list)->child(row);
    if (loan == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(loan, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace accessibility
