#include "platform/Transfers.h"
#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

#include <random>

namespace {

const QStringList kTexts = {"Aino",  "Liisa", "x", " Pekka ",
                            "kirja", "a×b",   "ł", QString(300, u'w')};
const QStringList kKeys = {"Enter", "Space", "Esc",   "Tab",  "Backtab", "Up",
                           "Down",  "Left",  "Right", "Home", "End"};
const QStringList kFocusKeys = {"Tab", "Backtab", "Up", "Down", "Left", "Right"};
// At rest an open panel has its full height.
const QMap<QString, int> kOpenHeight = {{"Add", 1095},      {"Add1", 1815}, {"Muokkaus", 1650},
                                        {"apu", 1095},      {"Ohje", 855},  {"Tietoa", 1455},
                                        {"WebUpdate", 1100}};
const QStringList kWaysBack = {"OK2",      "Command1", "takaisin2", "takaisin",
                               "Command3", "sulje2",   "sulje1"};

// What the user's actions should do to the data files, worked out from what the screen showed
// when the user acted; the messages tell which way a command went.
struct RegisterModel {
    QStringList names = QStringList(100);
    QMap<QString, QStringList> loans; // each borrower with a loan file, 30 slots

    // The first slot holding the value (none: the first free one) takes the new one.
    static bool put(QStringList& table, const QString& value, const QString& old = {}) {
        const qsizetype slot = table.indexOf(old);
        if (slot >= 0)
            table[slot] = value.trimmed();
        return slot >= 0;
    }
    bool addBorrower(const QString& name) {
        return put(names, name) && (loans[name.trimmed()] = QStringList(30), true);
    }
    // The list shows the filled slots in order; what is left moves up.
    void drop(const QString& borrower, const QList<int>& ticked) {
        QStringList kept = filled(loans.value(borrower));
        for (auto row = ticked.crbegin(); row != ticked.crend(); ++row)
            if (*row < kept.size())
                kept.removeAt(*row);
        kept.resize(30);
        loans[borrower] = kept;
    }
    bool deleteBorrower(const QString& name) {
        return !name.isEmpty() && loans.remove(name) >= 0 && put(names, {}, name);
    }
    static QStringList filled(QStringList table) {
        table.removeAll(QString());
        return table;
    }
    // The first file that differs from what the model holds.
    QString differingFile() const {
        QStringList files = QDir().entryList({"*.kdx"}, QDir::Files) << "nimet.kdx";
        for (const QString& name : loans.keys())
            files << name + ".kdx";
        for (const QString& file : files) {
            const QString name = file.chopped(4);
            const QByteArray have = recordsIn(file);
            if (file == "nimet.kdx"
                    ? have != records(names, 100) && (have != "<none>" || !filled(names).isEmpty())
                    : have != (loans.contains(name) ? records(loans[name], 30) : "<none>"))
                return file;
        }
        return {};
    }
};

// The update server in the sequences' reach: it refuses at once, as one that nobody runs does.
struct RefusingServer final : Transfers {
    Transfer fetch(const QUrl&, QIODevice&, const TransferLimits&) override {
        return {TransferFailure::Refused};
    }
};

// What the screen showed when a key or a click reached the window, before it acted.
struct Seen {
    QStringList boxes; // Uusi, Lainaaja1, LainaLisaa, Lainaaja, Mtlaina, the chosen loan
    QList<int> ticked;
    qsizetype messages = 0;
    bool idle = false; // nothing slid or blinked, so the command could not wait and find it gone
};

} // namespace

// Random sequences of a user's steps at any speed, from three registers, each on a fresh window;
// SALDORI_RANDOM_SEQUENCES and SALDORI_RANDOM_SEED choose how many sequences and which. Every
// command that changes data is checked against the model as it ends.
class RandomInputTest : public WindowTestCase {
    Q_OBJECT

    RegisterModel model;
    RefusingServer server;
    Seen seen;
    QString modelFault;
    Answer answer = Answer::Ok;
    bool endAsked = false;

