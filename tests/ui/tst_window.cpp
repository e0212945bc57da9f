#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Twips.h"

namespace {

// Against the reviewed picture in docs/screens; a mismatch leaves the picture and a difference by
// the test. SALDORI_RECORD_GOLDEN=1 writes the pictures into docs/screens, to be looked at.
void compareWithGolden(QWidget* window, const QString& name) {
    const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString reviewed = QT_TESTCASE_SOURCEDIR "/../docs/screens/" + name + ".png";
    if (qEnvironmentVariableIntValue("SALDORI_RECORD_GOLDEN") == 1) {
        QVERIFY(actual.save(reviewed));
        return;
    }
    const QImage expected = QImage(reviewed).convertToFormat(QImage::Format_RGB32);
    if (actual == expected)
        return;
    QImage difference = actual.copy();
    QPainter painter(&difference);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(0, 0, expected);
    painter.end();
    const QString out = QCoreApplication::applicationDirPath() + "/golden-mismatch/" + name;
    QDir().mkpath(QFileInfo(out).path());
    QVERIFY(actual.save(out + ".png") && difference.save(out + "-difference.png"));
    QFAIL(qPrintable(name + " differs from " + reviewed + "; see " + out + ".png"));
}

// The steps, the ticks of the slide after the last, the menu labels then enabled.
using ScreenRow = std::tuple<QStringList, int, int>;

struct MidSlideRow {
    QStringList steps;
    QStringList shown;
    int enabledLabels;
    QString focus;
    QString hint;
    QList<Message> messages;
};

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

// The window as a user sees and drives it: screens, slides, menu, hover, drag and help.
class WindowTest : public WindowTestCase {
    Q_OBJECT

