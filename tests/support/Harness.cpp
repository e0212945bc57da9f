#include "support/Harness.h"

#include "ui/MenuLabel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QStringEncoder>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

std::unique_ptr<Saldori> openWindow(RecordingDialogs& dialogs, bool show) {
    auto window = std::make_unique<Saldori>(dialogs, Ticker::Clock::Manual);
    if (show) {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
    }
    return window;
}

QByteArray readBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(fileName));
    file.write(bytes);
}

QByteArrayList recordLines(const QString& fileName) {
    QByteArrayList lines = readBytes(fileName).split('\n');
    if (lines.takeLast() != "")
        return {"<no final line break>"};
    if (!lines.isEmpty())
        lines.removeFirst();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r'))
            return {"<line without CR LF>"};
        line.chop(1);
    }
    return lines;
}

QByteArrayList expectedRecords(const QStringList& slotValues, int slotCount) {
    QStringEncoder encoder("windows-1252");
    QByteArrayList lines;
    for (int slot = 0; slot < slotCount; ++slot)
        lines << encoder(slotValues.value(slot)) + '\xD7';
    return lines;
}

void writeRecordFile(const QString& fileName, const QStringList& slotValues, int slotCount) {
    QByteArray bytes = "saldori muistaa! 6.12.2026 9:00:00\r\n";
    for (const QByteArray& line : expectedRecords(slotValues, slotCount))
        bytes += line + "\r\n";
    writeBytes(fileName, bytes);
}

bool exists(const QString& fileName) {
    return QFile::exists(fileName);
}

QStringList filesInWorkDir() {
    return QDir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QMap<QString, QByteArray> snapshotWorkDir() {
    QMap<QString, QByteArray> files;
    for (const QString& file : filesInWorkDir())
        files[file] = readBytes(file);
    return files;
}

void pickFromList(QComboBox* combo, const QString& entry) {
    const int index = combo->findText(entry, Qt::MatchExactly);
    if (index < 0)
        qFatal("no entry %s", qPrintable(entry));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

QStringList entries(const QComboBox* combo) {
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

QStringList entries(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

char* toString(const Message& message) {
    return qstrdup(QStringLiteral("%1 [icon %2, buttons %3, caption %4]")
                       .arg(message.text)
                       .arg(int(message.icon))
                       .arg(int(message.buttons))
                       .arg(message.caption)
                       .toUtf8()
                       .constData());
}

void settle(Saldori& window) {
    const auto running = [&] {
        return window.liikuttaja->isEnabled() || window.Vilkuta->isEnabled();
    };
    for (int tick = 0; tick < 1000 && running(); ++tick) {
        if (window.liikuttaja->isEnabled())
            window.liikuttaja_Timer();
        if (window.Vilkuta->isEnabled())
            window.Vilkuta_Timer();
    }
    if (running())
        qFatal("an animation never ends");
}

QStringList enabledMenuLabels(const Saldori& window) {
    QStringList enabled;
    for (const QLabel* label : window.findChildren<MenuLabel*>()) {
        if (label->isEnabled())
            enabled << label->objectName();
    }
    enabled.sort();
    return enabled;
}

QStringList slotValues(std::span<const QString> table) {
    return QStringList(table.begin(), table.end());
}

QStringList numbered(const QString& prefix, int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << prefix + QString::number(i);
    return values;
}

void WindowTestCase::init() {
    dir = std::make_unique<TempWorkDir>();
    dialogs.shown.clear();
    dialogs.answers.clear();
    w = openWindow(dialogs);
}

void WindowTestCase::cleanup() {
    w.reset();
    dir.reset();
}

void WindowTestCase::reopen() {
    w.reset();
    w = openWindow(dialogs);
}

FailingWrites::FailingWrites(long long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previousLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
}
