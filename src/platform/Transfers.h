#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <chrono>

// One address fetched whole: its body, or the error text the transfer reported.
struct Transfer {
    QByteArray body;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Fetches whole files over HTTP; tests put a stand-in here that points at their own server.
class Transfers {
  public:
    virtual ~Transfers() = default;
    virtual Transfer fetch(const QUrl& url) = 0;
};

// Waits for each transfer in a local event loop, so the order of steps stays that of a blocking
// call: the window keeps painting, but clicks and keys wait until the transfer is over. A
// transfer that moves no bytes for the time limit is given up, so none waits forever.
class NetworkTransfers final : public QObject, public Transfers {
  public:
    static constexpr std::chrono::milliseconds kTimeLimit{30'000};

    explicit NetworkTransfers(QObject* parent = nullptr,
                              std::chrono::milliseconds timeLimit = kTimeLimit);
    Transfer fetch(const QUrl& url) override;

  private:
    QNetworkAccessManager manager_;
    std::chrono::milliseconds timeLimit_;
};
