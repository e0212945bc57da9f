#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

namespace {

// Fingerprints of the reviewed pictures of each screen (SHA-1 of its pixels, first 16 digits).
const QHash<QString, QByteArray> kReviewedLooks = {
    // clang-format off
    {"about", "30df30095bce823f"}, {"add-borrower", "2a102f0195f63c35"},
    {"add-borrower-closed", "f2a63e1571f86992"}, {"add-loans", "62161397862fc7a7"},
    {"add-loans-closed", "f2a63e1571f86992"}, {"edit", "0f445b6c8f5b0c17"},
    {"edit-closed", "7b0d7723957fe215"}, {"guided-help", "58797614801750eb"},
    {"help-menu", "28afebdd301f69b8"}, {"help-menu-about-closed", "050c5faa14d41a51"},
    {"help-menu-topics-closed", "b7be4f42462dbcfb"}, {"start-empty", "c73db7a18b493f1e"},
    {"start-loans", "725b511ecb47edb1"}, {"topics", "4196343f35911759"},
    // clang-format on
};

// Compares the window pixel for pixel with its reviewed look. A mismatch, or
// SALDORI_RECORD_GOLDEN=1, leaves the actual picture and its fingerprint by the test for review.
void compareWithGolden(QWidget* window, const QString& name) {
    const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QByteArray look =
        QCryptographicHash::hash(QByteArrayView(actual.constBits(), actual.sizeInBytes()),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const bool recording = qEnvironmentVariableIntValue("SALDORI_RECORD_GOLDEN") == 1;
    if (look == kReviewedLooks.value(name) && !recording)
        return;
    const QString out = QCoreApplication::applicationDirPath() + "/golden-mismatch/" + name;
    QDir().mkpath(QFileInfo(out).path());
    actual.save(out + ".png");
    qInfo("{\"%s\", \"%s\"},", qPrintable(name), look.constData());
    QVERIFY2(recording, qPrintable(name + " differs from its reviewed look; see " + out + ".png"));
}

// The label that opens a panel, the button that closes it, the ticks to open, close, open again and
// close again.
using PanelRow = std::tuple<QString, QString, QList<int>>;

// G green, Y yellow, C any other colour.
QColor colourOf(QChar code) {
    return code == u'G' ? colours::kGreen : code == u'Y' ? colours::kYellow : colours::kCyan;
}

// A point of the window given in twips, as the layout is.
QPoint at(int leftTwips, int topTwips) {
    return {leftTwips / 15, topTwips / 15};
}

// The menu column's backdrop below "Muokkaa", clear of every control.
const QPoint kSurface = at(750, 1800);

// The menu's colours before, where the mouse goes, whether a blink runs, the colours after.
using HoverRow = std::tuple<QString, QPoint, bool, QString>;

struct RecordingOpener final : AddressOpener {
    void open(const QUrl& address) override { opened << address.toString(); }
    QStringList opened;
};

// Steps (an action, the hint it brings); after them, a file, the records it holds, the borrowers.
using Walk = std::tuple<QList<std::pair<QString, QString>>, QString, QStringList, QStringList>;

} // namespace

// The window as a user sees and drives it: its screens and panels in their ticks, the menu that
// follows the mouse and flashes when clicked, the surface that drags the window, and help.
class WindowTest : public WindowTestCase {
    Q_OBJECT

