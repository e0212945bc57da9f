// Taking changes back and doing them again from the main screen: the keys, the lists' context
// menus, the delete labels' tool tips, and the step itself, after which the lists show the files
// and the borrower the change concerned is picked again.
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
#include <functional>

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

// Beside the loan list for the eye, and to a screen reader.
void tell(QWidget* window, QWidget* list, const QString& text) {
    QToolTip::showText(list->mapToGlobal(QPoint(0, 0)), text, list);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(window, text);
    QAccessible::updateAccessibility(&announcement);
#else
    Q_UNUSED(window);
#endif
}

// Behind the box's own entries, where it has them; run takes true for undo, false for redo.
void showHistoryMenu(QMenu* menu, QPoint at, ledger::History& history, bool usable,
                     const std::function<void(bool undo)>& run) {
    if (!menu->isEmpty())
        menu->addSeparator();
    for (const bool undo : {true, false}) {
        const auto set = undo ? history.undoable() : history.redoable();
        QAction* action = menu->addAction((undo ? kUndo : kRedo) +
                                          (set ? QStringLiteral(": ") + set->subject : QString()));
        action->setShortcut(kKeys[undo ? 0 : 1].first);
        action->setEnabled(set && usable);
        QObject::connect(action, &QAction::triggered, menu, [run, undo] { run(undo); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

} // namespace

// No panel open and no walkthrough on: what the lists show is what the step changes.
bool Saldori::onMainScreen() const {
    const auto panels = panelFocus();
    return !guidedHelp() && std::none_of(panels.begin(), panels.end(),
                                         [](const auto& panel) { return shown(panel.first); });
}

// Afterwards the lists show the files, and the borrower the change concerned is picked again.
void Saldori::takeChange(bool back) {
    if (!onMainScreen())
        return;
    ledger::History& history = ledger_.history();
    const std::optional<ledger::ChangeSet> set = back ? history.undoable() : history.redoable();
    if (!set)
        return tell(this, Laina, back ? kNothingToUndo : kNothingToRedo);
    const ledger::Outcome outcome = back ? ledger_.undo() : ledger_.redo();
    Lainaaja->clear();
    Laina->clear();
    LisaaNimet();
    if (ledger_.kenen().isEmpty()) {
        Lainaaja->showNobody();
    } else {
        setComboText(Lainaaja, ledger_.kenen());
        Lainaaja_Click();
    }
    if (saved(outcome))
        tell(this, Laina, (back ? kUndone : kRedone) + set->subject);
}

void Saldori::Kumoa() {
    takeChange(true);
}

void Saldori::TeeUudelleen() {
    takeChange(false);
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

    const auto run = [this](bool undo) {
        runCommand(Lainaaja, undo ? &Saldori::Kumoa : &Saldori::TeeUudelleen);
    };
    Laina->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Laina, &QListWidget::customContextMenuRequested, this, [this, run](QPoint at) {
        showHistoryMenu(new QMenu(this), Laina->viewport()->mapToGlobal(at), ledger_.history(),
                        onMainScreen(), run);
    });
    QLineEdit* box = Lainaaja->lineEdit();
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QLineEdit::customContextMenuRequested, this, [this, box, run](QPoint at) {
        showHistoryMenu(box->createStandardContextMenu(), box->mapToGlobal(at), ledger_.history(),
                        onMainScreen(), run);
    });
}
