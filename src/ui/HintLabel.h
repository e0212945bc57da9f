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
    // Each new step is the walkthrough's voice: a screen reader hears it as a notification
    // shown anew. Hides QLabel's, so the window sets its hints through this type.
    void setText(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointer<const QWidget> below_;
};
