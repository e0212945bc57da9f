#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <memory>

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

// Loads the network code beside the program at the first transfer: Qt's network library and
// the libraries it pulls in would cost every start more time and memory than the whole window,
// and most starts never check for an update.
class ModuleTransfers final : public QObject, public Transfers {
  public:
    static constexpr std::chrono::milliseconds kTimeLimit{30'000};
    static QString besideProgram();

    explicit ModuleTransfers(QObject* parent = nullptr, QString modulePath = besideProgram(),
                             std::chrono::milliseconds timeLimit = kTimeLimit);
    ~ModuleTransfers() override;
    Transfer fetch(const QUrl& url) override;

  private:
    QString modulePath_;
    std::chrono::milliseconds timeLimit_;
    std::unique_ptr<Transfers> network_;
};
