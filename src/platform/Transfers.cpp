#include "platform/Transfers.h"

#include <QCoreApplication>
#include <QLibrary>

QString ModuleTransfers::besideProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" SALDORI_NETWORK_MODULE);
}

ModuleTransfers::ModuleTransfers(QObject* parent, QString modulePath,
                                 std::chrono::milliseconds idleLimit)
    : QObject(parent), modulePath_(std::move(modulePath)), idleLimit_(idleLimit) {}

ModuleTransfers::~ModuleTransfers() = default;

Transfer ModuleTransfers::fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) {
    if (!network_) {
        // Never unloaded: the transfers it makes live as long as the window.
        QLibrary module(modulePath_);
        using Make = Transfers* (*)(long long);
        const auto make = reinterpret_cast<Make>(module.resolve("saldoriNetworkTransfers"));
        if (!make)
            return {TransferFailure::NoModule};
        network_.reset(make(idleLimit_.count()));
    }
    return network_->fetch(url, sink, limits);
}
