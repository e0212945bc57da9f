#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

QString executableBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

namespace {

// The desktop's time with seconds is its long format less the time-zone name ("t") that Qt adds.
QString timeFormatWithSeconds(const QLocale& locale) {
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format += c;
    }
    return format.simplified();
}

} // namespace

QString localDateTimeText() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    return locale.toString(now.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(now.time(), timeFormatWithSeconds(locale));
}
