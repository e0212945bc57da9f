#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

// Remembers the focus before a command or a tick, and hands it to the window to settle once the
// command or tick is over.
class FocusKeeper {
  public:
    using Settle = std::function<void(const QWidget* before)>;
    FocusKeeper(QWidget* before, Settle settle) : before_(before), settle_(std::move(settle)) {}
    ~FocusKeeper() { settle_(before_.data()); }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

  private:
    QPointer<QWidget> before_;
    Settle settle_;
};
