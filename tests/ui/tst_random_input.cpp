#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

#include <random>

namespace {

const QStringList kTexts = {"Aino", "Liisa", "x", " Pekka ", "kirja"};
const QStringList kKeys = {"Enter", "Space", "Esc", "Tab", "Backtab"};
// At rest an open panel has its full height.
const QMap<QString, int> kOpenHeight = {{"Add", 1095},      {"Add1", 1815}, {"Muokkaus", 1650},
                                        {"apu", 1095},      {"Ohje", 855},  {"Tietoa", 1455},
                                        {"WebUpdate", 1100}};
const QStringList kWaysBack = {"OK2",      "Command1", "takaisin2", "takaisin",
                               "Command3", "sulje2",   "sulje1"};

} // namespace

// Random sequences of a user's steps at any speed, from three registers, each on a fresh window;
// SALDORI_RANDOM_SEQUENCES and SALDORI_RANDOM_SEED choose how many sequences and which.
class RandomInputTest : public WindowTestCase {
    Q_OBJECT

    void open(int start) {
        w.reset();
        // The old folder goes first: on going it makes its predecessor the working folder again.
        dir.reset();
        dir = std::make_unique<TempWorkDir>();
        dialogs.shown.clear();
        if (start == 1) {
            writeRecordFile("nimet.kdx", {"Aino", "", "Pekka"}, 100);
            writeRecordFile("Aino.kdx", {"kirja", "levy"}, 30);
            writeRecordFile("Pekka.kdx", {}, 30);
        } else if (start == 2) {
            writeRecordFile("nimet.kdx", numbered("Nimi", 100), 100);
            writeRecordFile("Nimi0.kdx", numbered("laina ", 30), 30);
        }
        reopen();
        w->findChild<QLineEdit*>("URL")->setText("http://127.0.0.1:9/versio.kdx");
    }

    bool usable(const QWidget* control) const {
        return control && control->isVisibleTo(w.get()) && control->isEnabled();
    }

    // What a user could click now: enabled controls in sight, and the entries of its lists.
    QStringList clickable() const {
        QStringList names;
        for (QWidget* control : w->findChildren<QWidget*>())
            if ((control->inherits("MenuLabel") || control->inherits("QPushButton")) &&
                usable(control) && control != c<MenuLabel>("Lopeta"))
                names << control->objectName();
        if (usable(c<QListWidget>("Laina")))
            for (const QString& entry : entries(c<QListWidget>("Laina")))
                names << "Laina>" + entry;
        for (const QComboBox* combo : {c<QComboBox>("Lainaaja"), c<QComboBox>("Lainaaja1")})
            if (usable(combo))
                for (const QString& entry : entries(combo))
                    names << combo->objectName() + '>' + entry;
        return names;
    }

    // A key, typed text, a while of ticks or a click; one ending in "!" cancels its messages.
    QString randomAction(std::mt19937& rng) const {
        const QString cancel = rng() % 2 ? "!" : "";
        const QStringList names = clickable();
        switch (rng() % 5) {
        case 0:
            return kKeys[rng() % kKeys.size()] + cancel;
        case 1:
            return kTexts[rng() % kTexts.size()];
        case 2:
            return QString::number(rng() % 20);
        default:
            return names.isEmpty() ? "1" : names[rng() % names.size()] + cancel;
        }
    }

    // At once, and only where a user could: a shortened sequence may name what is gone.
    void perform(QString action) {
        dialogs.answers.clear();
        dialogs.answers.insert(0, 9, action.endsWith(u'!') ? Answer::Cancel : Answer::Ok);
        action.chop(action.endsWith(u'!'));
        auto* control = w->findChild<QWidget*>(action.section(u'>', 0, 0));
        auto* list = qobject_cast<QListWidget*>(control);
        auto* combo = qobject_cast<QComboBox*>(control);
        const QStringList inside = list ? entries(list) : combo ? entries(combo) : QStringList();
        if (control ? usable(control) &&
                          (!action.contains(u'>') || inside.contains(action.section(u'>', 1)))
                    : QApplication::focusWidget() != nullptr)
            act({"!" + action});
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
        if (QWidget* focus = QApplication::focusWidget(); focus && !usable(focus))
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

    // Whole files, and the borrower list shows the register.
    QString filesFault() {
        for (const QString& file : QDir().entryList({"*.kdx"}, QDir::Files)) {
            const QRegularExpression whole(
                u"^[^\n]*\n([^\r\n]*×\r\n){%1}$"_qs.arg(file == "nimet.kdx" ? 100 : 30));
            if (!whole.match(QString::fromLatin1(readBytes(file))).hasMatch())
                return file + " is not whole";
        }
        const QStringList names = QString::fromLatin1(recordsIn("nimet.kdx"))
                                      .remove(u'×')
                                      .split("\r\n", Qt::SkipEmptyParts);
        const bool shown = entries(c<QComboBox>("Lainaaja")) ==
                           (names.isEmpty() ? QStringList{ui_text::kNoBorrowers} : names);
        return shown || !QFile::exists("nimet.kdx") || !w->isVisible()
                   ? QString()
                   : "the borrower list is not the register";
    }

    QString play(int start, QStringList& actions, std::mt19937* rng = nullptr, int length = 0) {
        open(start);
        for (int i = 0; rng ? i < length : i < actions.size(); ++i) {
            if (rng)
                actions << randomAction(*rng);
            perform(actions[i]);
        }
        for (const QString& fault : {restingFault(), wayBackFault(), filesFault()})
            if (!fault.isEmpty())
                return fault;
        return dialogs.shown.contains(msg::kVirhe) ? "Virhe!" : QString();
    }

  private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    void sequencesLeaveTheWindowUsable() {
        const bool set = qEnvironmentVariableIsSet("SALDORI_RANDOM_SEQUENCES");
        const int count = set ? qEnvironmentVariableIntValue("SALDORI_RANDOM_SEQUENCES") : 2000;
        const auto first = uint(qEnvironmentVariableIntValue("SALDORI_RANDOM_SEED"));
        for (uint seed = first; seed < first + uint(count); ++seed) {
            std::mt19937 rng(seed);
            QStringList actions;
            if (const QString fault = play(int(seed % 3), actions, &rng, 1 + int(rng() % 12));
                !fault.isEmpty())
                QFAIL(qPrintable(
                    QString("seed %1: %2 after\n  %3").arg(seed).arg(fault, actions.join("\n  "))));
        }
    }
};

QTEST_MAIN(RandomInputTest)
#include "tst_random_input.moc"
