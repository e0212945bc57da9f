#pragma once

#include <QPushButton>

// A push button whose caption breaks between words when one line is too narrow, as the topic
// buttons' two-word captions need in their small size.
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
