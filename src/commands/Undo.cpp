// Taking changes back and doing them again from the main screen: the keys, the lists' context
// menus, the delete labels' tool tips, and the step itself, after which the lists show the files
// and the borrower the change concerned is picked again.
#include "ui/Hints.h"
#include "ui/ListFilling.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QToolTip>

namespace {

const QString kUndo = QStringLiteral("Kumoa");
const QString kRedo = QStringLiteral("Tee uudelleen");
const QString kUndone = QStringLiteral("Kumottu: ");
const QString kRedone = QStringLiteral("Tehty uudelleen: ");
const QString kNothingToUndo = QStringLiteral("Ei kumottavaa muutosta.");
const QString kNothingToRedo = QStringLiteral("Ei uudelleen tehtävää muutosta.");
const QString kDeleteTip =
    QStringLiteral("Poiston voi perua: Ctrl+Z kumoaa viimeisen muutoksen, myös ohjelman "
                   "uudelleenkäynnistyksen jälkeen, ja Ctrl+Shift+Z tekee sen uudelleen.");

// The keys of undo (true) and redo (false).
const std::pair<QKeyCombination, bool> kKeys[] = {
    {Qt::CTRL | Qt::Key_Z, true},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, false},
    {Qt::CTRL | Qt::Key_Y, false},
};

// A text box keeps its own undo and redo while it has typing to take back or do again.
class TypingFirst : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        // An editable combo box hands the key straight to its box, past the box's filters.
        const auto* combo = qobject_cast<QComboBox*>(watched);
        const QLineEdit* box = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(watched);
        if (box == nullptr)
            return false;
        const QKeyCombination pressed = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const auto& [keys, undo] : kKeys) {
            if (pressed == keys)
                return !(undo ? box->isUndoAvailable() : box->isRedoAvailable());
        }
        return false;
    }
};

} // namespace

struct Saldori::HistorySteps {
    // No panel open and no walkthrough on: what the lists show is what the step changes.
    static bool onMainScreen(const Saldori& w) {
        const auto panels = w.panelFocus();
        return !w.guidedHelp() && std::none_of(panels.begin(), panels.end(), [](const auto& panel) {
            return shown(panel.first);
        });
    }

    static void take(Saldori& w, bool back) {
        if (!onMainScreen(w))
            return;
        ledger::History& history = w.ledger_.history();
        const std::optional<ledger::ChangeSet> set = back ? history.undoable() : history.redoable();
        if (!set)
            return tell(w, back ? kNothingToUndo : kNothingToRedo);
        const ledger::Outcome outcome = back ? w.ledger_.undo() : w.ledger_.redo();
        showPicked(w);
        if (w.saved(outcome))
            tell(w, (back ? kUndone : kRedone) + set->subject);
    }

    static void showPicked(Saldori& w) {
        w.Lainaaja->clear();
        w.Laina->clear();
        w.LisaaNimet();
        const QString borrower = w.ledger_.kenen();
        setComboText(w.Lainaaja, borrower);
        if (borrower != ui_text::kPrompt)
            w.Lainaaja_Click();
    }

    // Beside the loan list for the eye, and to a screen reader.
    static void tell(Saldori& w, const QString& text) {
        QToolTip::showText(w.Laina->mapToGlobal(QPoint(0, 0)), text, w.Laina);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent announcement(&w, text);
        QAccessible::updateAccessibility(&announcement);
#endif
    }

    // Behind the box's own entries, where it has them.
    static void showMenu(Saldori& w, QMenu* menu, QPoint at) {
        ledger::History& history = w.ledger_.history();
        if (!menu->isEmpty())
            menu->addSeparator();
        const bool usable = onMainScreen(w);
        for (const bool undo : {true, false}) {
            const auto set = undo ? history.undoable() : history.redoable();
            QAction* action = menu->addAction(
                (undo ? kUndo : kRedo) + (set ? QStringLiteral(": ") + set->subject : QString()));
            action->setShortcut(kKeys[undo ? 0 : 1].first);
            action->setEnabled(set && usable);
            const auto handler = undo ? &Saldori::Kumoa : &Saldori::TeeUudelleen;
            connect(action, &QAction::triggered, &w,
                    [&w, handler] { w.runCommand(w.Lainaaja, handler); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }
};

void Saldori::Kumoa() {
    HistorySteps::take(*this, true);
}

void Saldori::TeeUudelleen() {
    HistorySteps::take(*this, false);
}

void Saldori::connectHistory() {
    for (const auto& [keys, undo] : kKeys) {
        const auto handler = undo ? &Saldori::Kumoa : &Saldori::TeeUudelleen;
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, handler] { runCommand(Lainaaja, handler); });
    }
    auto* typingFirst = new TypingFirst(this);
    for (QWidget* box : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box))
            box->installEventFilter(typingFirst);
    }
    PLainaaja->setToolTip(kDeleteTip);
    PLaina->setToolTip(kDeleteTip);

    Laina->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Laina, &QListWidget::customContextMenuRequested, this, [this](QPoint at) {
        HistorySteps::showMenu(*this, new QMenu(this), Laina->viewport()->mapToGlobal(at));
    });
    QLineEdit* box = Lainaaja->lineEdit();
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QLineEdit::customContextMenuRequested, this, [this, box](QPoint at) {
        HistorySteps::showMenu(*this, box->createStandardContextMenu(), box->mapToGlobal(at));
    });
}
