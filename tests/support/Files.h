#pragma once

// The test's own folder and the bytes of the files in it, for tests with and without a window.
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

// The row of a data-driven test whose one column is "row".
template <typename Row> const Row& fetch() {
    return *static_cast<const Row*>(QTest::qData("row", qMetaTypeId<Row>()));
}

// A fresh working folder inside a temporary parent of its own, so that a name escaping it with
// ".." is still removed with it; the previous folder is restored when it goes.
struct TempWorkDir {
    TempWorkDir() {
        QDir(parent.path()).mkdir("work");
        QDir::setCurrent(parent.filePath("work"));
    }
    ~TempWorkDir() { QDir::setCurrent(previous); }
    QString previous = QDir::currentPath();
    QTemporaryDir parent;
};

inline QByteArray readBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(fileName));
}

// Data files: a header line, then "value×" CR LF per slot.
inline const QByteArray kHeader = "saldori muistaa! 6.12.2026 9:00:00\r\n";

inline QByteArray records(const QStringList& slotValues, int slotCount) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (int slot = 0; slot < slotCount; ++slot)
        bytes += encoder(slotValues.value(slot)) + "\xD7\r\n";
    return bytes;
}

inline void writeRecordFile(const QString& fileName, const QStringList& values, int slotCount) {
    writeBytes(fileName, kHeader + records(values, slotCount));
}

// The bytes after the header line; "<none>" when there is no such file.
inline QByteArray recordsIn(const QString& fileName) {
    const QByteArray bytes = readBytes(fileName);
    return QFile::exists(fileName) ? bytes.mid(bytes.indexOf("\r\n") + 2) : "<none>";
}

inline QMap<QString, QByteArray> snapshotWorkDir() {
    QMap<QString, QByteArray> files;
    for (const QString& file : QDir().entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[file] = readBytes(file);
    return files;
}

// The values with one slot set, grown to reach it.
inline QStringList withAt(int slot, const QString& value, QStringList values = {}) {
    values.resize(std::max(int(values.size()), slot + 1));
    values[slot] = value;
    return values;
}

inline QStringList numbered(const QString& prefix, int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << prefix + QString::number(i);
    return values;
}

// Runs `act` with every file write of this process failing past `room` bytes, as on a full disk.
template <typename Act> void onFullDisk(Act act, rlim_t room = 8) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit previous = limit;
    limit.rlim_cur = room;
    setrlimit(RLIMIT_FSIZE, &limit);
    act();
    setrlimit(RLIMIT_FSIZE, &previous);
}