    void open(int start) {
        w.reset();
        // The old folder goes first: on going it makes its predecessor the working folder again.
        dir.reset();
        dir = std::make_unique<TempWorkDir>();
        dialogs.shown.clear();
        model = {};
        modelFault.clear();
        endAsked = false;
        if (start == 1) {
            model.names = withAt(2, "Pekka", withAt(0, "Aino", QStringList(100)));
            model.loans = {{"Aino", withAt(1, "levy", withAt(0, "kirja", QStringList(30)))},
                           {"Pekka", QStringList(30)}};
        } else if (start == 2) {
            model.names = numbered("Nimi", 100);
            model.loans = {{"Nimi0", numbered("laina ", 30)}};
        }
        if (start != 0)
            writeRecordFile("nimet.kdx", model.names, 100);
        for (const auto& [name, loans] : model.loans.asKeyValueRange())
            writeRecordFile(name + ".kdx", loans, 30);
        transfers = &server;
        reopen();
        // Connected after the window's own handlers, so these run when a command has ended.
        for (const char* name : {"OK", "OK1", "Tallenna"})
            connect(c<QAbstractButton>(name), &QAbstractButton::clicked, this,
                    [this, name] { check(name); });
        for (const char* name : {"PLaina", "PLainaaja"})
            connect(c<MenuLabel>(name), &MenuLabel::clicked, this, [this, name] { check(name); });
        for (const auto& [box, name] :
             {std::pair("Uusi", "OK"), {"LainaLisaa", "OK1"}, {"Mtlaina", "Tallenna"}})
            connect(c<QLineEdit>(box), &QLineEdit::returnPressed, this,
                    [this, command = name] { check(command); });
    }

