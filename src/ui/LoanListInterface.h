#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QListWidget;

namespace accessibility {

// The loan list as a screen reader meets it: each loan is a check box, ticked or not, whose
// toggle flips the tick as Space does. Qt's own list calls the loans list items, tells no
// unticked one apart from a line of text, and toggles their selection.
class LoanListInterface : public QAccessibleWidget {
  public:
    explicit LoanListInterface(QListWidget* list);
    ~LoanListInterface() override;
    LoanListInterface(const LoanListInterface&) = delete;
    LoanListInterface& operator=(const LoanListInterface&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

  private:
    QListWidget* list() const;
    // One interface for each row asked about; a row's interface tells whatever loan is there.
    mutable QHash<int, QAccessible::Id> loans_;
};

// Tells a screen reader that the tick of the loan in the row changed.
void announceTick(QListWidget* list, int row);

} // namespace accessibility
