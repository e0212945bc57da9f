#include "ui/Accessibility.h"

#include "ui/LoanListInterface.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <array>

namespace accessibility {
namespace {

struct Name {
    const char* control;
    const char* name;
};

// Line edits, combo boxes and the loan list take their name from the caption beside them; the
// "<<" buttons from their tool tips, since "<<" cannot be spoken.
// clang-format off
constexpr std::array kNames = {
    Name{"Lainaaja", "Lainaajan nimi"},
    Name{"Laina", "Lainat"},
    Name{"Uusi", "Lainaajan nimi"},
    Name{"Lainaaja1", "Lainaajan nimi"},
    Name{"LainaLisaa", "Laina"},
    Name{"Mtlaina", "Muokattava laina"},
    Name{"URL", "Päivityksen osoite"},
    Name{"Ikoni", "Saldorin kuvake"},
    Name{"Command1", "Takaisin"},
    Name{"takaisin2", "Poistu ohjeesta"},
    // The menu's "Poistu" ends the program, the panel's leaves the panel: Tab joins the two.
    Name{"Lopeta", "Poistu ohjelmasta"},
    Name{"sulje2", "Poistu lainan lisäyksestä"},
};
// clang-format on

// Captions that stand beside their control label it for a screen reader too (labelled-by).
constexpr std::array<std::pair<const char*, const char*>, 3> kCaptionOf = {{
    {"Label3", "Uusi"},
    {"Label1", "Lainaaja1"},
    {"Label2", "LainaLisaa"},
}};

// A label reads its caption, as Qt's own interface for labels does.
class LabelInterface : public QAccessibleWidget {
  public:
    LabelInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// A menu label or a link offers the press action a button offers, and presses later, as a
// button does: a press that opens a message box must not keep the reader waiting for its answer
// until the box is closed.
class PressableLabelInterface : public LabelInterface {
  public:
    using LabelInterface::LabelInterface;

    QStringList actionNames() const override {
        return QStringList{pressAction()} + LabelInterface::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
        else
            LabelInterface::doAction(action);
    }
};

// Qt on Linux names a combo box by the text it holds, so that a borrower's name would be heard
// where the box's caption belongs; this one is named by its caption and holds its text as value.
class ComboBoxInterface : public QAccessibleWidget {
  public:
    explicit ComboBoxInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// The window is a frame to a reader, as a main window is; the hint line is the walkthrough's
// voice, which a reader speaks as a notification each time it shows anew.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String("MenuLabel"))
        return new PressableLabelInterface(static_cast<QLabel*>(object), QAccessible::Button);
    if (className == QLatin1String("LinkLabel"))
        return new PressableLabelInterface(static_cast<QLabel*>(object), QAccessible::Link);
    if (className == QLatin1String("HintLabel"))
        return new LabelInterface(static_cast<QLabel*>(object), QAccessible::Notification);
    if (className == QLatin1String("QComboBox"))
        return new ComboBoxInterface(static_cast<QComboBox*>(object));
    if (className == QLatin1String("LoanList"))
        return new LoanListInterface(static_cast<QListWidget*>(object));
    if (className == QLatin1String("Saldori"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installInterfaces() {
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
}

void describe(QWidget* window) {
    installInterfaces();
    for (const Name& entry : kNames) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(entry.control));
        Q_ASSERT(control);
        control->setAccessibleName(QString::fromUtf8(entry.name));
        // The line edit of a combo box is what a screen reader meets when typing into the box.
        if (auto* box = qobject_cast<QComboBox*>(control))
            box->lineEdit()->setAccessibleName(box->accessibleName());
    }
    for (const auto& [caption, control] : kCaptionOf) {
        window->findChild<QLabel*>(QString::fromLatin1(caption))
            ->setBuddy(window->findChild<QWidget*>(QString::fromLatin1(control)));
    }
    auto* loans = window->findChild<QListWidget*>(QStringLiteral("Laina"));
    QObject::connect(loans, &QListWidget::itemChanged, loans,
                     [loans](QListWidgetItem* loan) { announceTick(loans, loans->row(loan)); });
}

} // namespace accessibility
