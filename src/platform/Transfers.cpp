#include "platform/Transfers.h"

#include <QCoreApplication>
#include <QLibrary>

QString ModuleTransfers::besideProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" SALDORI_NETWORK_MODULE);
}

ModuleTransfers::ModuleTransfers(QObject* parent, QString modulePath,
                                 std::chrono::milliseconds timeLimit)
    : QObject(parent), modulePath_(std::move(modulePath)), timeLimit_(timeLimit) {}

ModuleTransfers::~ModuleTransfers() = default;

Transfer ModuleTransfers::fetch(const QUrl& url) {
    if (!network_) {
        // Never unloaded: the transfers it makes live as long as the window.
        QLibrary module(modulePath_);
        using Make = Transfers* (*)(long long);
        const auto make = reinterpret_cast<Make>(module.resolve("saldoriNetworkTransfers"));
        if (!make)
            return {{}, QStringLiteral("verkko-osaa ei voi ladata: %1").arg(module.errorString())};
        network_.reset(make(timeLimit_.count()));
    }
    return network_->fetch(url);
}
