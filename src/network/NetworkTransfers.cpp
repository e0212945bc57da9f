#include "network/NetworkTransfers.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>

Transfers* saldoriNetworkTransfers(long long timeLimitMs) {
    return new NetworkTransfers(std::chrono::milliseconds(timeLimitMs));
}

NetworkTransfers::NetworkTransfers(std::chrono::milliseconds timeLimit) : timeLimit_(timeLimit) {}

Transfer NetworkTransfers::fetch(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(int(timeLimit_.count()));
    const std::unique_ptr<QNetworkReply> reply(manager_.get(request));
    if (!reply->isFinished()) {
        QEventLoop wait;
        connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // The loop also ends when the program quits; a transfer cut off there has failed.
    if (!reply->isFinished())
        reply->abort();

    if (reply->error() != QNetworkReply::NoError)
        return {{}, reply->errorString()};
    // Error pages come with a status like any other; only a success delivers the file.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() / 100 != 2) {
        return {{},
                QStringLiteral("palvelin vastasi HTTP %1 %2")
                    .arg(status.toInt())
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())};
    }
    return {reply->readAll(), {}};
}
