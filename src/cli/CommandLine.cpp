#include "cli/CommandLine.h"

#include "cli/Export.h"
#include "cli/Output.h"
#include "cli/Questions.h"
#include "cli/Texts.h"
#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

namespace cli {
namespace {

enum class Command { Window, Help, Version, Export };

struct Request {
    Command command = Command::Window;
    QString unknown;
};

// Help goes before the version, and both before the export, wherever they stand on the line.
Command commandOf(const QString& argument) {
    if (argument == u"-h" || argument == u"--help")
        return Command::Help;
    if (argument == u"-v" || argument == u"--version")
        return Command::Version;
    if (argument == u"--export")
        return Command::Export;
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
    for (const QString& argument : arguments) {
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

QString versionNumber() {
    const ProgramVersion version;
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

int printRegister() {
    return answerFromRegister(
        [](const ledger::Ledger& ledger) { return print(registerCsv(ledger)); });
}

} // namespace

std::optional<int> run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Question question = takeQuestion(arguments);
    const Request request = parse(arguments);
    if (request.command == Command::Window && request.unknown.isEmpty() && !question.asked())
        return std::nullopt;

    const QCoreApplication app(argc, argv);
    if (!request.unknown.isEmpty())
        return fail(cli_text::unknownOption(request.unknown));
    if (request.command == Command::Help)
        return print(cli_text::kHelp.toUtf8());
    if (request.command == Command::Version)
        return print(cli_text::version(versionNumber()).toUtf8());
    if (question.asked())
        return answer(question);
    return printRegister();
}

} // namespace cli