    void openOnAinosLoans() {
        writeRecordFile("nimet.kdx", {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"}, 30);
        reopen();
        pickFromList(w->Lainaaja, "Aino");
        clickEntry(w->Laina, "kirja");
        tickEntry(w->Laina, "10,50 € maitoa");
    }

    QList<MenuLabel*> menu() const {
        return {w->LLainaaja, w->LLaina, w->PLainaaja, w->PLaina, w->Muokkaa, w->Apua, w->Lopeta};
    }
    QStringList enabledMenuLabels() const {
        QStringList enabled;
        for (const MenuLabel* label : menu())
            if (label->isEnabled())
                enabled << label->objectName();
        return enabled;
    }

    // One letter per menu label, in menu order.
    QString colourCodes() const {
        QString codes;
        for (const MenuLabel* label : menu()) {
            const QColor colour = colours::text(label);
            codes += colour == colours::kGreen ? u'G' : colour == colours::kYellow ? u'Y' : u'C';
        }
        return codes;
    }

    // Settles, then clicks a name or picks or ticks "box>entry"; other text is keys, typed at once.
    void act(const QStringList& actions) {
        for (const QString& action : actions) {
            auto* control = w->findChild<QWidget*>(action.section(u'>', 0, 0));
            if (control)
                settleAll(*w);
            if (auto* combo = qobject_cast<QComboBox*>(control); combo)
                pickFromList(combo, action.section(u'>', 1));
            else if (auto* list = qobject_cast<QListWidget*>(control))
                tickEntry(list, action.section(u'>', 1));
            else if (control)
                click(control);
            else
                QTest::keyClicks(QApplication::focusWidget(), action);
        }
    }

    // The help timer's ticks until the hint line stops, where it and its button end.
    QList<int> slide() {
        return {settleAll(*w), twips::left(w->ohjeteksti), twips::left(w->takaisin2)};
    }

  private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    // Also run alone on a screen scaled to 200 %: the window and every control grow with it.
    void scaledStartUp() {
        const qreal scale = w->devicePixelRatioF();
        QCOMPARE(w->grab().toImage().size(), QSize(400, 235) * scale);
        // The borrower box stands at (1680, 120) twips, 4215 x 375 twips large.
        const QRect box(w->Lainaaja->mapTo(w.get(), QPoint(0, 0)) * scale,
                        w->Lainaaja->grab().size());
        QCOMPARE(box, QRect(QPoint(112, 8) * scale, QSize(281, 25) * scale));
    }

    void startUp() {
        compareWithGolden(w.get(), "start-empty");
        openOnAinosLoans();
        compareWithGolden(w.get(), "start-loans");
    }

    void panel_data() {
        QTest::addColumn<PanelRow>("row");
        // clang-format off
        QTest::newRow("add-borrower") << PanelRow{"LLainaaja", "sulje1", {12, 10, 12, 10}};
        QTest::newRow("add-loans")    << PanelRow{"LLaina", "sulje2", {19, 16, 20, 16}};
        QTest::newRow("edit")         << PanelRow{"Muokkaa", "Command3", {18, 15, 18, 15}};
        // clang-format on
    }

    void panel() {
        const auto& [label, closer, ticks] = fetch<PanelRow>();
        openOnAinosLoans();
        // The second time round the panels start from nothing, which may take a tick more.
        for (int round = 0; round < 2; ++round) {
            click(w->findChild<QWidget*>(label));
            QCOMPARE(settle(*w), ticks[2 * round]);
            QCOMPARE(enabledMenuLabels(), QStringList{"Lopeta"});
            if (round == 0)
                compareWithGolden(w.get(), QTest::currentDataTag());
            click(w->findChild<QPushButton*>(closer));
            QCOMPARE(settle(*w), ticks[2 * round + 1]);
            QCOMPARE(enabledMenuLabels().size(), 7); // the whole menu
            if (round == 0)
                compareWithGolden(w.get(), QTest::currentDataTag() + QStringLiteral("-closed"));
        }
        QVERIFY(dialogs.shown.isEmpty());
    }

    // The help screens in the help timer's ticks after the last step; "Esc" is the key. A step
    // comes when every timer has stopped; marked "~" when the help timer has, "!" at once.
    void help_data() {
        using Steps = std::pair<QStringList, int>;
        QTest::addColumn<Steps>("row");
        // clang-format off
        QTest::newRow("help-menu") << Steps{{"Apua"}, 0};
        QTest::newRow("help-menu-topics-closed") << Steps{{"Apua", "Ohjeet", "Command1"}, 9};
        QTest::newRow("help-menu-about-closed") << Steps{{"Apua", "Tieto", "OK2"}, 15};
        QTest::newRow("topics") << Steps{{"Apua", "Ohjeet"}, 10};
        QTest::newRow("guided-help") << Steps{{"Apua", "Ohjeet", "ohjellaina"}, 15};
        QTest::newRow("about") << Steps{{"Apua", "Tieto"}, 15};
        QTest::newRow("about, Escape ignored") << Steps{{"Apua", "Tieto", "!Esc"}, 15};
        QTest::newRow("about, closed before it is filled") << Steps{{"Apua", "Tieto", "~OK2", "Tieto"}, 15};
        // clang-format on
    }

    void help() {
        const auto& [steps, ticks] = fetch<std::pair<QStringList, int>>();
        openOnAinosLoans();
        for (QString step : steps) {
            const QChar mark = step.front();
            while (mark == u'~' && w->ohjeliikuttaja->isEnabled())
                w->ohjeliikuttaja_Timer();
            if (mark != u'~' && mark != u'!')
                settleAll(*w);
            if (step.remove(u'~').remove(u'!') == "Esc")
                QTest::keyClick(w.get(), Qt::Key_Escape);
            else
                click(w->findChild<QWidget*>(step));
        }
        QCOMPARE(settleAll(*w), ticks);
        compareWithGolden(w.get(), QString(QTest::currentDataTag()).section(u',', 0, 0));
    }

    // Closed while it still opens, a panel shrinks to nothing and never below it.
    void closedWhileOpening() {
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        reopen();
        click(w->LLaina);
        for (int tick = 0; tick < 9; ++tick)
            w->liikuttaja_Timer();
        click(w->sulje2);
        for (int tick = 0; tick < 9; ++tick) {
            w->liikuttaja_Timer();
            QVERIFY(twips::height(w->Add1) >= 0 && twips::height(w->Laina) <= 2700);
        }
        QVERIFY(!w->liikuttaja->isEnabled() && w->Add1->isHidden());
    }

    void hover_data() {
        QTest::addColumn<HoverRow>("row");
        // clang-format off
        QTest::newRow("onto a label")                    << HoverRow{"GGGGGGG", at(500, 200), false, "YGGGGGG"};
        // The two labels touch, so this single move goes straight from one to the other.
        QTest::newRow("straight to the next label")      << HoverRow{"YGGGGGG", at(500, 370), false, "GYGGGGG"};
        QTest::newRow("a label in another colour stays") << HoverRow{"CGGYGGG", at(500, 200), false, "CGGGGGG"};
        QTest::newRow("... also beside the highlight")   << HoverRow{"CGGYGGG", at(500, 720), false, "CGYGGGG"};
        QTest::newRow("surface clears the highlight")    << HoverRow{"CGGYGGG", kSurface, false, "GGGGGGG"};
        // The blink owns the colours while it runs.
        QTest::newRow("blinking, onto a label")          << HoverRow{"YGGGGGG", at(500, 720), true, "YGGGGGG"};
        QTest::newRow("blinking, onto the surface")      << HoverRow{"YGGGGGG", kSurface, true, "YGGGGGG"};
        // clang-format on
    }

    void hover() {
        const auto& [before, target, blinking, after] = fetch<HoverRow>();
        // A move to where the pointer already is never arrives, so each case starts from the loan
        // list, which leaves the menu alone.
        QTest::mouseMove(w.get(), at(3000, 1500));
        for (int i = 0; i < before.size(); ++i)
            colours::setText(menu()[i], colourOf(before[i]));
        if (blinking)
            w->Vilkuta->start();
        QTest::mouseMove(w.get(), target);
        QCOMPARE(colourCodes(), after);
    }

    // The test platform refuses to hand the move to a window manager, so the window must follow the
    // mouse itself, and only while the left button is down.
    void drag() {
        const QPoint start = w->pos(), shift(30, 20);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            QTest::mousePress(w.get(), button, {}, kSurface);
            QTest::mouseMove(w.get(), kSurface + shift);
            QTest::mouseRelease(w.get(), button, {}, kSurface + shift);
        }
        QCOMPARE(w->pos(), start + shift);
    }

    // With nobody in the register each command only says so and the menu stays whole; quitting
    // closes. Four flashes from the hover's yellow first, then the label is left yellow.
    void clickOnAnEmptyRegister_data() {
        QTest::addColumn<QList<Message>>("expected"); // the row's name is the label clicked
        QTest::newRow("LLaina") << QList{msg::kNoBorrowersForLoans};
        QTest::newRow("Muokkaa") << QList{msg::kNoBorrowersToEdit};
        QTest::newRow("PLaina") << QList{msg::kChooseAndTick};
        QTest::newRow("PLainaaja") << QList{msg::kNoNamesToDelete};
        QTest::newRow("Lopeta") << QList<Message>();
    }

    void clickOnAnEmptyRegister() {
        const QString label = QTest::currentDataTag();
        QFETCH(QList<Message>, expected);
        auto* clicked = w->findChild<MenuLabel*>(label);
        QTest::mouseMove(clicked);
        click(clicked);
        for (const QChar code : QStringLiteral("GYGYGYGY")) {
            QVERIFY(w->Vilkuta->isEnabled() && w->isVisible());
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(clicked), colourOf(code));
        }
        w->Vilkuta_Timer();
        QCOMPARE(w->isVisible(), label != "Lopeta");
        QVERIFY(!w->isVisible() ||
                (!w->Vilkuta->isEnabled() && colourOf('Y') == colours::text(clicked)));
        QCOMPARE(dialogs.shown, expected);
        QCOMPARE(enabledMenuLabels().size(), 7);
        QVERIFY(snapshotWorkDir().isEmpty());
    }

