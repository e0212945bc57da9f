#pragma once

#include <QComboBox>

// An editable combo box that tells a choice from its drop-down list (by mouse, or by the arrow
// keys on the box) from typed text. Qt also activates an entry whose name was typed, when the
// user presses Enter or leaves the box; that is no choice, so it is not reported as picked.
class PickComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit PickComboBox(QWidget* parent = nullptr);
    // Shows the prompt to pick a borrower. Any other text the box gets, typed, picked or set,
    // ends that.
    void showNobody();
    bool showsNobody() const { return nobody_; }

  signals:
    void picked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool typing_ = false;
    bool nobody_ = false;
};
