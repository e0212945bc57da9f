#pragma once

#include "platform/Transfers.h"

#include <chrono>

// What a transfer of the update may take. Every cap lies far beyond any real release, so only a
// broken or hostile server meets one.
namespace update {

// "versio.kdx" is three digits, the notice a sentence or two, the list a dozen names: each is
// well under 1 KiB. They are held in memory and read whole, so their cap bounds what reading costs.
inline constexpr qint64 kUpdateFileCap = 16 * 1024;
// A few KiB take a few seconds even on a modem.
inline constexpr TransferLimits kUpdateFileLimits{kUpdateFileCap, std::chrono::minutes(1)};

// A release's files go straight to the disk. The program with its network module is under 1 MiB;
// 64 MiB leaves room for a release that brings Qt's libraries along (21 MiB). A real file of a
// few MiB needs under 5 KiB/s to meet the deadline; even a file at the cap needs only 75 KiB/s,
// slower than any broadband line.
inline constexpr TransferLimits kReleaseFileLimits{64 << 20, std::chrono::minutes(15)};

// The check and the download together, every file of them: a release of a few files takes
// seconds, so only a server that trickles a long list meets it.
inline constexpr std::chrono::minutes kWholeUpdate{10};

} // namespace update