    // Sees what the screen shows as each key or click arrives, before the window acts on it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (w && (type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
                  type == QEvent::MouseButtonDblClick)) {
            const auto* laina = c<QListWidget>("Laina");
            seen = {{}, {}, dialogs.shown.size(), !running(*w)};
            for (const char* box : {"Uusi", "Lainaaja1", "LainaLisaa", "Lainaaja", "Mtlaina"})
                seen.boxes << (qobject_cast<QComboBox*>(c(box)) ? c<QComboBox>(box)->currentText()
                                                                : c<QLineEdit>(box)->text());
            seen.boxes << (laina->currentItem() ? laina->currentItem()->text() : QString());
            for (int row = 0; row < laina->count(); ++row)
                if (laina->item(row)->checkState() == Qt::Checked)
                    seen.ticked << row;
        }
        return QObject::eventFilter(watched, event);
    }

    // What the command should have done had it been taken: false where the register cannot
    // take it. A question after deleting the last loan is answered as the user did.
    bool taken(RegisterModel& m, const QString& command, bool asked) const {
        const QString &borrower = seen.boxes[3], &loanBorrower = seen.boxes[1].trimmed();
        if (command == "OK")
            return m.addBorrower(seen.boxes[0]);
        if (command == "OK1")
            return m.loans.contains(loanBorrower) && m.put(m.loans[loanBorrower], seen.boxes[2]);
        if (command == "Tallenna") // a borrower without a file gets one
            return m.put(m.loans[borrower] = m.loans.value(borrower, QStringList(30)),
                         seen.boxes[4], seen.boxes[5]);
        if (command == "PLaina") {
            m.drop(borrower, seen.ticked);
            return !asked || answer == Answer::Cancel || m.deleteBorrower(borrower);
        }
        return m.deleteBorrower(borrower);
    }

    // The first message decides: OK alone is a refusal; else the command was taken, unless it
    // waited for a slide and found its control gone.
    void check(const QString& command) {
        const QList<Message> shown = dialogs.shown.mid(seen.messages);
        const auto refusal = std::ranges::find(shown, Buttons::Ok, &Message::buttons);
        RegisterModel done = model;
        const bool possible = taken(done, command, refusal != shown.begin() && !shown.isEmpty());
        const bool refused = refusal == shown.begin() && !shown.isEmpty();
        const bool mustRun = seen.idle && !endAsked && !refused;
        const QString inputs = command + " on " + seen.boxes.join(u'|');
        if (!possible && mustRun)
            return fail("the register could not take " + inputs + ", and no message said so");
        if (!refused && possible && done.differingFile().isEmpty())
            model = done;
        else if (const QString file = model.differingFile(); !file.isEmpty() || mustRun)
            fail((file.isEmpty() ? done.differingFile() : file) + " is not the model's after " +
                 inputs);
    }

    void fail(const QString& fault) {
        if (modelFault.isEmpty())
            modelFault = fault;
    }

    bool usable(const QWidget* control) const {
        return control && control->isVisibleTo(w.get()) && control->isEnabled();
    }

    // What a user could click now: enabled controls in sight, and the entries of its lists.
    QStringList clickable() const {
        QStringList names;
        for (QWidget* control : w->findChildren<QWidget*>())
            if ((control->inherits("MenuLabel") || control->inherits("QPushButton")) &&
                usable(control))
                names << control->objectName();
        if (usable(c<QListWidget>("Laina")))
            for (const QString& entry : entries(c<QListWidget>("Laina")))
                names << "Laina>" + entry << "Laina:" + entry;
        for (const QComboBox* combo : {c<QComboBox>("Lainaaja"), c<QComboBox>("Lainaaja1")})
            if (usable(combo))
                for (const QString& entry : entries(combo))
                    names << combo->objectName() + '>' + entry;
        return names;
    }

    // A key, typed text, a while of ticks, a click (or two, or three), a drag, or the window's
    // close request; one ending in "!" answers its questions with Cancel.
    QString randomAction(std::mt19937& rng) const {
        const QString cancel = rng() % 2 ? "!" : "";
        const QStringList names = clickable();
        const QString name = names.isEmpty() ? "drag" : names[rng() % names.size()];
        switch (rng() % 8) {
        case 0:
            return kKeys[rng() % kKeys.size()] + cancel;
        case 1:
            return kTexts[rng() % kTexts.size()];
        case 2:
            return QString::number(rng() % 20);
        case 3:
            return rng() % 8 ? (rng() % 2 || name.contains(u'>') || name.contains(u':')
                                    ? "drag"
                                    : name + "*2" + cancel)
                             : "close";
        default:
            return name.contains(u'>') || name.contains(u':') || rng() % 8 ? name + cancel
                                                                           : name + "*3" + cancel;
        }
    }

    // A press, a move in steps and a release on the bare window.
    void drag() {
        QPoint at(2, 2);
        while (w->childAt(at) && at.y() < w->height() - 2)
            at += QPoint(1, 3);
        QTest::mousePress(w.get(), Qt::LeftButton, {}, at);
        for (int step = 1; step <= 3; ++step) {
            QMouseEvent move(QEvent::MouseMove, at + QPoint(step, step),
                             w->mapToGlobal(at + QPoint(step, step)), Qt::NoButton, Qt::LeftButton,
                             {});
            QApplication::sendEvent(w.get(), &move);
        }
        QTest::mouseRelease(w.get(), Qt::LeftButton, {}, at + QPoint(3, 3));
    }

    // At once, and only where a user could.
    void perform(QString action) {
        answer = action.endsWith(u'!') ? Answer::Cancel : Answer::Ok;
        dialogs.answers.clear();
        dialogs.answers.insert(0, 9, answer);
        action.chop(action.endsWith(u'!'));
        const bool triple = action.endsWith("*3");
        action.chop(triple ? 1 : 0);
        if (triple)
            action.back() = u'2';
        auto* control = w->findChild<QWidget*>(action.section(QRegularExpression("[>:*]"), 0, 0));
        auto* list = qobject_cast<QListWidget*>(control);
        auto* combo = qobject_cast<QComboBox*>(control);
        const QStringList inside = list ? entries(list) : combo ? entries(combo) : QStringList();
        QWidget* focus = QApplication::focusWidget();
        const bool onStop = focus && focus->objectName() == u"Lopeta";
        endAsked |= action == u"close" || action.startsWith(u"Lopeta") ||
                    (onStop && (action == u"Enter" || action == u"Space"));
        if (action == u"close")
            w->close();
        else if (action == u"drag")
            drag();
        else if (control ? usable(control) &&
                               (!action.contains(QRegularExpression("[>:]")) ||
                                inside.contains(action.section(QRegularExpression("[>:]"), 1)))
                         : focus != nullptr)
            act({"!" + action});
        if (triple && w->isVisible() && usable(control))
            click(control);
        // A drop-down list the pick did not reach is closed as a user would close it.
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        if (!w->isVisible() && !endAsked)
            fail("the window ended unasked");
        const QWidget* now = QApplication::focusWidget();
        if (!onStop && now && now->objectName() == u"Lopeta" && !kFocusKeys.contains(action))
            fail("the focus moved to Poistu by itself");
    }
    // At rest: panels whole, one label lit at most, the focus usable, or the program ended.
    QString restingFault() {
        tickAll(*w, 2000);
        if (running(*w))
            return "a timer never stops";
        if (!w->isVisible())
            return {};
        for (const auto& [name, height] : kOpenHeight.asKeyValueRange())
            if (const auto* panel = w->findChild<QWidget*>(name);
                Saldori::shown(panel) && twips::height(panel) != height)
                return name + " rests at " + QString::number(twips::height(panel));
        if (const int left = twips::left(c<QLabel>("ohjeteksti")); hintShown() && left != 80)
            return "the hint line rests at " + QString::number(left);
        int lit = 0;
        for (const MenuLabel* label : w->findChildren<MenuLabel*>()) {
            lit += colours::text(label) == colours::kYellow;
            if (colours::text(label) != colours::kGreen && colours::text(label) != colours::kYellow)
                return label->objectName() + " stays in a blink colour";
        }
        if (QWidget* focus = QApplication::focusWidget();
            focus && focus->window() == w.get() && !usable(focus))
            return "the focus is on " + focus->objectName() + ", which cannot be used";
        return lit > 1 ? "two labels are lit" : QString();
    }

    // The visible ways back must lead to the whole menu with no panel open.
    QString wayBackFault() {
        for (int step = 0; step < 8 && w->isVisible(); ++step) {
            const auto labels = w->findChildren<MenuLabel*>();
            if (std::ranges::all_of(labels, &QWidget::isEnabled) && !hintShown() &&
                std::ranges::none_of(w->findChildren<QGroupBox*>(), &Saldori::shown))
                return {};
            const auto back = std::find_if(kWaysBack.begin(), kWaysBack.end(), [&](auto& name) {
                return usable(w->findChild<QWidget*>(name));
            });
            if (back == kWaysBack.end())
                return "no way back to the menu";
            perform(*back);
            tickAll(*w, 2000);
        }
        return w->isVisible() ? "the way back never reaches the menu" : QString();
    }

    // Back at the menu the lists show the register the model holds, and the loans of the borrower
    // the box names.
    QString listsFault() const {
        const QStringList names = RegisterModel::filled(model.names);
        if (entries(c<QComboBox>("Lainaaja")) !=
            (names.isEmpty() ? QStringList{ui_text::kNoBorrowers} : names))
            return "the borrower list is not the register";
        const QString shownBorrower = c<QComboBox>("Lainaaja")->currentText();
        const QStringList loans = RegisterModel::filled(model.loans.value(shownBorrower));
        const QStringList shownLoans = entries(c<QListWidget>("Laina"));
        return model.names.contains(shownBorrower) && !shownLoans.isEmpty() &&
                       shownLoans != (loans.isEmpty() ? QStringList{ui_text::kNoLoans} : loans)
                   ? "the loan list is not the borrower's file"
                   : QString();
    }

    QString play(int start, QStringList& actions, std::mt19937* rng = nullptr, int length = 0) {
        open(start);
        for (int i = 0; rng ? i < length : i < actions.size(); ++i) {
            if (rng)
                actions << randomAction(*rng);
            perform(actions[i]);
            if (!modelFault.isEmpty())
                return modelFault;
        }
        for (const QString& fault : {restingFault(), wayBackFault()})
            if (!fault.isEmpty())
                return fault;
        if (const QString file = model.differingFile(); !file.isEmpty())
            return file + " is not what the model holds";
        if (w->isVisible())
            if (const QString fault = listsFault(); !fault.isEmpty())
                return fault;
        return dialogs.shown.contains(msg::kVirhe) ? "Virhe!" : QString();
    }

    void playSeeds(uint first, int count) {
        for (uint seed = first; seed < first + uint(count); ++seed) {
            std::mt19937 rng(seed);
            QStringList actions;
            if (const QString fault = play(int(seed % 3), actions, &rng, 1 + int(rng() % 40));
                !fault.isEmpty())
                QFAIL(qPrintable(
                    QString("seed %1: %2 after\n  %3").arg(seed).arg(fault, actions.join("\n  "))));
        }
    }

  private slots:
    void initTestCase() {
        QApplication::setCursorFlashTime(0);
        qApp->installEventFilter(this);
    }

    // The same sequences every run, and fresh ones whose first seed is printed to replay them.
    void sequencesDoWhatTheUserAsked() {
        if (qEnvironmentVariableIsSet("SALDORI_RANDOM_SEQUENCES"))
            return playSeeds(uint(qEnvironmentVariableIntValue("SALDORI_RANDOM_SEED")),
                             qEnvironmentVariableIntValue("SALDORI_RANDOM_SEQUENCES"));
        playSeeds(0, 2000);
        const uint fresh = QRandomGenerator::system()->bounded(1u << 30) + 2000;
        qInfo("fresh sequences from SALDORI_RANDOM_SEED=%u", fresh);
        playSeeds(fresh, 500);
    }
};

QTEST_MAIN(RandomInputTest)
#include "tst_random_input.moc"