    void openOnAinosLoans() {
        writeRecordFile("nimet.kdx", {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"}, 30);
        reopen();
        act({"Lainaaja>Aino", "Laina:kirja", "Laina>10,50 € maitoa"});
    }

    // In menu order, the order they are made in.
    QList<MenuLabel*> menu() const { return w->findChildren<MenuLabel*>(); }
    int enabledMenuLabels() const {
        return int(std::ranges::count_if(menu(), &QWidget::isEnabled));
    }

    QString colourCodes() const {
        QString codes;
        for (const MenuLabel* label : menu()) {
            const QColor colour = colours::text(label);
            codes += colour == colours::kGreen ? u'G' : colour == colours::kYellow ? u'Y' : u'C';
        }
        return codes;
    }

    // The help timer's ticks until the hint line stops, where it and its button end.
    QList<int> slide() {
        return {settle(*w, "ohjeliikuttaja"), twips::left(c<QLabel>("ohjeteksti")),
                twips::left(c<QPushButton>("takaisin2"))};
    }

  private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    // Also run alone on a screen scaled to 200 %: the window and every control grow with it.
    void scaledStartUp() {
        const qreal scale = w->devicePixelRatioF();
        QCOMPARE(w->grab().toImage().size(), QSize(400, 235) * scale);
        // The borrower box stands at (1680, 120) twips, 4215 x 375 twips large.
        const QRect box(c<QComboBox>("Lainaaja")->mapTo(w.get(), QPoint(0, 0)) * scale,
                        c<QComboBox>("Lainaaja")->grab().size());
        QCOMPARE(box, QRect(QPoint(112, 8) * scale, QSize(281, 25) * scale));
    }

    // A long pasted loan is kept whole.
    void startUp() {
        for (const char* box : {"LainaLisaa", "Mtlaina"})
            QVERIFY(c<QLineEdit>(box)->maxLength() > 100'000);
        compareWithGolden(w.get(), "start-empty");
        press(Qt::Key_Tab); // the empty list shows that it has the focus
        compareWithGolden(w.get(), "start-empty-list-focused");
        openOnAinosLoans();
        compareWithGolden(w.get(), "start-loans");
    }

    // The screens after the last step's slide (a row ending in ticks: midway), and its ticks; the
    // second time round a panel starts from nothing, which may take a tick more.
    void screens_data() {
        QTest::addColumn<ScreenRow>("row");
        const QStringList addBorrower = {"LLainaaja", "sulje1"}, addLoans = {"LLaina", "sulje2"},
                          edit = {"Muokkaa", "Command3"};
        // clang-format off
        QTest::newRow("add-borrower")               << ScreenRow{{"LLainaaja"}, 12, 1};
        QTest::newRow("add-borrower-closed")        << ScreenRow{addBorrower, 10, 7};
        QTest::newRow("add-borrower, again")        << ScreenRow{addBorrower + QStringList{"LLainaaja"}, 12, 1};
        QTest::newRow("add-borrower-closed, again") << ScreenRow{addBorrower + addBorrower, 10, 7};
        QTest::newRow("add-loans")                  << ScreenRow{{"LLaina"}, 19, 1};
        QTest::newRow("add-loans-closed")           << ScreenRow{addLoans, 16, 7};
        QTest::newRow("add-loans-again")            << ScreenRow{addLoans + QStringList{"LLaina"}, 20, 1};
        QTest::newRow("add-loans-again, after guided help") << ScreenRow{{"Apua", "Ohjeet", "ohjellaina", "LLaina", "takaisin2", "LLaina"}, 20, 1};
        QTest::newRow("add-loans-closed, again")    << ScreenRow{addLoans + addLoans, 16, 7};
        QTest::newRow("edit")                       << ScreenRow{{"Muokkaa"}, 18, 1};
        QTest::newRow("edit-closed")                << ScreenRow{edit, 15, 7};
        QTest::newRow("edit, again")                << ScreenRow{edit + QStringList{"Muokkaa"}, 18, 1};
        QTest::newRow("edit-closed, again")         << ScreenRow{edit + edit, 15, 7};
        QTest::newRow("help-menu")                  << ScreenRow{{"Apua"}, 12, 1};
        QTest::newRow("help-menu-topics-closed")    << ScreenRow{{"Apua", "Ohjeet", "Command1"}, 9, 1};
        QTest::newRow("help-menu-about-closed")     << ScreenRow{{"Apua", "Tieto", "OK2"}, 15, 1};
        QTest::newRow("topics")                     << ScreenRow{{"Apua", "Ohjeet"}, 10, 1};
        QTest::newRow("guided-help")                << ScreenRow{{"Apua", "Ohjeet", "ohjellaina"}, 15, 2};
        QTest::newRow("about")                      << ScreenRow{{"Apua", "Tieto"}, 15, 1};
        QTest::newRow("about-midway")                << ScreenRow{{"Apua", "Tieto", "60"}, 0, 1};
        QTest::newRow("about-icon-focused")          << ScreenRow{{"Apua", "Tieto", "Tab"}, 15, 1};
        QTest::newRow("about-link-focused")          << ScreenRow{{"Apua", "Tieto", "Tab", "Tab"}, 15, 1};
        // Escape is every panel's way back, also while it still slides open.
        QTest::newRow("add-borrower-closed, by Escape") << ScreenRow{{"LLainaaja", "Esc"}, 10, 7};
        QTest::newRow("add-loans-closed, by Escape")    << ScreenRow{{"LLaina", "Esc"}, 16, 7};
        QTest::newRow("edit-closed, by Escape")         << ScreenRow{{"Muokkaa", "Esc"}, 15, 7};
        QTest::newRow("help-menu-topics-closed, by Escape") << ScreenRow{{"Apua", "Ohjeet", "Esc"}, 9, 1};
        QTest::newRow("help-menu-about-closed, by Escape")  << ScreenRow{{"Apua", "Tieto", "Esc"}, 15, 1};
        QTest::newRow("about, closed before it is filled") << ScreenRow{{"Apua", "Tieto", "!OK2", "Tieto"}, 15, 1};
        // clang-format on
    }

    void screens() {
        const auto& [steps, ticks, enabledLabels] = fetch<ScreenRow>();
        openOnAinosLoans();
        act(steps);
        const bool help = running(*w, "ohjeliikuttaja");
        if (steps.last().toInt() == 0) // a row ending in ticks is seen midway
            QCOMPARE(settle(*w, help ? "ohjeliikuttaja" : "liikuttaja"), ticks);
        QCOMPARE(enabledMenuLabels(), enabledLabels);
        QVERIFY(dialogs.shown.isEmpty());
        compareWithGolden(w.get(), QString(QTest::currentDataTag()).section(u',', 0, 0));
    }

    // Steps not waiting for the slides; at rest, the panels, labels, focus, hint and messages.
    void inputMidSlide_data() {
        QTest::addColumn<MidSlideRow>("row");
        const QStringList none;
        const QString noHint;
        // clang-format off
        QTest::newRow("guided add, back mid hand-over") << MidSlideRow{{"Apua", "Ohjeet", "ohjellainaaja", "LLainaaja", "Maija", "Enter", "3", "!takaisin2"}, none, 7, "LLainaaja", noHint, {}};
        QTest::newRow("help label, Escape mid blink")   << MidSlideRow{{"=Apua", "Enter", "2", "Esc"}, none, 7, "Apua", noHint, {}};
        QTest::newRow("About, then topics")             << MidSlideRow{{"Apua", "Tieto", "3", "!Ohjeet"}, {"Tietoa"}, 1, "OK2", noHint, {}};
        QTest::newRow("topic, then its label")          << MidSlideRow{{"Apua", "Ohjeet", "ohjellainaaja", "2", "!LLainaaja"}, {"Add"}, 2, "Uusi", hint::kTypeName, {}};
        QTest::newRow("delete mid guided slide")        << MidSlideRow{{"Apua", "Ohjeet", "ohjeplainaaja", "2", "!PLainaaja"}, none, 2, "Lainaaja", hint::kBorrowerDeleted, {}};
        QTest::newRow("help menu, Space")               << MidSlideRow{{"=Apua", "Enter", "99", "Space"}, none, 7, "Apua", noHint, {}};
        QTest::newRow("help menu, Enter")               << MidSlideRow{{"=Apua", "Enter", "99", "Enter"}, none, 7, "Apua", noHint, {}};
        QTest::newRow("topics back, Space")             << MidSlideRow{{"Apua", "Ohjeet", "Command1", "99", "Space"}, none, 7, "Laina", noHint, {}};
        QTest::newRow("new borrower, keys on")          << MidSlideRow{{"LLainaaja", "Liisa", "Enter", "Tab", "Tab", "Tab", "Space"}, {"Add1"}, 1, "LainaLisaa", noHint, {}};
        QTest::newRow("new borrower, back")             << MidSlideRow{{"LLainaaja", "Liisa", "Enter", "Backtab", "Space"}, none, 7, "Laina", noHint, {}};
        QTest::newRow("topics, a topic at once")        << MidSlideRow{{"Apua", "=Ohjeet", "Space", "Space"}, none, 2, "LLainaaja", hint::kClickAddBorrower, {}};
        QTest::newRow("label, Space")                   << MidSlideRow{{"=LLainaaja", "Space"}, {"Add"}, 1, "Uusi", noHint, {}};
        QTest::newRow("Shift+Tab to the menu")          << MidSlideRow{{"=Lainaaja", "Backtab"}, none, 7, "Lopeta", noHint, {}};
        QTest::newRow("closed mid blink")               << MidSlideRow{{"=LLainaaja", "Enter", "Backtab", "Backtab", "Space"}, none, 7, "LLainaaja", noHint, {}};
        QTest::newRow("guided loan refused")            << MidSlideRow{{"Apua", "Ohjeet", "ohjellaina", "LLaina", "OK1"}, {"Add1"}, 2, "LainaLisaa", hint::kChooseBorrowerTypeLoan, {msg::kEmptyLoan}};
        // clang-format on
    }

    void inputMidSlide() {
        const MidSlideRow& row = fetch<MidSlideRow>();
        openOnAinosLoans();
        act(row.steps);
        settle(*w);
        QStringList shown;
        for (const QGroupBox* panel : w->findChildren<QGroupBox*>())
            if (Saldori::shown(panel))
                shown << panel->objectName();
        QCOMPARE(shown, row.shown);
        QCOMPARE(enabledMenuLabels(), row.enabledLabels);
        QVERIFY(w->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), row.focus);
        QCOMPARE(hint(), row.hint);
        QCOMPARE(dialogs.shown, row.messages);
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
        QTest::newRow("blinking, onto a label")          << HoverRow{"GGYGGGG", at(500, 200), true, "GGYGGGG"};
        QTest::newRow("blinking, onto the surface")      << HoverRow{"GGYGGGG", kSurface, true, "GGYGGGG"};
        // clang-format on
    }

    // A Y is where the pointer rests first; a blink is a command that only says it cannot act.
    // No user's step leaves a label in any other colour, so only those are painted.
    void hover() {
        const auto& [before, target, blinking, after] = fetch<HoverRow>();
        // From the loan list, which leaves the menu alone: a move to where the pointer is is none.
        QTest::mouseMove(w.get(), at(3000, 1500));
        if (blinking) {
            act({"!PLainaaja"});
            tickAll(*w, 1);
        } else if (const qsizetype lit = before.indexOf(u'Y'); lit >= 0) {
            QTest::mouseMove(w.get(), menu()[lit]->mapTo(w.get(), menu()[lit]->rect().center()));
        }
        for (int i = 0; i < before.size(); ++i)
            if (before[i] == u'C')
                colours::setText(menu()[i], colours::kCyan);
        QCOMPARE(colourCodes(), before);
        QTest::mouseMove(w.get(), target);
        QCOMPARE(colourCodes(), after);
    }

    // Presses (L, R), moves (m), releases (l, r); whether the window manager takes a move; the
    // moves handed to it, the steps the window took itself. It sees no release of a move taken.
    void drag_data() {
        QTest::addColumn<std::tuple<QString, bool, int, int>>("row");
        QTest::newRow("by hand while held") << std::tuple{u"Lmmlm"_qs, false, 1, 2};
        QTest::newRow("handed over once") << std::tuple{u"LmmLml"_qs, true, 2, 0};
        QTest::newRow("second button") << std::tuple{u"LRmrml"_qs, false, 0, 0};
    }

    void drag() {
        static std::pair<int, bool> manager; // moves handed, whether it takes them
        const auto& [steps, taking, handedOver, byHand] =
            fetch<std::tuple<QString, bool, int, int>>();
        manager = {0, taking};
        const auto windowManager = [](QWindow&) { return ++manager.first, manager.second; };
        w.reset();
        w = openWindow({dialogs, *opener, nullptr, {}, windowManager});
        const QPoint start = w->pos(), shift(30, 20);
        for (const QChar step : steps) {
            const auto button = step.toLower() == u'r' ? Qt::RightButton : Qt::LeftButton;
            const auto action = step.isUpper() ? QTest::MousePress : QTest::MouseRelease;
            if (step == u'm')
                QTest::mouseMove(w.get(), kSurface + shift);
            else
                QTest::mouseEvent(action, w.get(), button, {}, kSurface);
        }
        QCOMPARE(manager.first, handedOver);
        QCOMPARE(w->pos(), start + byHand * shift);
    }

    // A register saved as UTF-16 is told of at the start, once, and every command refuses it.
    void registerOfAnotherProgram() {
        writeBytes("nimet.kdx", QStringEncoder(QStringEncoder::Utf16)(u"h\r\nAino×\r\n"_qs));
        reopen();
        act({"LLainaaja", "LLaina", "Muokkaa", "PLaina", "PLainaaja"});
        QCOMPARE(dialogs.shown, QList<Message>(6, msg::unreadableFile("nimet.kdx")));
    }

    // An empty register: each command only says so, four flashes, the label left yellow; or quits.
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
        if (label == "Lopeta") // while the program ends, input does nothing
            click(c<MenuLabel>("LLaina"));
        for (const QChar code : QStringLiteral("GYGYGYGY")) {
            QVERIFY(running(*w, "Vilkuta") && w->isVisible());
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(clicked), colourOf(code));
        }
        w->Vilkuta_Timer();
        QCOMPARE(w->isVisible(), label != "Lopeta");
        QVERIFY(!w->isVisible() ||
                (!running(*w, "Vilkuta") && colourOf('Y') == colours::text(clicked)));
        QCOMPARE(dialogs.shown, expected);
        QCOMPARE(enabledMenuLabels(), 7);
        QVERIFY(snapshotWorkDir().isEmpty());
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
        QCOMPARE(hint(), steps[0].second);
        QCOMPARE(slide() << enabledMenuLabels(), (QList<int>{15, 80, 200, 2}));
        for (const auto& [action, hint] : steps.mid(1)) {
            act({action});
            QVERIFY2(this->hint() == hint, qPrintable(action));
        }
        if (steps.last().second == hint::kLoanSaved) { // the longest step, clear of "<<"
            settle(*w);
            compareWithGolden(w.get(), "guided-help-saved");
        }
        act({"takaisin2"});
        QCOMPARE(c<QLabel>("ohjeteksti")->text(), hint::kLeaveButton);
        QCOMPARE(slide(), (QList<int>{15, -1320, -1200}));
        for (const char* gone : {"ohjeteksti", "takaisin2", "Add", "Add1"})
            QVERIFY(!Saldori::shown(c(gone)));
        for (const QLabel* label : menu())
            QVERIFY(label->isEnabled() && !label->font().underline());
        QVERIFY(c("Lainaaja")->isEnabled() && c("Laina")->isEnabled() && dialogs.shown.isEmpty());
        QCOMPARE(entries(c<QComboBox>("Lainaaja")), borrowers);
        QCOMPARE(recordsIn(file), records(stored, file == "nimet.kdx" ? 100 : 30));
    }

