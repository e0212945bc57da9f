#include "ledger/LoanFile.h"
#include "support/Harness.h"
#include "support/Input.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

using ledger::kRegisterFile;

namespace {

const QStringList kBorrowers = {"Aino", "", "Liisa", "Pekka"};

QStringList withAt(int slot, const QString& value, QStringList values = {}) {
    values.resize(std::max(int(values.size()), slot + 1));
    values[slot] = value;
    return values;
}

struct NameCase {
    QStringList names;
    QString typed;
    Message refusal;
    int slot = -1; // where the name goes when it is accepted
};

struct LoanCase {
    QStringList saved;
    QString borrower, typed;
    Message refusal;
    QStringList after;
};

QStringList underlinedLabels(const Saldori& w) {
    QStringList underlined;
    for (const QLabel* label : w.findChildren<MenuLabel*>()) {
        if (label->font().underline())
            underlined << label->objectName();
    }
    return underlined;
}

} // namespace

Q_DECLARE_METATYPE(NameCase)
Q_DECLARE_METATYPE(LoanCase)

// Adding borrowers and adding loans to them.
class AddTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void panelsOpenAndClose_data() {
        QTest::addColumn<bool>("addLoans");
        QTest::addColumn<QString>("picked");
        QTest::newRow("add borrower") << false << "Aino";
        QTest::newRow("add loans, borrower shown") << true << "Aino";
        QTest::newRow("add loans, prompt shown") << true << "";
    }

    void panelsOpenAndClose() {
        QFETCH(bool, addLoans);
        QFETCH(QString, picked);
        writeRecordFile(kRegisterFile, {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja"}, 30);
        reopen();
        const auto filesBefore = snapshotWorkDir();
        if (!picked.isEmpty())
            pickFromList(w->Lainaaja, picked);
        QGroupBox* panel = addLoans ? w->Add1 : w->Add;

        click(addLoans ? w->LLaina : w->LLainaaja);
        settle(*w);

        QVERIFY(Saldori::shown(panel));
        QCOMPARE(QApplication::focusWidget(), addLoans ? w->LainaLisaa : w->Uusi);
        QCOMPARE(enabledMenuLabels(*w), QStringList{"Lopeta"});
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        QVERIFY(!w->Lainaaja->isEnabled() && !w->Laina->isEnabled());
        if (addLoans) {
            // The borrower shown on the main screen is preselected.
            QCOMPARE(w->Lainaaja1->currentText(), picked);
            QCOMPARE(entries(w->Lainaaja1), (QStringList{"Aino", "Pekka"}));
            // Typing a borrower moves on to the loan.
            w->Lainaaja1->setFocus();
            QTest::keyClick(w->Lainaaja1->lineEdit(), 'x');
            QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        } else {
            QTest::keyClicks(w->Uusi, "Pekka");
        }

        click(addLoans ? static_cast<QWidget*>(w->sulje2) : w->sulje1);
        settle(*w);

        QVERIFY(!Saldori::shown(panel));
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled());
        QCOMPARE(entries(w->Lainaaja), (QStringList{"Aino", "Pekka"}));
        QCOMPARE(snapshotWorkDir(), filesBefore);
        // What was typed before leaving is still there on coming back.
        click(w->LLainaaja);
        QCOMPARE(w->Uusi->text(), QString(addLoans ? "" : "Pekka"));
    }

    void addBorrower_data() {
        QTest::addColumn<NameCase>("c");
        using L = QStringList;
        const L slot57 = withAt(57, "Matti");
        const L full = numbered("Nimi", 100);
        // clang-format off
        QTest::newRow("empty")                << NameCase{L(),     "",                 msg::kEmptyName};
        QTest::newRow("blanks only")          << NameCase{slot57,  "   ",              msg::kEmptyName};
        QTest::newRow("duplicate of slot 57") << NameCase{slot57,  "Matti",            msg::kDuplicateName};
        QTest::newRow("duplicate, blanks")    << NameCase{slot57,  "  Matti ",         msg::kDuplicateName};
        QTest::newRow("register full")        << NameCase{full,    "Uusi",             msg::kRegisterFull};
        QTest::newRow("full and duplicate")   << NameCase{full,    "Nimi42",           msg::kDuplicateName};
        QTest::newRow("marker")               << NameCase{slot57,  "Ma×tti",           msg::kUnstorableName};
        QTest::newRow("emoji")                << NameCase{slot57,  "Matti \U0001F600", msg::kUnstorableName};
        QTest::newRow("outside the folder")   << NameCase{slot57,  "../x",             msg::kUnusableName};
        QTest::newRow("the register's name")  << NameCase{slot57,  "nimet",            msg::kUnusableName};
        QTest::newRow("300 characters")       << NameCase{slot57,  QString(300, u'a'), msg::kUnusableName};
        QTest::newRow("beside other case")    << NameCase{{"liisa"}, "Liisa",          {}, 1};
        QTest::newRow("only gap")             << NameCase{withAt(5, "", full), "Liisa", {}, 5};
        QTest::newRow("outer blanks")         << NameCase{{"Aino"}, "  Liisa \t",      {}, 1};
        QTest::newRow("euro, no register")    << NameCase{L(),     "Velka €",          {}, 0};
        // clang-format on
    }

    void addBorrower() {
        QFETCH(NameCase, c);
        if (!c.names.isEmpty())
            writeRecordFile(kRegisterFile, c.names, 100);
        // The panel reads the register itself, so the file written here is the one it works on.
        click(w->LLainaaja);
        const auto filesBefore = snapshotWorkDir();
        w->Uusi->setText(c.typed);

        click(w->OK);
        settle(*w);

        if (c.slot < 0) {
            QCOMPARE(dialogs.shown, QList<Message>{c.refusal});
            QCOMPARE(snapshotWorkDir(), filesBefore);
            QCOMPARE(w->Uusi->text(), c.typed);
            QVERIFY(!Saldori::shown(w->Add1));
            return;
        }
        const QString stored = c.typed.trimmed();
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords(withAt(c.slot, stored, c.names), 100));
        QCOMPARE(recordLines(stored + ".kdx"), expectedRecords({}, 30));
        QCOMPARE(w->Uusi->text(), QString());
        QVERIFY(!Saldori::shown(w->Add) && Saldori::shown(w->Add1));
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        QCOMPARE(w->Lainaaja1->currentText(), stored);
    }

    void failedBorrowerSave_data() {
        QTest::addColumn<bool>("loanFileFails");
        QTest::newRow("full disk") << false;
        QTest::newRow("folder for the loan file") << true;
    }

    void failedBorrowerSave() {
        QFETCH(bool, loanFileFails);
        writeRecordFile(kRegisterFile, {"Aino", "", "Pekka"}, 100);
        click(w->LLainaaja);
        const QByteArrayList registerBefore = recordLines(kRegisterFile);
        retype(w->Uusi, "Liisa");
        if (loanFileFails) {
            // A folder in the loan file's place stops the add before anything is written.
            QVERIFY(QDir().mkdir("Liisa.kdx"));
            click(w->OK);
            QVERIFY(QDir().rmdir("Liisa.kdx"));
        } else {
            const FailingWrites failing;
            click(w->OK);
        }

        const Message failure =
            loanFileFails ? msg::unreadableFile("Liisa.kdx") : msg::saveFailed("Liisa.kdx");
        QCOMPARE(dialogs.shown, QList<Message>{failure});
        QCOMPARE(recordLines(kRegisterFile), registerBefore);
        QVERIFY(!exists("Liisa.kdx") && !Saldori::shown(w->Add1));
        QCOMPARE(w->Uusi->text(), QStringLiteral("Liisa"));
        // Nothing of the failed attempt is left in memory to make the retry a duplicate.
        dialogs.shown.clear();
        click(w->OK);
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords({"Aino", "Liisa", "Pekka"}, 100));
    }

    // One walk through the guided help: a borrower, then loans for them, twice into the loans.
    void guidedHelp() {
        writeRecordFile(kRegisterFile, kBorrowers, 100);
        reopen();
        w->ohjeteksti->show();
        // clang-format off
        const QStringList whole = {"Apua", "LLaina", "LLainaaja", "Lopeta", "Muokkaa", "PLaina", "PLainaaja"};
        // The name box marked is yellow with red text; the loan boxes marked are green and cyan.
        struct Step { const char* what; std::function<void()> act; QString hint; QPushButton* bold; bool nameBox, loanBoxes; QStringList enabled, underlined; };
        const Step steps[] = {
            {"open",        [&] { click(w->LLainaaja); },                hint::kTypeName,          nullptr, true,  false, {"LLainaaja", "Lopeta"}, {}},
            {"type",        [&] { QTest::keyClicks(w->Uusi, "L"); },                 hint::kClickAdd,          w->OK,   true,  false, {"LLainaaja", "Lopeta"}, {}},
            {"erase",       [&] { QTest::keyClick(w->Uusi, Qt::Key_Backspace); }, hint::kTypeName, nullptr, true,  false, {"LLainaaja", "Lopeta"}, {}},
            {"back out",    [&] { QTest::keyClicks(w->Uusi, "Pekka"); click(w->sulje1); }, hint::kClickAddBorrower, nullptr, false, false, {"LLainaaja", "Lopeta"}, {"LLainaaja"}},
            {"add",         [&] { settle(*w); click(w->LLainaaja); retype(w->Uusi, "Maija"); click(w->OK); },
                                                                         hint::kChooseBorrowerTypeLoan, nullptr, false, true, {"LLaina", "Lopeta"}, {"LLaina"}},
            {"leave loans", [&] { click(w->sulje2); },                   hint::kLeaveButton,       nullptr, false, false, {"LLaina", "Lopeta"}, {}},
            {"open loans",  [&] { settle(*w); pickFromList(w->Lainaaja, "Maija"); click(w->LLaina); },       hint::kChooseBorrowerTypeLoan, nullptr, false, true, whole, {}},
            {"type loan",   [&] { QTest::keyClicks(w->LainaLisaa, "k"); },           hint::kClickAdd,          w->OK1,  false, true,  whole, {}},
            {"erase loan",  [&] { QTest::keyClick(w->LainaLisaa, Qt::Key_Backspace); }, hint::kChooseBorrowerTypeLoan, nullptr, false, true, whole, {}},
            {"add loan",    [&] { QTest::keyClicks(w->LainaLisaa, "kirja"); click(w->OK1); }, hint::kLoanSaved, nullptr, false, true,  whole, {}},
        };
        // clang-format on
        for (const Step& step : steps) {
            step.act();
            const QByteArray where = QByteArray("at step ") + step.what;
            const QColor plain = colours::systemWindow();
            QVERIFY2(w->ohjeteksti->text() == step.hint && !w->Vilkuta->isEnabled(), where);
            QVERIFY2(w->OK->font().bold() == (step.bold == w->OK), where);
            QVERIFY2(w->OK1->font().bold() == (step.bold == w->OK1), where);
            QVERIFY2(colours::background(w->Uusi) == (step.nameBox ? colours::kYellow : plain),
                     where);
            QVERIFY2(colours::text(w->Uusi) == (step.nameBox ? colours::kRed : colours::kBlack),
                     where);
            QVERIFY2(colours::background(w->Lainaaja1) ==
                         (step.loanBoxes ? colours::kGreen : plain),
                     where);
            QVERIFY2(colours::background(w->LainaLisaa) ==
                         (step.loanBoxes ? colours::kCyan : plain),
                     where);
            QVERIFY2(enabledMenuLabels(*w) == step.enabled, where);
            QVERIFY2(underlinedLabels(*w) == step.underlined, where);
        }
        click(w->sulje2);
        QVERIFY(w->ohjeliikuttaja->isEnabled());
        settle(*w);
        QVERIFY(!Saldori::shown(w->Add1));
        QCOMPARE(entries(w->Lainaaja), (QStringList{"Aino", "Maija", "Liisa", "Pekka"}));
        QCOMPARE(recordLines("Maija.kdx"), expectedRecords({"kirja"}, 30));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void emptyRegisterOnlyTellsSo() {
        click(w->LLaina);
        settle(*w);
        QCOMPARE(dialogs.shown, QList<Message>{msg::kNoBorrowersForLoans});
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(!Saldori::shown(w->Add1));
        QVERIFY(filesInWorkDir().isEmpty());
    }

    void addLoan_data() {
        QTest::addColumn<LoanCase>("c");
        using L = QStringList;
        const L one = {"kirja"};
        const L thirty = numbered("laina ", 30);
        const L gapAt4 = withAt(4, "", thirty);
        const Message noFile = msg::kNoLoanFile;
        const Message full{msg::loansFull("Liisa").text, Icon::Information, Buttons::Ok,
                           "saldori - Lainaa ei lisätty!"};
        // clang-format off
        QTest::newRow("empty")                << LoanCase{one,    "Liisa",    "",          msg::kEmptyLoan,      one};
        QTest::newRow("blanks only")          << LoanCase{one,    "Liisa",    "   ",       msg::kEmptyLoan,      one};
        QTest::newRow("duplicate")            << LoanCase{one,    "Liisa",    "kirja",     msg::kDuplicateLoan,  one};
        QTest::newRow("duplicate, blanks")    << LoanCase{one,    "Liisa",    " kirja  ",  msg::kDuplicateLoan,  one};
        QTest::newRow("marker")               << LoanCase{one,    "Liisa",    "ki×rja",    msg::kUnstorableLoan, one};
        QTest::newRow("no borrower")          << LoanCase{one,    "",         "kynä",      noFile,               one};
        QTest::newRow("empty, unknown one")   << LoanCase{one,    "Maija",    "",          msg::kEmptyLoan,      one};
        QTest::newRow("unknown borrower")     << LoanCase{one,    "Maija",    "kynä",      noFile,               one};
        QTest::newRow("path as borrower")     << LoanCase{one,    "../nimet", "kynä",      noFile,               one};
        QTest::newRow("register as borrower") << LoanCase{one,    "nimet",    "kynä",      noFile,               one};
        QTest::newRow("31st loan")            << LoanCase{thirty, "Liisa",    "kynä",      full,                 thirty};
        QTest::newRow("first loan")           << LoanCase{L(),    "Liisa",    "kynä",      {},                   {"kynä"}};
        QTest::newRow("other case")           << LoanCase{{"Kynä"}, "Liisa",  "kynä",      {},                   {"Kynä", "kynä"}};
        QTest::newRow("gap at slot 4")        << LoanCase{gapAt4, "Liisa",    "kynä",      {},                   withAt(4, "kynä", gapAt4)};
        QTest::newRow("outer blanks")         << LoanCase{one,    "Liisa",    "  kynä \t", {},                   {"kirja", "kynä"}};
        // clang-format on
    }

    void addLoan() {
        QFETCH(LoanCase, c);
        writeRecordFile("Liisa.kdx", c.saved, 30);
        openAddLoans(c.borrower);
        const QStringList filesBefore = filesInWorkDir();
        const bool outsideBefore = exists("../nimet.kdx");
        w->LainaLisaa->setText(c.typed);

        click(w->OK1);

        const bool refused = c.refusal != Message();
        QCOMPARE(dialogs.shown, refused ? QList<Message>{c.refusal} : QList<Message>());
        QCOMPARE(recordLines("Liisa.kdx"), expectedRecords(c.after, 30));
        QCOMPARE(filesInWorkDir(), filesBefore);
        QCOMPARE(exists("../nimet.kdx"), outsideBefore);
        // A borrower without a loan file is not kept for the next try.
        QCOMPARE(w->Lainaaja1->currentText(),
                 c.refusal == msg::kNoLoanFile ? QString() : c.borrower);
        QCOMPARE(w->LainaLisaa->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
    }

    void failedLoanSave() {
        writeRecordFile("Liisa.kdx", {"kirja"}, 30);
        w->ohjeteksti->show();
        openAddLoans("Liisa");
        const QByteArray loansBefore = readBytes("Liisa.kdx");
        w->LainaLisaa->setText("kynä");
        {
            const FailingWrites failing;
            click(w->OK1);
        }

        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("Liisa.kdx")});
        QCOMPARE(readBytes("Liisa.kdx"), loansBefore);
        // The table is read back, so it holds what the file holds and not the loan that failed.
        QCOMPARE(w->muisti2[0], QStringLiteral("kirja"));
        QCOMPARE(w->muisti2[1], QString());
        QVERIFY(w->ohjeteksti->text() != hint::kLoanSaved);
        QCOMPARE(w->LainaLisaa->text(), QString());
    }

    void aBorrowerAndThreeLoansByKeyboard() {
        click(w->LLainaaja);
        typeAndEnter(QApplication::focusWidget(), "Liisa");
        const QStringList loans = {"kirja", "kyna ja kuori", "10,50 maitoa"};
        for (const QString& loan : loans) {
            QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
            typeAndEnter(QApplication::focusWidget(), loan);
        }
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords({"Liisa"}, 100));
        QCOMPARE(recordLines("Liisa.kdx"), expectedRecords(loans, 30));
    }

  private:
    // The borrower box set as the program sets it, which counts as typing into it.
    void openAddLoans(const QString& borrower) {
        writeRecordFile(kRegisterFile, kBorrowers, 100);
        click(w->LLaina);
        w->Lainaaja1->lineEdit()->setText(borrower);
    }
};

QTEST_MAIN(AddTest)
#include "tst_add.moc"
