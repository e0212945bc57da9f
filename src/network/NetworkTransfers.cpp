#include "network/NetworkTransfers.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace {

// Enough for a server that moves its files once or twice; more is a loop.
constexpr int kMaxRedirects = 5;
// What the reply buffers before the sink takes it.
constexpr qint64 kBlockSize = 64 * 1024;

bool isSuccess(int status) {
    return status / 100 == 2;
}

TransferFailure failureOf(QNetworkReply::NetworkError error, int status) {
    using E = QNetworkReply::NetworkError;
    switch (error) {
    case E::NoError:
        return TransferFailure::None;
    case E::ConnectionRefusedError:
        return TransferFailure::Refused;
    case E::HostNotFoundError:
        return TransferFailure::HostNotFound;
    case E::TimeoutError:
    case E::OperationCanceledError:
        return TransferFailure::TimedOut;
    case E::RemoteHostClosedError:
        return TransferFailure::CutShort;
    case E::ContentNotFoundError:
    case E::ContentGoneError:
        return TransferFailure::NotFound;
    case E::InsecureRedirectError:
    case E::TooManyRedirectsError:
    case E::ProtocolUnknownError:
        return TransferFailure::RedirectRefused;
    default:
        return status >= 400 ? TransferFailure::ServerError : TransferFailure::Other;
    }
}

} // namespace

Transfers* saldoriNetworkTransfers(long long idleLimitMs) {
    return new NetworkTransfers(std::chrono::milliseconds(idleLimitMs));
}

NetworkTransfers::NetworkTransfers(std::chrono::milliseconds idleLimit) : idleLimit_(idleLimit) {}

Transfer NetworkTransfers::fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) {
    QNetworkRequest request(url);
    // A redirect to another host, port or scheme (file:// above all) fails the transfer.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(int(idleLimit_.count()));
    const std::unique_ptr<QNetworkReply> reply(manager_.get(request));
    reply->setReadBufferSize(kBlockSize);

    TransferFailure stopped = TransferFailure::None;
    const auto stop = [&](TransferFailure why) {
        if (stopped == TransferFailure::None)
            stopped = why;
        reply->abort();
    };
    const auto status = [&] {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    };
    qint64 received = 0;
    connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limits.maxBytes)
            stop(TransferFailure::TooLarge);
    });
    // An error page is no part of the file: only a success's body reaches the sink.
    connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        while (stopped == TransferFailure::None && reply->bytesAvailable() > 0) {
            const QByteArray block = reply->read(kBlockSize);
            received += block.size();
            if (received > limits.maxBytes)
                stop(TransferFailure::TooLarge);
            else if (isSuccess(status()) && sink.write(block) != block.size())
                stop(TransferFailure::WriteFailed);
        }
    });
    if (!reply->isFinished()) {
        QEventLoop wait;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &wait, [&] { stop(TransferFailure::TimedOut); });
        connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
        deadline.start(limits.deadline);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // The loop also ends when the program quits; a transfer cut off there has failed.
    if (!reply->isFinished())
        stop(TransferFailure::Other);

    if (stopped != TransferFailure::None)
        return {stopped, status()};
    const TransferFailure failure = failureOf(reply->error(), status());
    if (failure != TransferFailure::None)
        return {failure, status()};
    if (!isSuccess(status()))
        return {status() == 404 ? TransferFailure::NotFound : TransferFailure::ServerError,
                status()};
    return {};
}
