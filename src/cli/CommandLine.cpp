#include "cli/CommandLine.h"

#include "cli/Export.h"
#include "cli/HistoryCommands.h"
#include "cli/Texts.h"
#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <utility>

namespace cli {
namespace {

enum class Command { Window, Help, Version, Export, History, Restore };

struct Request {
    Command command = Command::Window;
    QString unknown;
    QString change; // the number after --palauta
};

// Help goes before the version, and both before the export, wherever they stand on the line.
Command commandOf(const QString& argument) {
    if (argument == u"-h" || argument == u"--help")
        return Command::Help;
    if (argument == u"-v" || argument == u"--version")
        return Command::Version;
    if (argument == u"--export")
        return Command::Export;
    if (argument == u"--historia")
        return Command::History;
    if (argument == u"--palauta")
        return Command::Restore;
    return Command::Window;
}

// Qt's own options are one dash and a word ("-platform offscreen", "-reverse"); an argument
// after one that is no option itself is taken as its value.
bool isToolkitOption(const QString& argument) {
    return argument.size() > 2 && argument[0] == u'-' && argument[1].isLetter();
}

Request parse(const QStringList& arguments) {
    Request request;
    bool valueMayFollow = false;
    bool changeFollows = false;
    for (const QString& argument : arguments) {
        if (std::exchange(changeFollows, false)) {
            request.change = argument;
            continue;
        }
        changeFollows = argument == u"--palauta";
        const bool toolkitValue =
            std::exchange(valueMayFollow, false) && !argument.startsWith(u'-');
        const Command command = commandOf(argument);
        if (command != Command::Window) {
            if (request.command == Command::Window || command < request.command)
                request.command = command;
        } else if (isToolkitOption(argument)) {
            valueMayFollow = true;
        } else if (!toolkitValue && request.unknown.isEmpty()) {
            request.unknown = argument;
        }
    }
    return request;
}

bool write(std::FILE* stream, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

int fail(const QString& message) {
    write(stderr, message.toUtf8());
    return 1;
}

int print(const QByteArray& bytes) {
    return write(stdout, bytes) ? 0 : fail(cli_text::kOutputFailed);
}

QString versionNumber() {
    const ProgramVersion version;
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

int printRegister() {
    const RegisterExport exported = exportRegister();
    if (!exported.unreadableFile.isEmpty())
        return fail(cli_text::unreadable(exported.unreadableFile));
    if (!exported.registerFound)
        write(stderr, cli_text::noRegister(QDir::currentPath()).toUtf8());
    return print(exported.csv);
}

} // namespace

std::optional<int> run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Request request = parse(arguments);
    if (request.command == Command::Window && request.unknown.isEmpty())
        return std::nullopt;

    const QCoreApplication app(argc, argv);
    if (!request.unknown.isEmpty())
        return fail(cli_text::unknownOption(request.unknown));
    if (request.command == Command::Help)
        return print(cli_text::kHelp.toUtf8());
    if (request.command == Command::Version)
        return print(cli_text::version(versionNumber()).toUtf8());
    if (request.command == Command::History)
        return printHistory();
    if (request.command == Command::Restore)
        return restoreChange(request.change);
    return printRegister();
}

} // namespace cli
