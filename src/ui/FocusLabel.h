#pragma once

#include <QLabel>

// A label the keyboard reaches with Tab (a mouse click leaves the focus where it is), framed with
// a dotted line in its text colour while it has the focus.
class FocusLabel : public QLabel {
    Q_OBJECT

  public:
    explicit FocusLabel(QWidget* parent = nullptr);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
