// The window's surface: its controls, each where the layout puts it, in its looks, in the tab
// order, on the backdrop.
#include "ui/SaldoriScreen.h"

#include "platform/Dialogs.h"
#include "platform/Transfers.h"
#include "ui/BakedImages.h"
#include "ui/Colours.h"
#include "ui/HintLabel.h"
#include "ui/Layout.h"
#include "ui/LoanList.h"
#include "ui/MenuLabel.h"
#include "ui/Panels.h"
#include "ui/PickComboBox.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

template <typename Widget> Widget* make(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void setCaption(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
}

// The fonts the window was drawn with, followed by close stand-ins found on Linux desktops.
QFont fontOf(const QStringList& families, qreal points, bool bold = false) {
    QFont f;
    f.setFamilies(families +
                  QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A picture at its own size and at twice that, so that a high-density screen draws it sharp.
QIcon picture(QStringView once, QStringView twice) {
    QIcon icon;
    for (const QStringView name : {once, twice})
        icon.addPixmap(QPixmap::fromImage(baked::image(name)));
    return icon;
}

const QSize kBackdropSize(115, 235);

const QStringList kDialogFont = {QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif")};

} // namespace

SaldoriScreen::SaldoriScreen(Transfers* transfers, QWidget* parent)
    : QWidget(parent), AutoUpdate(transfers) {
    setObjectName(QStringLiteral("Saldori"));
    setWindowTitle(kAppTitle);
    setWindowIcon(picture(u"icon.png", u"saldori-64.png"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(layout::kWindowWidth / twips::kPerPixel, layout::kWindowHeight / twips::kPerPixel);
    setMouseTracking(true);
    buildControls();
    applyLayout();
    applyLooks();
    setTabOrder();
    // The borrower box opens on the prompt that its layout gives it.
    Lainaaja->showNobody();
}

bool SaldoriScreen::shown(const QWidget* widget) {
    return !widget->isHidden();
}

std::array<MenuLabel*, 7> SaldoriScreen::menuLabels() const {
    return {LLainaaja, LLaina, PLainaaja, PLaina, Muokkaa, Apua, Lopeta};
}

// In the order the menu is switched: the edit command comes before the two deletions.
std::array<MenuLabel*, 6> SaldoriScreen::switchableMenuLabels() const {
    return {LLainaaja, LLaina, Muokkaa, PLainaaja, PLaina, Apua};
}

// Each density's picture is unpacked when a screen of that density first needs it.
void SaldoriScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool dense = devicePixelRatioF() > 1;
    QImage& backdrop = backdrop_[dense];
    if (backdrop.isNull())
        backdrop = baked::image(dense ? u"backdrop@2x.png" : u"backdrop.png");
    painter.drawImage(QRect(QPoint(0, 0), kBackdropSize), backdrop);
}

void SaldoriScreen::buildControls() {
    // The face and font before the controls, so that each is made with them rather than
    // changed to them afterwards.
    QPalette face = palette();
    face.setColor(QPalette::Window, colours::kFace);
    setPalette(face);
    setFont(fontOf(kDialogFont, 8.25));
    LLainaaja = make<MenuLabel>(this, "LLainaaja");
    LLaina = make<MenuLabel>(this, "LLaina");
    PLainaaja = make<MenuLabel>(this, "PLainaaja");
    PLaina = make<MenuLabel>(this, "PLaina");
    Muokkaa = make<MenuLabel>(this, "Muokkaa");
    Apua = make<MenuLabel>(this, "Apua");
    Lopeta = make<MenuLabel>(this, "Lopeta");

    Lainaaja = make<PickComboBox>(this, "Lainaaja");
    Lainaaja->setEditable(true);
    Laina = make<LoanList>(this, "Laina");
    CopyR = make<QLabel>(this, "CopyR");

    Add = new AddBorrowerPanel(this);
    Add1 = new AddLoansPanel(this);
    Muokkaus = new EditLoanPanel(this);
    apu = new HelpMenuPanel(this);
    Ohje = new TopicsPanel(this);
    // The help menu lies under the update panel, which opens over it.
    WebUpdate = new UpdatePanel(this);
    if (AutoUpdate == nullptr)
        AutoUpdate = make<ModuleTransfers>(WebUpdate, "AutoUpdate");
    Tietoa = new AboutPanel(this);

    // The hint line and its button slide over the menu column, so they lie on top.
    ohjeteksti = make<HintLabel>(this, "ohjeteksti");
    takaisin2 = make<QPushButton>(this, "takaisin2");
    ohjeteksti->keepAbove(takaisin2);

    for (const char* name : {"Line1", "Line2", "Line3", "Line4"})
        make<QWidget>(this, name);
}

void SaldoriScreen::applyLayout() {
    for (const layout::Row& row : layout::rows()) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(row.name));
        Q_ASSERT(widget);
        twips::place(widget, row.left, row.top, row.width, row.height);
        setCaption(widget, row.text);
        widget->setToolTip(row.toolTip);
        widget->setVisible(row.visible);
    }
    for (const layout::LineRow& line : layout::lines()) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(line.name));
        const int half = twips::kPerPixel;
        const int left = std::min(line.x1, line.x2);
        const int top = std::min(line.y1, line.y2);
        if (line.y1 == line.y2)
            twips::place(widget, left, top - half, std::abs(line.x2 - line.x1), 2 * half);
        else
            twips::place(widget, left - half, top, 2 * half, std::abs(line.y2 - line.y1));
    }
}

