#pragma once

#include "platform/Transfers.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <chrono>

class QNetworkReply;

// Waits for each transfer in a local event loop, so the order of steps stays that of a blocking
// call: the window keeps painting, but clicks and keys wait until the transfer is over. A
// transfer that moves no bytes for the idle limit, or is not done by its deadline, is given up,
// so none waits forever.
class NetworkTransfers final : public QObject, public Transfers {
  public:
    explicit NetworkTransfers(std::chrono::milliseconds idleLimit);
    Transfer fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) override;

  private:
    QNetworkAccessManager manager_;
    std::chrono::milliseconds idleLimit_;
};

extern "C" Q_DECL_EXPORT Transfers* saldoriNetworkTransfers(long long idleLimitMs);
