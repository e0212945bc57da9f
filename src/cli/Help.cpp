#include "cli/Help.h"

#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/Texts.h"
#include "platform/AppInfo.h"

#include <QLocale>
#include <QStringList>

namespace cli {
namespace {

constexpr qsizetype kLineWidth = 79;

// The words of a paragraph on lines of at most kLineWidth characters, each line after the first
// indented to the column the paragraph starts in.
QString wrapped(const QString& paragraph, qsizetype column) {
    QString text;
    qsizetype lineLength = column;
    for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > column && lineLength + 1 + word.size() > kLineWidth) {
            text += u'\n' + QString(column, u' ');
            lineLength = column;
        } else if (lineLength > column) {
            text += u' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text + u'\n';
}

QString namesOf(const Option& option, bool finnish) {
    QStringList names;
    for (const QString& name : option.names)
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = finnish ? option.valueFi : option.valueEn;
    return names.join(QStringLiteral(", ")) + (value.isEmpty() ? QString() : u' ' + value);
}

QString optionLines(bool finnish) {
    qsizetype column = 0;
    for (const Option& option : options())
        column = qMax(column, 2 + namesOf(option, finnish).size() + 2);
    QString lines;
    for (const Option& option : options()) {
        const QString names = QStringLiteral("  ") + namesOf(option, finnish);
        lines +=
            names.leftJustified(column) + wrapped(finnish ? option.helpFi : option.helpEn, column);
    }
    return lines;
}

QString paragraphs(const QStringList& texts) {
    QString text;
    for (const QString& paragraph : texts)
        text += wrapped(paragraph, 0) + u'\n';
    return text;
}

QString versionNumber() {
    const ProgramVersion version;
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

} // namespace

QString helpText(bool finnish) {
    const cli_text::HelpTexts& texts = finnish ? cli_text::kHelpFi : cli_text::kHelpEn;
    return texts.usage + QStringLiteral("\n\n") + paragraphs(texts.introduction) +
           texts.optionsHeading + u'\n' + optionLines(finnish) + u'\n' +
           paragraphs(texts.closing).chopped(1);
}

int printHelp(const QString&) {
    return print(helpText(QLocale::system().uiLanguages().value(0).startsWith(u"fi")).toUtf8());
}

int printVersion(const QString&) {
    return print(cli_text::version(versionNumber()).toUtf8());
}

} // namespace cli
