#include "platform/Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTextBoundaryFinder>
#include <optional>

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The box is as wide as its longest word: a word longer than a line gets places to break that show
// nothing, so that the box fits the screen. Whole characters stay together.
QString breakLongWords(const QString& text) {
    constexpr qsizetype kLongestRun = 40;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    QString broken;
    qsizetype run = 0;
    for (qsizetype from = 0, to = characters.toNextBoundary(); to > 0;
         from = to, to = characters.toNextBoundary()) {
        run = text[from].isSpace() ? 0 : run + 1;
        if (run > kLongestRun) {
            broken += QChar(0x200B); // zero width space
            run = 1;
        }
        broken += QStringView(text).sliced(from, to - from);
    }
    return broken;
}

// Keys pressed before a question could be read (typed ahead, or the second of two quick
// presses) must not answer it.
class EarlyKeysIgnored final : public QObject {
  public:
    explicit EarlyKeysIgnored(const QWidget* box) : box_(box) {
        shown_.start();
        qApp->installEventFilter(this);
    }
    ~EarlyKeysIgnored() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key = event->type() == QEvent::KeyPress ||
                         event->type() == QEvent::ShortcutOverride ||
                         event->type() == QEvent::KeyRelease;
        auto* widget = qobject_cast<QWidget*>(watched);
        return key && widget && widget->window() == box_ && !shown_.hasExpired(kReadingMs);
    }

  private:
    static constexpr qint64 kReadingMs = 400;
    const QWidget* box_;
    QElapsedTimer shown_;
};

} // namespace

Answer MessageBoxDialogs::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.caption, breakLongWords(message.text),
                    QMessageBox::Ok, parent_);
    // Texts hold names the user typed; "<b>" in a name is part of the name.
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Buttons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    const bool keeps = message.buttons == Buttons::OkCancel && message.byDefault == Answer::Cancel;
    box.setDefaultButton(keeps ? QMessageBox::Cancel : QMessageBox::Ok);
    std::optional<EarlyKeysIgnored> typedAhead;
    if (message.buttons == Buttons::OkCancel)
        typedAhead.emplace(&box);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
