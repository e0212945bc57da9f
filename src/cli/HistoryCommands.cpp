#include "cli/HistoryCommands.h"

#include "cli/HistoryTexts.h"
#include "cli/Texts.h"
#include "ledger/Ledger.h"
#include "platform/InstanceLock.h"

#include <QDir>
#include <cstdio>
#include <functional>

namespace cli {
namespace {

int say(std::FILE* stream, const QString& text, int status) {
    const QByteArray bytes = text.toUtf8();
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size()) &&
        std::fflush(stream) == 0;
    if (!written && stream == stdout)
        return say(stderr, cli_text::kOutputFailed, 1);
    return status;
}

// Runs the command on the folder's ledger while no window can start, once no file is foreign.
int withLedger(const std::function<int(ledger::Ledger&)>& command) {
    InstanceLock lock;
    if (!lock.tryAcquire())
        return say(stderr, cli_text::kWindowRuns, 1);
    ledger::Ledger ledger;
    ledger.LueNimet();
    if (const QString file = ledger.unreadableFile(); !file.isEmpty())
        return say(stderr, cli_text::historyUnreadable(file), 1);
    return command(ledger);
}

} // namespace

int printHistory() {
    return withLedger([](ledger::Ledger& ledger) {
        const QList<ledger::ChangeSet> sets = ledger.history().list();
        if (sets.isEmpty())
            return say(stderr, cli_text::noHistory(QDir::currentPath()), 0);
        QString lines;
        for (const ledger::ChangeSet& set : sets) {
            lines +=
                QStringLiteral("%1  %2  %3\n")
                    .arg(set.number, 4)
                    .arg(set.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         set.what);
        }
        return say(stdout, lines, 0);
    });
}

int restoreChange(const QString& number) {
    bool valid = false;
    const qint64 set = number.toLongLong(&valid);
    if (!valid || set <= 0)
        return say(stderr, cli_text::badChangeNumber(number), 1);
    return withLedger([set](ledger::Ledger& ledger) {
        const ledger::Outcome outcome = ledger.restoreBefore(set);
        switch (outcome.problem) {
        case ledger::Problem::None:
            return say(stdout, cli_text::restored(set), 0);
        case ledger::Problem::NoHistory:
            return say(stderr, cli_text::noSuchChange(set), 1);
        case ledger::Problem::Unreadable:
            return say(stderr, cli_text::historyUnreadable(outcome.file), 1);
        default:
            return say(stderr, cli_text::restoreFailed(outcome.file), 1);
        }
    });
}

} // namespace cli
