#include "cli/CommandLine.h"

#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/Texts.h"
#include "platform/DataFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLatin1StringView>

namespace cli {
namespace {

// Qt's own options, which go to the window.
struct ToolkitOption {
    QLatin1StringView name;
    bool takesValue;
};

constexpr ToolkitOption kToolkitOptions[] = {
    {QLatin1StringView("platform"), true},        {QLatin1StringView("platformpluginpath"), true},
    {QLatin1StringView("platformtheme"), true},   {QLatin1StringView("plugin"), true},
    {QLatin1StringView("qwindowgeometry"), true}, {QLatin1StringView("geometry"), true},
    {QLatin1StringView("qwindowtitle"), true},    {QLatin1StringView("title"), true},
    {QLatin1StringView("qwindowicon"), true},     {QLatin1StringView("icon"), true},
    {QLatin1StringView("display"), true},         {QLatin1StringView("name"), true},
    {QLatin1StringView("visual"), true},          {QLatin1StringView("session"), true},
    {QLatin1StringView("style"), true},           {QLatin1StringView("stylesheet"), true},
    {QLatin1StringView("qmljsdebugger"), true},   {QLatin1StringView("reverse"), false},
    {QLatin1StringView("widgetcount"), false},    {QLatin1StringView("nograb"), false},
    {QLatin1StringView("dograb"), false},         {QLatin1StringView("sync"), false},
};

// The toolkit takes its options with one dash or two, and some as "-style=fusion" too.
const ToolkitOption* toolkitOption(const QString& argument) {
    if (!argument.startsWith(u'-'))
        return nullptr;
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
    for (const ToolkitOption& option : kToolkitOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// The arguments that are the program's own: the toolkit's options and their values are left to
// the window, up to the "--" that ends all options.
QStringList ownArguments(const QStringList& arguments) {
    QStringList own{arguments.first()};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            own += arguments.mid(i);
            break;
        }
        if (const ToolkitOption* option = toolkitOption(argument)) {
            if (option->takesValue && !argument.contains(u'='))
                ++i;
            continue;
        }
        own << argument;
    }
    return own;
}

const Option* optionNamed(const QString& name) {
    for (const Option& option : options()) {
        if (option.names.contains(name))
            return &option;
    }
    return nullptr;
}

// The argument the parser found an unknown option in, as the user wrote it.
QString argumentHolding(const QStringList& own, const QString& name) {
    for (const QString& argument : own.mid(1)) {
        if (argument == u"--")
            break;
        const bool holds = argument.startsWith(u"--")
                               ? argument.mid(2).section(u'=', 0, 0) == name
                               : argument.startsWith(u'-') && argument.mid(1).contains(name);
        if (holds)
            return argument;
    }
    return name;
}

QString unknownOption(const QStringList& own, const QString& name) {
    const QString argument = argumentHolding(own, name);
    const QString word = argument.mid(1).section(u'=', 0, 0);
    const bool oneDashLong = !argument.startsWith(u"--") && word.size() > 1 && optionNamed(word);
    return oneDashLong ? cli_text::oneDash(argument) : cli_text::unknownOption(argument);
}

// The parser takes every known option and finds none unknown, so a value is wrong: one given to
// a switch ("--export=1"), or one missing after the last option.
QString valueComplaint(const QStringList& own) {
    for (const QString& argument : own.mid(1)) {
        if (argument == u"--")
            break;
        const QString name = argument.mid(2).section(u'=', 0, 0);
        const Option* option = argument.startsWith(u"--") ? optionNamed(name) : nullptr;
        if (option && option->valueFi.isEmpty() && argument.contains(u'='))
            return cli_text::unwantedValue(QStringLiteral("--") + name);
    }
    const qsizetype end = own.indexOf(QStringLiteral("--"));
    return cli_text::missingValue(own.value(end == -1 ? own.size() - 1 : end - 1));
}

QString complaint(const QCommandLineParser& parser, const QStringList& own) {
    if (!parser.unknownOptionNames().isEmpty())
        return unknownOption(own, parser.unknownOptionNames().first());
    return valueComplaint(own);
}

void addOptions(QCommandLineParser& parser) {
    for (const Option& option : options())
        parser.addOption(QCommandLineOption(option.names, option.helpEn, option.valueEn));
}

int runOption(const Option& option, const QCommandLineParser& parser) {
    const QString& name = option.names.first();
    QString value = option.modifier.isEmpty()       ? parser.value(name)
                    : parser.isSet(option.modifier) ? option.modifier
                                                    : QString();
    if (option.valueIsFile)
        value = data_folder::fromCallersFolder(value);
    if (option.readsFiles) {
        const data_folder::Entry folder = data_folder::enter();
        if (!folder.entered)
            return fail(cli_text::noDataFolder(folder.folder));
    }
    return option.run(value);
}

} // namespace

std::optional<int> run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList own = ownArguments(arguments);
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(own))
        return fail(complaint(parser, own));
    if (!parser.positionalArguments().isEmpty())
        return fail(cli_text::unknownOption(parser.positionalArguments().first()));
    for (const Option& option : options()) {
        if (option.run && parser.isSet(option.names.first())) {
            const QCoreApplication app(argc, argv);
            return runOption(option, parser);
        }
    }
    // A modifier alone changes nothing, which is no answer either.
    for (const Option& option : options()) {
        if (!option.modifier.isEmpty() && parser.isSet(option.modifier))
            return fail(cli_text::modifierAlone(option.modifier, option.names.first()));
    }
    return std::nullopt;
}

} // namespace cli
