#pragma once

#include <QLabel>
#include <QPointer>

// The guided-help hint line: centred, wrapped text that stays clear of the button below it,
// in a smaller size when a long step would otherwise run behind the button.
class HintLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;
    void keepAbove(const QWidget* below) { below_ = below; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointer<const QWidget> below_;
};