    // A screen reader finds a Finnish name on every control a user types in or picks from, and
    // works the menu labels as buttons; the keyboard reaches and clicks them as well.
    void menuLabelsAreNamedButtons_data() {
        QTest::addColumn<int>("key"); // 0: the screen reader's press action
        QTest::newRow("press action") << 0;
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void menuLabelsAreNamedButtons() {
        QFETCH(int, key);
        // On Linux Qt names a combo box by its text, so the name is checked where it is set.
        for (QWidget* control : w->findChildren<QWidget*>()) {
            if ((control->inherits("QLineEdit") || control->inherits("QComboBox") ||
                 control->inherits("QListWidget")) &&
                !control->parentWidget()->inherits("QComboBox"))
                QVERIFY2(control->accessibleName().size() > 3, qPrintable(control->objectName()));
        }
        QCOMPARE(w->Label1->buddy(), w->Lainaaja1);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w->LLainaaja);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), w->LLainaaja->text());
        // Shift+Tab from the borrower box reaches the menu, last label first.
        QTest::keyClick(w->Lainaaja, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->Lopeta);
        w->LLainaaja->setFocus(Qt::TabFocusReason);
        if (key == 0)
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else
            QTest::keyClick(w->LLainaaja, Qt::Key(key));
        settle(*w);
        QCOMPARE(w->Add->height(), 1095 / 15);
        QCOMPARE(QApplication::focusWidget(), w->Uusi); // ready for the name
    }

    void walkthrough_data() {
        QTest::addColumn<Walk>("row");
        // clang-format off
        QTest::newRow("add borrower") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName}, {"Maija", hint::kClickAdd}, {"OK", hint::kChooseBorrowerTypeLoan}}, "nimet.kdx", {"Aino", "Pekka", "Maija"}, {"Aino", "Pekka", "Maija"}};
        QTest::newRow("add borrower, left early") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName}}, "nimet.kdx", {"Aino", "Pekka"}, {"Aino", "Pekka"}};
        QTest::newRow("add loan") << Walk{{{"ohjellaina", hint::kClickAddLoan}, {"LLaina", hint::kChooseBorrowerTypeLoan}, {"sakset", hint::kClickAdd}, {"Lainaaja1>Pekka", hint::kClickAdd}, {"OK1", hint::kLoanSaved}}, "Pekka.kdx", {"sakset"}, {"Aino", "Pekka"}};
        QTest::newRow("add loan, left early") << Walk{{{"ohjellaina", hint::kClickAddLoan}, {"LLaina", hint::kChooseBorrowerTypeLoan}}, "Pekka.kdx", {}, {"Aino", "Pekka"}};
        QTest::newRow("delete borrower") << Walk{{{"ohjeplainaaja", hint::kChooseBorrower}, {"Lainaaja>Pekka", hint::kClickDeleteBorrower}, {"PLainaaja", hint::kBorrowerDeleted}}, "nimet.kdx", {"Aino"}, {"Aino"}};
        QTest::newRow("delete loan") << Walk{{{"ohjeplaina", hint::kChooseBorrower}, {"Lainaaja>Aino", hint::kTickLoans}, {"Laina>levy", hint::kClickDeleteLoan}, {"PLaina", hint::kLoansDeleted}}, "Aino.kdx", {"kirja"}, {"Aino", "Pekka"}};
        // clang-format on
    }

    void walkthrough() {
        const auto& [steps, file, stored, borrowers] = fetch<Walk>();
        writeRecordFile("nimet.kdx", {"Aino", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "levy"}, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        reopen();
        act({"Apua", "Ohjeet", steps[0].first});
        QCOMPARE(w->ohjeteksti->text(), steps[0].second);
        QCOMPARE(slide() << enabledMenuLabels().size(), (QList<int>{15, 80, 200, 2}));
        for (const auto& [action, hint] : steps.mid(1)) {
            act({action});
            QVERIFY2(w->ohjeteksti->text() == hint, qPrintable(action));
        }
        act({"takaisin2"});
        QCOMPARE(w->ohjeteksti->text(), hint::kLeaveButton);
        QCOMPARE(slide(), (QList<int>{15, -1320, -1200}));
        for (const QWidget* gone : QWidgetList{w->ohjeteksti, w->takaisin2, w->Add, w->Add1})
            QVERIFY(!Saldori::shown(gone));
        for (const QLabel* label : w->findChildren<MenuLabel*>())
            QVERIFY(label->isEnabled() && !label->font().underline());
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled() && dialogs.shown.isEmpty());
        QCOMPARE(entries(w->Lainaaja), borrowers);
        QCOMPARE(recordsIn(file), records(stored, file == "nimet.kdx" ? 100 : 30));
    }

    // With nobody in the register, three topics only say so; leaving help reads the register anew.
    void topicsNeedABorrower() {
        act({"Apua", "Ohjeet", "ohjellaina", "ohjeplainaaja", "ohjeplaina"});
        QCOMPARE(dialogs.shown, QList<Message>(3, msg::kAddBorrowerFirst));
        QVERIFY(!Saldori::shown(w->ohjeteksti) && enabledMenuLabels().size() == 1);
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        act({"Command1"});
        settleAll(*w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settleAll(*w);
        QCOMPARE(entries(w->Lainaaja) << w->Lainaaja->currentText(),
                 (QStringList{"Aino", ui_text::kPrompt}));
        QCOMPARE(enabledMenuLabels().size(), 7);
    }

    void aboutLinksKeepThePanelOpen() {
        RecordingOpener opener;
        w->useAddressOpener(opener);
        act({"Apua", "Tieto", "Koti", "SPosti"});
        QCOMPARE(opener.opened, (QStringList{SALDORI_HOME_PAGE, "mailto:" SALDORI_EMAIL}));
        QVERIFY(Saldori::shown(w->Tietoa) && !w->liikuttaja->isEnabled());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
