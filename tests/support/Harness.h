#pragma once

#include "support/RecordingDialogs.h"
#include "ui/Saldori.h"

#include <QByteArrayList>
#include <QDir>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <span>

class QComboBox;

Q_DECLARE_METATYPE(Message)
Q_DECLARE_METATYPE(Answer)

// Lets a failed comparison of messages print both texts.
char* toString(const Message& message);

// A fresh working folder for one test; the previous one is restored when it goes.
class TempWorkDir {
  public:
    TempWorkDir() { QDir::setCurrent(dir_.path()); }
    ~TempWorkDir() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }

  private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// Opens the window as the program does, but with ticks delivered only by the test.
std::unique_ptr<Saldori> openWindow(RecordingDialogs& dialogs, bool show = true);

// Data files: the bytes of a file as the program writes it, less the header line.
QByteArray readBytes(const QString& fileName);
void writeBytes(const QString& fileName, const QByteArray& bytes);
QByteArrayList recordLines(const QString& fileName);
QByteArrayList expectedRecords(const QStringList& slotValues, int slotCount);
void writeRecordFile(const QString& fileName, const QStringList& slotValues, int slotCount);
bool exists(const QString& fileName);
QStringList filesInWorkDir();
// Every file of the working folder with its bytes, to show that a refusal wrote nothing.
QMap<QString, QByteArray> snapshotWorkDir();

// Picks an entry from a combo box's drop-down list, as a user does with the mouse.
void pickFromList(QComboBox* combo, const QString& entry);

QStringList entries(const QComboBox* combo);
QStringList entries(const class QListWidget* list);

// Lets every running panel transition and blink finish, one tick at a time.
void settle(Saldori& window);

// The menu labels that are enabled, sorted by name.
QStringList enabledMenuLabels(const Saldori& window);

QStringList slotValues(std::span<const QString> table);
// "prefix0", "prefix1", ...
QStringList numbered(const QString& prefix, int count);

// Each test function gets a fresh working folder and the window opened on it; a test that needs
// data files first writes them and calls reopen().
class WindowTestCase : public QObject {
    Q_OBJECT

  protected:
    void reopen();

    RecordingDialogs dialogs;
    std::unique_ptr<TempWorkDir> dir;
    std::unique_ptr<Saldori> w;

  private slots:
    void init();
    void cleanup();
};

// Makes every file write of this process fail while it lives, as a full disk would; with a
// limit, only files that grow beyond that many bytes.
class FailingWrites {
  public:
    explicit FailingWrites(long long bytes = 8);
    ~FailingWrites();

  private:
    long long previousLimit_;
};
