#pragma once

#include <QObject>
#include <functional>

class QLabel;

// Makes a label answer a click as a link on the desktop does, pointing hand included.
class LinkLabel : public QObject {
    Q_OBJECT

  public:
    LinkLabel(QLabel* label, std::function<void()> onClick);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* label_;
    std::function<void()> onClick_;
};
