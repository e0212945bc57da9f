#pragma once

#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

// Remembers the focus before a command or a tick; if that command or tick hid or disabled the
// control that had it, the focus goes where it belongs instead of where the toolkit passes it,
// which is often "Poistu", the one label left enabled.
class Saldori::FocusKeeper {
  public:
    explicit FocusKeeper(Saldori& window) : window_(window), before_(window.focusWidget()) {}
    ~FocusKeeper() {
        const QWidget* now = window_.focusWidget();
        const bool passedToQuit = now == window_.Lopeta && before_ != window_.Lopeta;
        if ((before_ && !window_.usable(before_)) || (now && !window_.usable(now)) || passedToQuit)
            window_.placeFocus();
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

  private:
    Saldori& window_;
    QPointer<QWidget> before_;
};
