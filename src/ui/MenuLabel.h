#pragma once

#include <QLabel>

// A menu entry: a plain label that reports clicks and every movement of the mouse over it. A
// double-click is a click followed by a double-click event, and only the click is reported.
class MenuLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool doubleClicked_ = false;
};