void SaldoriScreen::applyLooks() {
    for (MenuLabel* label : menuLabels()) {
        label->setFont(fontOf({QStringLiteral("Arial")}, 8.25));
        colours::setText(label, colours::kGreen);
        label->setMouseTracking(true);
    }
    Apua->setAlignment(Qt::AlignCenter);
    Lopeta->setAlignment(Qt::AlignCenter);

    // Names are exact: no completion that would turn a typed "a" into someone's "Aino".
    for (QComboBox* combo : std::initializer_list<QComboBox*>{Lainaaja, Add1->Lainaaja1})
        combo->setCompleter(nullptr);
    Lainaaja->setInsertPolicy(QComboBox::NoInsert);
    Lainaaja->setFont(fontOf({QStringLiteral("Franklin Gothic Book")}, 9.75));
    Add1->Lainaaja1->setInsertPolicy(QComboBox::NoInsert);
    Laina->setFont(fontOf({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 8.25));
    colours::setBackground(Laina, colours::kWhite);

    // Centred labels are centred across; their text starts at the top.
    for (QLabel* label :
         {CopyR, static_cast<QLabel*>(ohjeteksti), Add1->Label1, Muokkaus->Label5, WebUpdate->tila})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colours::setText(CopyR, colours::kRed);
    ohjeteksti->setWordWrap(true);
    colours::setText(ohjeteksti, colours::kCyan);
    Muokkaus->Label5->setWordWrap(true);

    // A panel hides what lies behind it, as the update panel does the help menu.
    for (QGroupBox* panel :
         std::initializer_list<QGroupBox*>{Add, Add1, Muokkaus, apu, Ohje, WebUpdate, Tietoa})
        panel->setAutoFillBackground(true);

    Tietoa->Ikoni->setPixmap(windowIcon().pixmap(32, 32));
    Tietoa->OK2->setFont(fontOf(kDialogFont, 8.25, true));
    Tietoa->SaldoriNimi->setFont(fontOf(kDialogFont, 24));

    for (const layout::LineRow& row : layout::lines()) {
        auto* line = findChild<QWidget*>(QString::fromLatin1(row.name));
        QPalette ink = line->palette();
        ink.setColor(QPalette::Window, colours::systemText());
        line->setPalette(ink);
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void SaldoriScreen::setTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : layout::tabOrder()) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    // The menu labels, made first, lead the focus chain; the window still opens in the first
    // control of the tab order.
    findChild<QWidget*>(QString::fromLatin1(layout::tabOrder().front()))->setFocus();
}
