#include "support/Harness.h"

#include "ui/MenuLabel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStringEncoder>
#include <QStyle>
#include <csignal>
#include <sys/resource.h>

std::unique_ptr<Saldori> openWindow(Dialogs& dialogs) {
    auto window = std::make_unique<Saldori>(dialogs, Ticker::Clock::Manual);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

QByteArray records(const QStringList& slotValues, int slotCount) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (int slot = 0; slot < slotCount; ++slot)
        bytes += encoder(slotValues.value(slot)) + "\xD7\r\n";
    return bytes;
}

void writeRecordFile(const QString& fileName, const QStringList& slotValues, int slotCount) {
    writeBytes(fileName, "saldori muistaa! 6.12.2026 9:00:00\r\n" + records(slotValues, slotCount));
}

QByteArray recordsIn(const QString& fileName) {
    if (!QFile::exists(fileName))
        return "<none>";
    const QByteArray bytes = readBytes(fileName);
    return bytes.mid(bytes.indexOf("\r\n") + 2);
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

QMap<QString, QByteArray> snapshotWorkDir() {
    QMap<QString, QByteArray> files;
    for (const QString& file : QDir().entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[file] = readBytes(file);
    return files;
}

QStringList numbered(const QString& prefix, int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << prefix + QString::number(i);
    return values;
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
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

static QRect entryRect(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no entry %s", qPrintable(text));
    return list->visualItemRect(found.first());
}

void clickEntry(QListWidget* list, const QString& text) {
    const QRect rect = entryRect(list, text);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.right() - rect.width() / 4, rect.center().y()));
}

void tickEntry(QListWidget* list, const QString& text) {
    const QRect rect = entryRect(list, text);
    const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list);
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + margin + 1 + indicator / 2, rect.center().y()));
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    type(edit, text);
}

void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void typeAndEnter(QWidget* box, const QString& text) {
    type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
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

QStringList enabledMenuLabels(const Saldori& window) {
    QStringList enabled;
    for (const QLabel* label : window.findChildren<MenuLabel*>()) {
        if (label->isEnabled())
            enabled << label->objectName();
    }
    enabled.sort();
    return enabled;
}

void settle(Saldori& window) {
    ticksToArrive(window);
    for (int tick = 0; tick < 100 && window.Vilkuta->isEnabled(); ++tick)
        window.Vilkuta_Timer();
}

int ticksToArrive(Saldori& window) {
    int ticks = 0;
    for (; ticks < 1000 && window.liikuttaja->isEnabled(); ++ticks) {
        window.liikuttaja_Timer();
        if (window.Vilkuta->isEnabled())
            window.Vilkuta_Timer();
    }
    if (ticks == 1000)
        qFatal("an animation never ends");
    return ticks;
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

FailingWrites::FailingWrites() {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previousLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
}
