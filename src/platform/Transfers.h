#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <memory>

class QIODevice;

// Why a transfer failed, as far as a user can act on it.
enum class TransferFailure {
    None,
    Refused,
    HostNotFound,
    NotFound,
    ServerError,
    TimedOut,
    CutShort,
    TooLarge,
    RedirectRefused,
    WriteFailed,
    NoModule,
    Other,
};

// The outcome of one transfer; the HTTP status tells a server error apart.
struct Transfer {
    TransferFailure failure = TransferFailure::None;
    int httpStatus = 0;

    bool ok() const { return failure == TransferFailure::None; }
};

// What one transfer may take: a body larger than maxBytes, or one not complete by the deadline,
// is a failed transfer.
struct TransferLimits {
    qint64 maxBytes;
    std::chrono::milliseconds deadline;
};

// Fetches files over HTTP into a sink, block by block, so that no body is held whole; tests put
// a stand-in here that points at their own server. Redirects are followed only on the same host.
class Transfers {
  public:
    virtual ~Transfers() = default;
    virtual Transfer fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) = 0;
    // The clock deadlines are kept by; a stand-in keeps its own, so that no test waits.
    virtual std::chrono::steady_clock::time_point now() const {
        return std::chrono::steady_clock::now();
    }
};

// Loads the network code beside the program at the first transfer: Qt's network library and
// the libraries it pulls in would cost every start more time and memory than the whole window,
// and most starts never check for an update.
class ModuleTransfers final : public QObject, public Transfers {
  public:
    // A transfer that moves no byte for this long has stalled.
    static constexpr std::chrono::milliseconds kIdleLimit{30'000};
    static QString besideProgram();

    explicit ModuleTransfers(QObject* parent = nullptr, QString modulePath = besideProgram(),
                             std::chrono::milliseconds idleLimit = kIdleLimit);
    ~ModuleTransfers() override;
    Transfer fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) override;

  private:
    QString modulePath_;
    std::chrono::milliseconds idleLimit_;
    std::unique_ptr<Transfers> network_;
};
