#pragma once

// Opens the window on a folder of its own, drives it as a user does and reads what it wrote.
#include "support/Files.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QtTest>
#include <QtWidgets>

// Lets a failed comparison of messages print both.
inline char* toString(const Message& m) {
    return QTest::toString(
        std::tuple(m.text, int(m.icon), int(m.buttons), m.caption, int(m.byDefault)));
}

// Records every message and answers from a queue, OK when the queue is empty.
struct RecordingDialogs final : Dialogs {
    Answer show(const Message& message) override {
        shown.append(message);
        return answers.isEmpty() ? Answer::Ok : answers.dequeue();
    }
    QList<Message> shown;
    QQueue<Answer> answers;
};

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// From the drop-down list, as a user does with the mouse.
inline void pickFromList(QComboBox* combo, const QString& entry) {
    const int index = combo->findText(entry, Qt::MatchExactly);
    if (index < 0)
        qFatal("no entry %s", qPrintable(entry));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

// A click on an entry of the loan list: on its check box, or on its text.
inline void clickEntry(QListWidget* list, const QString& text, bool onCheckBox = false) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no entry %s", qPrintable(text));
    const QRect rect = list->visualItemRect(found.first());
    const int box = list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list) / 2 +
                    list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int x = onCheckBox ? rect.left() + box : rect.right() - rect.width() / 4;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(x, rect.center().y()));
}

// Keys go where the keyboard focus is, as a user's do; a walk that has lost it is broken.
inline QWidget* focused() {
    if (QWidget* widget = QApplication::focusWidget())
        return widget;
    qFatal("no control has the keyboard focus");
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
}

// Any text, letters beyond Latin-1 and emoji included, as key presses carrying it; CR is Enter.
inline void type(const QString& text) {
    for (qsizetype at = 0; at < text.size(); at += text[at].isHighSurrogate() ? 2 : 1) {
        const QString c = text.mid(at, text[at].isHighSurrogate() ? 2 : 1);
        const Qt::Key key = c == u"\r" ? Qt::Key_Return : Qt::Key_unknown;
        QKeyEvent keyPress(QEvent::KeyPress, key, Qt::NoModifier, c);
        QApplication::sendEvent(focused(), &keyPress);
    }
}

template <typename View> QStringList entries(const View* view) {
    QStringList result;
    for (int row = 0; row < view->count(); ++row)
        result << view->model()->index(row, 0).data().toString();
    return result;
}

// A control or timer of the window, found by its name as a screen reader finds it.
template <typename Control = QWidget> Control* find(const QObject& window, const char* name) {
    if (auto* control = window.findChild<Control*>(QString::fromLatin1(name)))
        return control;
    qFatal("no %s", name);
}

// The timers in the order they deliver their ticks, with their tick handlers.
inline const std::pair<const char*, void (Saldori::*)()> kTimers[] = {
    {"liikuttaja", &Saldori::liikuttaja_Timer},
    {"ohjeliikuttaja", &Saldori::ohjeliikuttaja_Timer},
    {"Vilkuta", &Saldori::Vilkuta_Timer},
    {"Ajastin", &Saldori::Ajastin_Timer}};

// The one timer named, or any.
inline bool running(const Saldori& window, const char* timer = nullptr) {
    return std::any_of(std::begin(kTimers), std::end(kTimers), [&](const auto& t) {
        return (!timer || qstrcmp(timer, t.first) == 0) &&
               find<Ticker>(window, t.first)->isEnabled();
    });
}

// Time passing: one tick of every running timer, in the order they deliver them, as often as asked.
inline void tickAll(Saldori& window, int ticks) {
    for (int tick = 0; tick < ticks; ++tick)
        for (const auto& [timer, onTick] : kTimers)
            if (running(window, timer))
                (window.*onTick)();
}

// Lets every timer run out; answers the ticks of the one counted (the panels' by default).
inline int settle(Saldori& window, const char* counted = "liikuttaja") {
    int ticks = 0;
    for (int tick = 0; tick < 2000 && running(window); ++tick) {
        ticks += running(window, counted);
        tickAll(window, 1);
    }
    return ticks;
}

