#pragma once

#include "ui/FocusLabel.h"

// A label that opens what it shows, as a link on the desktop does: a click (pointing hand
// included), or Space or Enter once Tab has reached it.
class LinkLabel : public FocusLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent = nullptr);

    Q_INVOKABLE void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
