#pragma once

// What a test needs to open the window on a folder of its own, drive it as a user does and read
// what it wrote.
#include "platform/Dialogs.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

#include <QDir>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;

Q_DECLARE_METATYPE(Message)
Q_DECLARE_METATYPE(Answer)

// Lets a failed comparison of messages print both.
char* toString(const Message& message);

// Records every message and answers from a queue, OK when the queue is empty.
class RecordingDialogs final : public Dialogs {
  public:
    Answer show(const Message& message) override {
        shown.append(message);
        return answers.isEmpty() ? Answer::Ok : answers.dequeue();
    }
    QList<Message> shown;
    QQueue<Answer> answers;
};

// A fresh working folder; the previous one is restored when it goes.
class TempWorkDir {
  public:
    TempWorkDir() { QDir::setCurrent(dir_.path()); }
    ~TempWorkDir() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }

  private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// Opens and shows the window as the program does, but with ticks delivered only by the test.
std::unique_ptr<Saldori> openWindow(Dialogs& dialogs);

// Data files: "value×" CR LF per slot, after a header line.
QByteArray records(const QStringList& slotValues, int slotCount);
void writeRecordFile(const QString& fileName, const QStringList& slotValues, int slotCount);
// The bytes after the header line; "<none>" when there is no such file.
QByteArray recordsIn(const QString& fileName);
QByteArray readBytes(const QString& fileName);
void writeBytes(const QString& fileName, const QByteArray& bytes);
// Every file of the working folder with its bytes, to show what a command wrote.
QMap<QString, QByteArray> snapshotWorkDir();
QStringList numbered(const QString& prefix, int count);

// A user's hands.
void click(QWidget* widget);
void pickFromList(QComboBox* combo, const QString& entry);
void clickEntry(QListWidget* list, const QString& text); // on the text, right of the check box
void tickEntry(QListWidget* list, const QString& text);  // on the check box
void retype(QLineEdit* edit, const QString& text);
// Types any text, letters beyond Latin-1 included, as key presses carrying that text.
void type(QWidget* box, const QString& text);
void typeAndEnter(QWidget* box, const QString& text);

QStringList entries(const QComboBox* combo);
QStringList entries(const QListWidget* list);
QStringList enabledMenuLabels(const Saldori& window);
// Lets every running panel transition and blink finish, one tick at a time.
void settle(Saldori& window);
// Ticks the panel transition until it stops, the blink alongside; answers the ticks it took.
int ticksToArrive(Saldori& window);

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

// Makes every file write of this process fail while it lives, as a full disk would.
class FailingWrites {
  public:
    FailingWrites();
    ~FailingWrites();

  private:
    long long previousLimit_;
};
