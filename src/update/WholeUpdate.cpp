#include "update/WholeUpdate.h"

#include <algorithm>

namespace update {

WholeUpdate::WholeUpdate(Transfers& transfers, std::chrono::milliseconds deadline)
    : transfers_(transfers), ends_(transfers.now() + deadline) {}

Transfer WholeUpdate::fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(ends_ - now());
    if (left <= left.zero())
        return {TransferFailure::TimedOut};
    return transfers_.fetch(url, sink, {limits.maxBytes, std::min(limits.deadline, left)});
}

} // namespace update
