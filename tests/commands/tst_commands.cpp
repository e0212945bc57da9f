#include "support/Harness.h"

#include <sys/syscall.h>
#include <unistd.h>

// The files and folders the program syncs.
static QStringList synced;
extern "C" int fsync(int fd) {
    synced << QFileInfo("/proc/self/fd/" + QString::number(fd)).symLinkTarget();
    return int(syscall(SYS_fsync, fd));
}

namespace {

// A register from elsewhere may name a borrower whose loans cannot be a file.
const QStringList kNames = {"Aino", "", "Pekka", "Ville", "../x"};
const QStringList kAinoLoans = {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"};

// The register (none when empty), the name typed, the refusal, its slot (-1: none).
using AddBorrowerRow = std::tuple<QStringList, QString, Message, int>;
struct AddLoanRow {
    QStringList saved; // Liisa's loans
    QString borrower, typed;
    Message refusal;
    QStringList after; // Liisa's loans
};
struct DeleteLoansRow {
    QStringList loans; // Aino's
    QString picked;
    QStringList ticked; // then meanwhile:
    enum Meanwhile { Nothing, Dropped, ClearList, TypeOther, ForeignFile, Locked } meanwhile;
    Answer answer; // to the offer to delete Aino
    Message refusal;
    QStringList listed;
};
// The steps, whether the register on disk then loses Aino, the register after, the messages.
using DeleteBorrowerRow = std::tuple<QStringList, bool, QStringList, QList<Message>>;
// The borrower picked, the steps in the edit panel before saving, the refusal, Aino's loans.
using EditRow = std::tuple<QString, QStringList, Message, QStringList>;
// What the user does, the file whose save fails, the loan list afterwards.
using FailedSaveRow = std::tuple<QStringList, QString, QStringList>;

} // namespace

// Each command by keys and clicks, a row per branch; a failed save says so and changes no file.
class CommandsTest : public WindowTestCase {
    Q_OBJECT

    // Aino's loans as given, Pekka none, Ville all 30.
    void openOn(const QStringList& ainoLoans, const QString& picked, const QStringList& ticked) {
        writeRecordFile("nimet.kdx", kNames, 100);
        writeRecordFile("Aino.kdx", ainoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", numbered("laina ", 30), 30);
        reopen();
        if (!picked.isEmpty())
            act({"Lainaaja>" + picked});
        for (const QString& loan : ticked)
            act({"Laina>" + loan});
    }

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale("el_GR")); } // a desktop in Greek
    void addBorrower_data() {
        QTest::addColumn<AddBorrowerRow>("row");
        const QStringList slot57 = withAt(57, "Matti"), full = numbered("Nimi", 100);
        // clang-format off
        QTest::newRow("blanks only")         << AddBorrowerRow{slot57, "   ", msg::kEmptyName, -1};
        QTest::newRow("duplicate, blanks")   << AddBorrowerRow{slot57, "  Matti ", msg::kDuplicateName, -1};
        QTest::newRow("duplicate of slot 0") << AddBorrowerRow{full, "Nimi0", msg::kDuplicateName, -1};
        QTest::newRow("register full")       << AddBorrowerRow{full, "Uusi", msg::kRegisterFull, -1};
        QTest::newRow("marker")              << AddBorrowerRow{slot57, "Ma×tti", msg::kUnstorableName, -1};
        QTest::newRow("emoji")               << AddBorrowerRow{slot57, "Matti \U0001F600", msg::kUnstorableName, -1};
        QTest::newRow("outside the folder")  << AddBorrowerRow{slot57, "../x", msg::kUnusableName, -1};
        // A save writes through the name and seven bytes more, which must fit in 255.
        QTest::newRow("245 bytes")           << AddBorrowerRow{slot57, QString(245, u'a'), msg::kUnusableName, -1};
        // The program shows these for "nobody chosen", so such a borrower could never be picked.
        QTest::newRow("the prompt")          << AddBorrowerRow{slot57, ui_text::kPrompt, msg::kUnusableName, -1};
        QTest::newRow("no borrowers text")   << AddBorrowerRow{slot57, ui_text::kNoBorrowers, msg::kUnusableName, -1};
        // A folder stands where the loan file would go; once it is gone, the name goes in.
        QTest::newRow("folder for its file") << AddBorrowerRow{slot57, "Liisa", msg::unreadableFile("Liisa.kdx"), 0};
        QTest::newRow("beside other case")   << AddBorrowerRow{QStringList{"liisa"}, "Liisa", Message(), 1};
        QTest::newRow("only gap, blanks")    << AddBorrowerRow{withAt(5, "", full), " Liisa  ", Message(), 5};
        QTest::newRow("euro, no register")   << AddBorrowerRow{QStringList(), "Velka €", Message(), 0};
        // clang-format on
    }