    // With nobody in the register, three topics only say so; leaving help reads the register anew.
    void topicsNeedABorrower() {
        act({"Apua", "Ohjeet", "ohjellaina", "ohjeplainaaja", "ohjeplaina"});
        QCOMPARE(dialogs.shown, QList<Message>(3, msg::kAddBorrowerFirst));
        QVERIFY(!hintShown() && enabledMenuLabels() == 1);
        // A blank each side, which no picture shows.
        QCOMPARE(c<QGroupBox>("Ohje")->title(), " Valitse mihin tarvitset apua: ");
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        act({"Command1", "Esc"}); // Escape as the topics close
        settle(*w);
        const auto* box = c<QComboBox>("Lainaaja");
        QCOMPARE(entries(box) << box->currentText(), (QStringList{"Aino", ui_text::kPrompt}));
        QCOMPARE(enabledMenuLabels(), 7);
    }

    // Ctrl+Z takes changes back byte for byte and picks their borrower again; Ctrl+Shift+Z and
    // Ctrl+Y do them again, until a new change; a restart or the command line loses none of it.
    void undoAndRedo() {
        openOnAinosLoans();
        const auto start = snapshotWorkDir();
        act({"PLaina"});
        const auto oneLoanLess = snapshotWorkDir();
        act({"PLainaaja"});
        const auto deleted = snapshotWorkDir();
        for (const auto& [keys, files] : {std::pair("=Lainaaja", deleted),
                                          {"x", deleted},
                                          {"^Z", deleted},
                                          {"^Z", oneLoanLess},
                                          {"^Z", start},
                                          {"^+Z", oneLoanLess},
                                          {"^Y", deleted},
                                          {"^Z", oneLoanLess}}) {
            act({keys});
            QCOMPARE(snapshotWorkDir(), files);
        }
        QCOMPARE(c<QComboBox>("Lainaaja")->currentText(), "Aino");
        QCOMPARE(entries(c<QListWidget>("Laina")), (QStringList{"kirja", "\"lapio\" ja kuokka"}));
        QCOMPARE(QToolTip::text(), "Kumottu: Poistettu lainaaja Aino (2 lainaa)");
        act({"Laina>kirja", "PLaina", "^+Z"});
        const auto changedAfterUndo = snapshotWorkDir();
        QCOMPARE(QToolTip::text(), "Ei uudelleen tehtävää muutosta.");
        act({"PLainaaja"});
        reopen();
        act({"=Lainaaja", "^Z"});
        QCOMPARE(snapshotWorkDir(), changedAfterUndo);
        QCOMPARE(c<QComboBox>("Lainaaja")->currentText(), "Aino");
        act({"PLainaaja"});
        w.reset();
        const QTemporaryDir runtime;
        const QString newest = QString::number(QDir(".historia").entryList({"*.muutos"}).size());
        for (const auto& [change, files] : {std::pair(newest, changedAfterUndo), {"1", start}}) {
            QProcess cli;
            cli.setEnvironment(QProcess::systemEnvironment()
                               << "XDG_RUNTIME_DIR=" + runtime.path());
            cli.start(SALDORI_PROGRAM_FILE, {"--palauta", change});
            QVERIFY(cli.waitForFinished() && cli.exitCode() == 0);
            QCOMPARE(snapshotWorkDir(), files);
        }
    }

    void aboutLinksKeepThePanelOpen() {
        RecordingOpener recording;
        opener = &recording;
        reopen();
        act({"Apua", "Tieto", "Koti", "SPosti", "=OK2", "Tab", "Tab", "Enter", "Tab", "Space"});
        const QStringList both = {SALDORI_HOME_PAGE, "mailto:" SALDORI_EMAIL};
        QCOMPARE(recording.opened, both + both);
        QVERIFY(Saldori::shown(c("Tietoa")) && !running(*w, "liikuttaja"));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