// A window of its own on the working folder, its ticks delivered only by the test.
inline std::unique_ptr<Saldori> openWindow(Services services) {
    services.clock = Ticker::Clock::Manual;
    auto window = std::make_unique<Saldori>(services);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

// A fresh working folder and window for each test function; reopen() after writing data files.
class WindowTestCase : public QObject {
    Q_OBJECT

  protected:
    void reopen() {
        w.reset();
        w = openWindow(Services{dialogs, *opener, transfers});
    }

    // Settles, then clicks a control, picks "combo>entry", ticks "list>entry", clicks the text of
    // "list:entry", replaces the text of "box<text" as typed, double-clicks "Name*2"; "!Name..."
    // acts at once. At once too: "Enter", "Space", "Esc", "Tab", "Backtab", the arrows, "Home",
    // "End" and "^Z", "^+Z", "^Y" (Ctrl, Ctrl+Shift) are keys, a number is that many ticks of
    // every timer, "=Name" tabs onto a control, other text is typed.
    void act(const QStringList& actions) {
        const QMap<QString, QKeyCombination> keys = {{"Enter", Qt::Key_Return},
                                                     {"Space", Qt::Key_Space},
                                                     {"Esc", Qt::Key_Escape},
                                                     {"Tab", Qt::Key_Tab},
                                                     {"Backtab", Qt::Key_Backtab},
                                                     {"Down", Qt::Key_Down},
                                                     {"Up", Qt::Key_Up},
                                                     {"Left", Qt::Key_Left},
                                                     {"Right", Qt::Key_Right},
                                                     {"Home", Qt::Key_Home},
                                                     {"End", Qt::Key_End},
                                                     {"^Z", Qt::CTRL | Qt::Key_Z},
                                                     {"^+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
                                                     {"^Y", Qt::CTRL | Qt::Key_Y}};
        for (QString action : actions) {
            const bool atOnce = action.startsWith(u'!') && action.remove(0, 1).size();
            const qsizetype cut = action.indexOf(QRegularExpression("[>:<]|\\*2$"));
            const QChar how = cut < 0 ? QChar() : action[cut];
            const QString name = action.left(cut), text = action.mid(cut + 1);
            auto* control = name.isEmpty() ? nullptr : w->findChild<QWidget*>(name);
            auto* combo = qobject_cast<QComboBox*>(control);
            if (control && !atOnce)
                settle(*w);
            if (combo && how == u'>')
                pickFromList(combo, text);
            else if (auto* list = qobject_cast<QListWidget*>(control);
                     list && (how == u'>' || how == u':'))
                clickEntry(list, text, how == u'>');
            else if (control && how == u'<') { // clicked first, all it held replaced
                click(combo ? combo->lineEdit() : control);
                press(Qt::Key_A, Qt::ControlModifier);
                press(Qt::Key_Delete);
                type(text);
            } else if (control && how == u'*') // the window makes the second press a double one
                QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                                   control->mapTo(w.get(), control->rect().center()));
            else if (control)
                click(control);
            else if (keys.contains(action))
                press(keys[action].key(), keys[action].keyboardModifiers());
            else if (action.startsWith(u'='))
                w->findChild<QWidget*>(action.mid(1))->setFocus(Qt::TabFocusReason);
            else if (bool ticks = false; action.toInt(&ticks), ticks)
                tickAll(*w, action.toInt());
            else
                type(action);
        }
    }

    template <typename Control = QWidget> Control* c(const char* name) const {
        return find<Control>(*w, name);
    }
    // Guided help's hint line, and what it says while it is shown.
    bool hintShown() const { return Saldori::shown(c("ohjeteksti")); }
    QString hint() const { return hintShown() ? c<QLabel>("ohjeteksti")->text() : QString(); }

    RecordingDialogs dialogs;
    AddressOpener* opener = &desktopAddressOpener();
    Transfers* transfers = nullptr;
    std::unique_ptr<TempWorkDir> dir;
    std::unique_ptr<Saldori> w;

  private slots:
    void init() {
        dir = std::make_unique<TempWorkDir>();
        dialogs.shown.clear();
        dialogs.answers.clear();
        reopen();
    }
    void cleanup() {
        w.reset();
        dir.reset();
    }
};
