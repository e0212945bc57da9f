#pragma once

#include "ui/FocusLabel.h"

// A menu entry: a plain label that reports clicks and every movement of the mouse over it. A
// double-click is a click followed by a double-click event, and only the click is reported.
// The keyboard reaches it with Tab, which frames it, and clicks it with Space or Enter; the
// frame is the keyboard's own mark, apart from the colour that follows the mouse.
class MenuLabel : public FocusLabel {
    Q_OBJECT

  public:
    using FocusLabel::FocusLabel;

    // Clicks the label as the mouse does, if it is enabled.
    Q_INVOKABLE void click();

  signals:
    void clicked();
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool doubleClicked_ = false;
};
