#include "ui/Accessibility.h"

#include "ui/MenuLabel.h"

#include <QAccessibleWidget>
#include <array>

namespace accessibility {
namespace {

struct Name {
    const char* control;
    const char* name;
};

// Line edits, combo boxes and the loan list take their name from the caption beside them; the
// "<<" buttons from their tool tips, since "<<" cannot be spoken.
constexpr std::array kNames = {
    Name{"Lainaaja", "Lainaajan nimi"}, Name{"Laina", "Lainat"},
    Name{"Uusi", "Lainaajan nimi"},     Name{"Lainaaja1", "Lainaajan nimi"},
    Name{"LainaLisaa", "Laina"},        Name{"Mtlaina", "Muokattava laina"},
    Name{"URL", "Päivityksen osoite"},  Name{"Ikoni", "Saldorin kuvake"},
    Name{"Command1", "Takaisin"},       Name{"takaisin2", "Poistu ohjeesta"},
};

// A menu label reads its caption and offers the press action a button offers.
class MenuLabelInterface : public QAccessibleWidget {
  public:
    explicit MenuLabelInterface(MenuLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    MenuLabel* label() const { return static_cast<MenuLabel*>(widget()); }
};

QAccessibleInterface* menuLabelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("MenuLabel"))
        return new MenuLabelInterface(static_cast<MenuLabel*>(object));
    return nullptr;
}

} // namespace

void describe(QWidget* window) {
    static const bool installed = (QAccessible::installFactory(menuLabelInterface), true);
    Q_UNUSED(installed);
    for (const Name& entry : kNames) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(entry.control));
        Q_ASSERT(control);
        control->setAccessibleName(QString::fromUtf8(entry.name));
    }
}

} // namespace accessibility