    // By keyboard, the name, then Enter; the Greek date and time are more than the files can hold.
    void addBorrower() {
        const auto& [names, typed, refusal, slot] = fetch<AddBorrowerRow>();
        if (!names.isEmpty())
            writeRecordFile("nimet.kdx", names, 100);
        click(c<MenuLabel>("LLainaaja"));
        settle(*w);
        const auto before = snapshotWorkDir();
        type(typed);
        if (refusal == msg::unreadableFile(typed + ".kdx"))
            QVERIFY(QDir().mkdir(typed + ".kdx"));
        press(Qt::Key_Return);

        if (refusal != Message()) {
            QCOMPARE(dialogs.shown, QList<Message>{refusal});
            QCOMPARE(snapshotWorkDir(), before);
            QVERIFY(c<QLineEdit>("Uusi")->text() == typed && c("Add1")->isHidden());
            if (slot < 0)
                return;
            // Once the folder is gone, nothing of the failed attempt makes the retry a duplicate.
            QVERIFY(QDir().rmdir(typed + ".kdx"));
            dialogs.shown.clear();
            press(Qt::Key_Return);
        }
        const QString stored = typed.trimmed();
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordsIn("nimet.kdx"), records(withAt(slot, stored, names), 100));
        QCOMPARE(recordsIn(stored + ".kdx"), records({}, 30));
        const QString header = QString::fromLatin1(readBytes("nimet.kdx").split('\r').first());
        const QRegularExpression greek(
            R"(^tst_commands muistaa! \d+/\d+/\d\d \d+:\d\d:\d\d \?\.\?\.$)");
        QVERIFY2(header.contains(greek), qPrintable(header));
        QVERIFY(synced.contains(QDir::current().canonicalPath()));
        // The add-borrower panel hands over to the add-loans panel, on the new borrower.
        QCOMPARE(settle(*w), 16);
        QVERIFY(c<QGroupBox>("Add")->isHidden() && !c<QGroupBox>("Add1")->isHidden());
        QCOMPARE(c<QComboBox>("Lainaaja1")->currentText(), stored);
        QCOMPARE(QApplication::focusWidget(), c<QLineEdit>("LainaLisaa"));
        QCOMPARE(c<QLineEdit>("Uusi")->text(), QString());
    }

    void addLoan_data() {
        QTest::addColumn<AddLoanRow>("row");
        using L = QStringList;
        const L one = {"kirja"}, thirty = numbered("laina ", 30), gapAt4 = withAt(4, "", thirty);
        const Message noFile = msg::kNoLoanFile;
        const Message full{"Voit tallentaa 30 lainaa jokaiselle lainaajalle. Sinulla on jo 30 "
                           "lainaa lainaajalla Liisa.",
                           Icon::Information, Buttons::Ok, "saldori - Lainaa ei lisätty!"};
        // clang-format off
        QTest::newRow("blanks only")          << AddLoanRow{one, "Liisa", "   ", msg::kEmptyLoan, one};
        QTest::newRow("duplicate, blanks")    << AddLoanRow{one, "Liisa", " kirja  ", msg::kDuplicateLoan, one};
        QTest::newRow("marker")               << AddLoanRow{one, "Liisa", "ki×rja", msg::kUnstorableLoan, one};
        QTest::newRow("the no-loans text")    << AddLoanRow{one, "Liisa", ui_text::kNoLoans, msg::kUnusableLoan, one};
        QTest::newRow("no borrower")          << AddLoanRow{one, "", "kynä", noFile, one};
        QTest::newRow("empty, unknown one")   << AddLoanRow{one, "Maija", "", msg::kEmptyLoan, one};
        QTest::newRow("register as borrower") << AddLoanRow{one, "nimet", "kynä", noFile, one};
        QTest::newRow("31st loan")            << AddLoanRow{thirty, "Liisa", "kynä", full, thirty};
        QTest::newRow("first loan")           << AddLoanRow{L(), "Liisa", "kynä", Message(), L{"kynä"}};
        QTest::newRow("other case")           << AddLoanRow{L{"Kynä"}, "Liisa", "kynä", Message(), L{"Kynä", "kynä"}};
        QTest::newRow("gap at slot 4")        << AddLoanRow{gapAt4, "Liisa", "kynä", Message(), withAt(4, "kynä", gapAt4)};
        // clang-format on
    }

    // The borrower picked from the list when it is there, typed otherwise; the loan, then Enter.
    void addLoan() {
        const auto& [saved, borrower, typed, refusal, after] = fetch<AddLoanRow>();
        writeRecordFile("nimet.kdx", {"Aino", "", "Liisa", "Pekka"}, 100);
        writeRecordFile("Liisa.kdx", saved, 30);
        act({"LLaina"});
        act({"Lainaaja1" +
             QString(entries(c<QComboBox>("Lainaaja1")).contains(borrower) ? ">" : "<") +
             borrower});
        const QStringList filesBefore = snapshotWorkDir().keys();
        act({"LainaLisaa<" + typed, "Enter"});

        QCOMPARE(dialogs.shown, refusal == Message() ? QList<Message>() : QList<Message>{refusal});
        QCOMPARE(recordsIn("Liisa.kdx"), records(after, 30));
        QCOMPARE(snapshotWorkDir().keys(), filesBefore);
        // A borrower without a loan file is not kept for the next try.
        QCOMPARE(c<QComboBox>("Lainaaja1")->currentText(),
                 refusal == msg::kNoLoanFile ? QString() : borrower);
        QCOMPARE(c<QLineEdit>("LainaLisaa")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), c<QLineEdit>("LainaLisaa"));
        // Closing writes nothing: every change was saved when it was made.
        const auto files = snapshotWorkDir();
        QVERIFY(w->close());
        QCOMPARE(snapshotWorkDir(), files);
    }

    void deleteLoans_data() {
        QTest::addColumn<DeleteLoansRow>("row");
        const Answer ok = Answer::Ok;
        const QStringList some = {"a", "b"};
        const Message none, noLoans{"Lainaajalla Pekka ei ole lainoja."};
        using enum DeleteLoansRow::Meanwhile;
        // clang-format off
        QTest::newRow("two of five")      << DeleteLoansRow{{"a", "b", "c", "d", "e"}, "Aino", {"b", "d"}, Nothing, ok, none, {"a", "c", "e"}};
        QTest::newRow("adjacent, last")   << DeleteLoansRow{{"a", "b", "c"}, "Aino", {"b", "c"}, Nothing, ok, none, {"a"}};
        QTest::newRow("none, gaps close") << DeleteLoansRow{{"a", "", "c", "", "", "f"}, "Aino", {}, Nothing, ok, none, {"a", "c", "f"}};
        QTest::newRow("all, Aino kept")   << DeleteLoansRow{{"a", "", "b"}, "Aino", {"a", "b"}, Nothing, Answer::Cancel, none, {ui_text::kNoLoans}};
        QTest::newRow("all, Aino gone")   << DeleteLoansRow{{"a", "", "b"}, "Aino", {"a", "b"}, Nothing, ok, none, {}};
        // A read-only register keeps Aino, picked, with no loans left to show.
        QTest::newRow("register locked")  << DeleteLoansRow{{"a", "", "b"}, "Aino", {"a", "b"}, Locked, ok, none, {ui_text::kNoLoans}};
        QTest::newRow("nobody chosen")    << DeleteLoansRow{some, "", {}, Nothing, ok, msg::kChooseAndTick, {}};
        QTest::newRow("no loans")         << DeleteLoansRow{some, "Pekka", {}, Nothing, ok, noLoans, {}};
        QTest::newRow("borrower gone")    << DeleteLoansRow{some, "Aino", {}, Dropped, ok, msg::kChooseFromList, {}};
        // What cannot be read after the refused save is no sign that the loans are gone.
        QTest::newRow("file replaced")    << DeleteLoansRow{some, "Aino", {"a", "b"}, ForeignFile, ok, msg::unreadableFile("Aino.kdx"), {}};
        // Compacting a list that shows nobody's loans would empty the borrower's file.
        QTest::newRow("list emptied")     << DeleteLoansRow{some, "Aino", {}, ClearList, ok, msg::kChooseFromList, {}};
        // Aino's loans are ticked, but the box shows another name.
        QTest::newRow("other name typed") << DeleteLoansRow{some, "Aino", {"a"}, TypeOther, ok, msg::kChooseFromList, {}};
        // clang-format on
    }

    void deleteLoans() {
        auto [loans, picked, ticked, meanwhile, answer, refusal, remaining] =
            fetch<DeleteLoansRow>();
        openOn(loans, picked, ticked);
        if (meanwhile == DeleteLoansRow::Dropped)
            writeRecordFile("nimet.kdx", {"", "", "Pekka", "Ville"}, 100);
        if (meanwhile == DeleteLoansRow::ForeignFile)
            writeBytes("Aino.kdx", "h\r\nAino\xC3\x97\r\n");
        if (meanwhile == DeleteLoansRow::Locked)
            QVERIFY(QFile::setPermissions("nimet.kdx", QFile::ReadOwner));
        // The add-loans panel leaves the list empty when it closes; a name typed is no pick.
        const QMap<int, QStringList> steps = {
            {DeleteLoansRow::ClearList, {"LLaina", "sulje2", "Lainaaja<Aino"}},
            {DeleteLoansRow::TypeOther, {"Lainaaja<Pekka"}}};
        act(steps.value(meanwhile));
        dialogs.answers.enqueue(answer);
        const auto before = snapshotWorkDir();

        click(c<MenuLabel>("PLaina"));

        if (refusal != Message()) {
            QCOMPARE(dialogs.shown, QList<Message>{refusal});
            QCOMPARE(snapshotWorkDir(), before);
            return;
        }
        const Message question{"Lainaajalla Aino ei ole enää lainoja. Haluatko poistaa kyseisen "
                               "lainaajan listalta?",
                               Icon::Question, Buttons::OkCancel, kAppTitle, Answer::Cancel};
        const bool allGone = ticked.size() == loans.size() - loans.count("");
        const bool locked = meanwhile == DeleteLoansRow::Locked;
        QList<Message> asked = allGone ? QList<Message>{question} : QList<Message>();
        QCOMPARE(dialogs.shown, locked ? asked << msg::saveFailed("nimet.kdx") : asked);
        QCOMPARE(entries(c<QListWidget>("Laina")), remaining);
        remaining.removeAll(ui_text::kNoLoans);
        const bool ainoGone = allGone && answer == Answer::Ok && !locked;
        QCOMPARE(recordsIn("Aino.kdx"), ainoGone ? QByteArray("<none>") : records(remaining, 30));
        const QStringList names = ainoGone ? withAt(0, "", kNames) : kNames;
        QCOMPARE(recordsIn("nimet.kdx"), records(names, 100));
        QCOMPARE(entries(c<QComboBox>("Lainaaja")),
                 QStringList(names).filter(QRegularExpression(".")));
        QCOMPARE(c<QComboBox>("Lainaaja")->currentText(), ainoGone ? ui_text::kPrompt : "Aino");
        QCOMPARE(recordsIn("Ville.kdx"), records(numbered("laina ", 30), 30));
    }

    // Only the borrower the screen shows as picked is deleted.
    void deleteBorrower_data() {
        QTest::addColumn<DeleteBorrowerRow>("row");
        const QList<Message> none, notPicked{msg::kChooseBorrower};
        // clang-format off
        QTest::newRow("Pekka")                << DeleteBorrowerRow{{"Lainaaja>Pekka", "PLainaaja"}, false, withAt(2, "", kNames), none};
        // Typed names are no pick, whether Enter or Tab ends them, and delete nobody.
        QTest::newRow("typed, Enter")         << DeleteBorrowerRow{{"Lainaaja>Ville", "Lainaaja<Pekka", "Enter", "PLainaaja"}, false, kNames, notPicked};
        QTest::newRow("typed, Tab")           << DeleteBorrowerRow{{"Lainaaja>Ville", "Lainaaja<Aino", "Tab", "PLainaaja"}, false, kNames, notPicked};
        QTest::newRow("nobody chosen")        << DeleteBorrowerRow{{"PLainaaja"}, false, kNames, notPicked};
        QTest::newRow("picked twice")         << DeleteBorrowerRow{{"Lainaaja>Aino", "PLainaaja", "Lainaaja<Pekka", "PLainaaja"}, false, withAt(0, "", kNames), notPicked};
        // Leaving the add-loans panel shows nobody picked, though Aino's name is still remembered.
        QTest::newRow("after adding loans")   << DeleteBorrowerRow{{"Lainaaja>Aino", "LLaina", "sulje2", "Lainaaja<Pekka", "PLainaaja"}, false, kNames, notPicked};
        QTest::newRow("double-click")         << DeleteBorrowerRow{{"Lainaaja>Aino", "PLainaaja*2"}, false, withAt(0, "", kNames), none};
        QTest::newRow("gone from the file")   << DeleteBorrowerRow{{"Lainaaja>Aino"}, true, withAt(0, "", kNames), {msg::kBorrowerMissing}};
        // clang-format on
    }

    void deleteBorrower() {
        const auto& [steps, lost, stored, shown] = fetch<DeleteBorrowerRow>();
        openOn({"kirja"}, "", {});
        act(steps);
        if (lost) { // and the user's loan file is left alone
            writeRecordFile("nimet.kdx", stored, 100);
            act({"PLainaaja"});
        }
        QCOMPARE(dialogs.shown, shown);
        QCOMPARE(recordsIn("nimet.kdx"), records(stored, 100));
        const QStringList listed = QStringList(stored).filter(QRegularExpression("."));
        for (const QString name : {"Aino", "Pekka", "Ville"})
            QCOMPARE(QFile::exists(name + ".kdx"), listed.contains(name) || lost);
        QCOMPARE(entries(c<QComboBox>("Lainaaja")), listed);
        QCOMPARE(c<QComboBox>("Lainaaja")->currentText(), ui_text::kPrompt);
    }

    void editLoan_data() {
        QTest::addColumn<EditRow>("row");
        const QString nobody;
        const QStringList kirja = {"Laina:kirja"}, keys = {"Backtab"};
        const Message noLoans{
            "Lainaajalla Pekka ei ole lainoja, joten et voi niitä myöskään muokata."};
        // clang-format off
        QTest::newRow("letter case only")     << EditRow{"Aino", kirja + QStringList{"Mtlaina<Kirja"}, Message(), withAt(0, "Kirja", kAinoLoans)};
        QTest::newRow("middle loan, trimmed") << EditRow{"Aino", {"Laina:" + kAinoLoans[2], "Mtlaina< 12,00 € "}, Message(), withAt(2, "12,00 €", kAinoLoans)};
        // Focus makes the first entry current without selecting it: the edit is a new loan.
        QTest::newRow("focus only: a gap")    << EditRow{"Aino", keys + QStringList{"Mtlaina<uusi"}, Message(), withAt(1, "uusi", kAinoLoans)};
        QTest::newRow("Down key")             << EditRow{"Aino", keys + QStringList{"Down", "Mtlaina<uusi"}, Message(), withAt(2, "uusi", kAinoLoans)};
        QTest::newRow("Down key shows it")    << EditRow{"Aino", keys + QStringList{"Down"}, msg::kDuplicateEdit, kAinoLoans};
        QTest::newRow("Space ticks")          << EditRow{"Aino", keys + QStringList{"Space", "Mtlaina<uusi"}, Message(), withAt(0, "uusi", kAinoLoans)};
        QTest::newRow("no borrower chosen")   << EditRow{nobody, {"Mtlaina<uusi"}, msg::kChooseBorrowerFirst, kAinoLoans};
        QTest::newRow("blanks only")          << EditRow{"Aino", kirja + QStringList{"Mtlaina<   "}, msg::kEmptyEdit, kAinoLoans};
        QTest::newRow("[EI LAINAA!] chosen")  << EditRow{"Pekka", {"Laina:" + ui_text::kNoLoans, "Mtlaina<uusi"}, noLoans, kAinoLoans};
        QTest::newRow("typed, not in memory") << EditRow{"Aino", kirja + QStringList{"Mtlaina<uusi", "Lainaaja<Ilmari"}, Message{"Lainaajaa Ilmari ei löydy muistista."}, kAinoLoans};
        // The loans shown are Aino's; saving them under Pekka's name would replace Pekka's file.
        QTest::newRow("typed other borrower") << EditRow{"Aino", kirja + QStringList{"Mtlaina<uusi", "Lainaaja<Pekka"}, msg::kChooseBorrowerFirst, kAinoLoans};
        QTest::newRow("duplicate, blanks")    << EditRow{"Aino", kirja + QStringList{"Mtlaina< kirja "}, msg::kDuplicateEdit, kAinoLoans};
        QTest::newRow("none selected, full")  << EditRow{"Ville", {"Mtlaina<uusi"}, msg::kLoanNotFound, kAinoLoans};
        QTest::newRow("marker")               << EditRow{"Aino", kirja + QStringList{"Mtlaina<kirja × 2"}, msg::kUnstorableLoan, kAinoLoans};
        // The list shows this text for "no loans", so such a loan could never be chosen.
        QTest::newRow("the no-loans text")    << EditRow{"Aino", kirja + QStringList{"Mtlaina<" + ui_text::kNoLoans}, msg::kUnusableLoan, kAinoLoans};
        // Only a register from elsewhere names a borrower whose loans cannot be a file.
        QTest::newRow("no file for the name") << EditRow{"../x", {"Mtlaina<laina"}, msg::unusableBorrower("../x"), kAinoLoans};
        // clang-format on
    }

    void editLoan() {
        auto [borrower, steps, refusal, stored] = fetch<EditRow>();
        openOn(kAinoLoans, borrower, {});
        act({"Muokkaa"});
        settle(*w);
        const auto before = snapshotWorkDir();
        act(steps);
        // Enter in the edit box, or a press that leaves the focus in the borrower box.
        if (QApplication::focusWidget() == c<QLineEdit>("Mtlaina"))
            press(Qt::Key_Return);
        else
            c<QPushButton>("Tallenna")->click();
        QCOMPARE(dialogs.shown, refusal == Message() ? QList<Message>() : QList<Message>{refusal});
        QCOMPARE(recordsIn("Aino.kdx"), records(stored, 30));
        if (refusal != Message()) {
            QCOMPARE(snapshotWorkDir(), before);
            return;
        }
        stored.removeAll(QString());
        QCOMPARE(entries(c<QListWidget>("Laina")), stored);
        const QString typed = steps.filter(QRegularExpression("^Mtlaina<")).last().mid(8);
        QCOMPARE(c<QLineEdit>("Mtlaina")->text(), typed.trimmed()); // as stored
    }

    // The borrower box's tool tip, --summat and --hae tell the same of a register made in the
    // window, and the tool tip follows every change.
    void answersAgree() {
        const auto told = [this] {
            const auto* box = c<QComboBox>("Lainaaja");
            return box->toolTip() + (box->toolTip() == box->accessibleDescription() ? "" : "?");
        };
        const auto answer = [](const QStringList& arguments) {
            QProcess program;
            program.start(SALDORI_PROGRAM_FILE, arguments);
            return program.waitForFinished() ? program.readAllStandardOutput() : QByteArray();
        };
        act({"LLainaaja", "Uusi<Aino", "Enter"}); // on to her loans
        for (const QString loan : {"50 €", "1 200,50 e", "porakone"})
            act({"LainaLisaa<" + loan, "Enter"});
        act({"sulje2", "Lainaaja>Aino"});
        QCOMPARE(told(), u"Yhteensä 1\u00A0250,50\u00A0€ · 3 lainaa, 1 ilman summaa"_qs);
        QCOMPARE(answer({"--summat", "--csv"}), "lainaaja,summa,lainoja,ilman summaa\r\n"
                                                "Aino,1250.50,3,1\r\n,1250.50,3,1\r\n");
        QCOMPARE(answer({"--hae", "AINO"}), "lainaaja,paikka,laina\r\nAino,1,50 €\r\n"
                                            "Aino,2,\"1 200,50 e\"\r\nAino,3,porakone\r\n");
        act({"Muokkaa", "Laina:porakone", "Mtlaina<20 €", "Tallenna"}); // the box stays as it is
        QCOMPARE(told(), u"Yhteensä 1\u00A0270,50\u00A0€ · 3 lainaa"_qs);
        act({"Lainaaja<Aino ", "Tab"}); // typed, not picked
        QCOMPARE(told(), QString());
    }

    void failedSave_data() {
        QTest::addColumn<FailedSaveRow>("row");
        const QStringList all = {"a", "b", "c"};
        // The history keeps the files first, so on a full disk its folder is the one named.
        // clang-format off
        QTest::newRow("new borrower") << FailedSaveRow{{"Apua", "Ohjeet", "ohjellainaaja", "LLainaaja", "Uusi<Liisa", "OK"}, ".historia", {}};
        QTest::newRow("loan")         << FailedSaveRow{{"Apua", "Ohjeet", "ohjellaina", "LLaina", "Lainaaja1>Aino", "LainaLisaa<d", "OK1"}, ".historia", {}};
        QTest::newRow("edit")         << FailedSaveRow{{"Muokkaa", "Laina:a", "Mtlaina<d", "Tallenna"}, ".historia", all};
        QTest::newRow("one loan")     << FailedSaveRow{{"Apua", "Ohjeet", "ohjeplaina", "Lainaaja>Aino", "Laina>b", "PLaina"}, ".historia", all};
        // After a failed save the file still holds the loans, so nobody is offered for deletion.
        QTest::newRow("all loans")    << FailedSaveRow{{"Apua", "Ohjeet", "ohjeplaina", "Lainaaja>Aino", "Laina>a", "Laina>b", "Laina>c", "PLaina"}, ".historia", all};
        QTest::newRow("borrower")     << FailedSaveRow{{"Apua", "Ohjeet", "ohjeplainaaja", "Lainaaja>Aino", "PLainaaja"}, ".historia", {}};
        // clang-format on
    }

    void failedSave() {
        const auto& [steps, failedFile, listed] = fetch<FailedSaveRow>();
        openOn({"a", "b", "c"}, "Aino", {});
        const auto before = snapshotWorkDir();
        // The save is the last step; guided help, where a row starts it, must not call it done.
        act(steps.mid(0, steps.size() - 1));
        onFullDisk([&, &steps = steps] { act({steps.last()}); });
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed(failedFile)});
        QCOMPARE(snapshotWorkDir(), before);
        QCOMPARE(entries(c<QListWidget>("Laina")), listed);
        const QStringList done = {hint::kLoanSaved, hint::kLoansDeleted, hint::kBorrowerDeleted};
        QVERIFY(!done.contains(hint()));
    }
};

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
