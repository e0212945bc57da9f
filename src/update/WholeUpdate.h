#pragma once

#include "platform/Transfers.h"

#include <chrono>

namespace update {

// Every transfer of one update within one deadline, kept by the transfers' own clock: a server
// that sends each of many files just within its own deadline must not hold the window for hours.
class WholeUpdate final : public Transfers {
  public:
    WholeUpdate(Transfers& transfers, std::chrono::milliseconds deadline);
    Transfer fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) override;
    std::chrono::steady_clock::time_point now() const override { return transfers_.now(); }

  private:
    Transfers& transfers_;
    std::chrono::steady_clock::time_point ends_;
};

} // namespace update
