#pragma once

#include <QListWidget>

// The loan list, which shows the keyboard focus plainly, also when it has no entry to mark.
class LoanList : public QListWidget {
    Q_OBJECT

  public:
    using QListWidget::QListWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
