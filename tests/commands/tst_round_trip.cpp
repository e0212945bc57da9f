#include "support/Harness.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// A borrower and loans typed as a user types them survive restarts, additions and deletions.
class RoundTripTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void borrowerAndLoansSurviveRestarts();

  private:
    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
};

namespace {

const QString kBorrower = QStringLiteral("Virtanen, Liisa");
const QString kMilk = QStringLiteral("10,50 € maitoa");
const QString kBook = QStringLiteral("\"kirja\" ja kynä");
const QString kBike = QStringLiteral("polkupyörä");

// Lets every running animation finish, one tick at a time.
void settle(Saldori& window) {
    for (int tick = 0;
         tick < 500 && (window.liikuttaja->isEnabled() || window.Vilkuta->isEnabled()); ++tick) {
        if (window.liikuttaja->isEnabled())
            window.liikuttaja_Timer();
        if (window.Vilkuta->isEnabled())
            window.Vilkuta_Timer();
    }
    QVERIFY(!window.liikuttaja->isEnabled());
    QVERIFY(!window.Vilkuta->isEnabled());
}

// Types any text, letters beyond ASCII included, as key presses carrying that text.
void typeAndEnter(QWidget* box, const QString& text) {
    QCOMPARE(QApplication::focusWidget(), box);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    QTest::keyClick(box, Qt::Key_Return);
}

void addLoans(Saldori& window, const QStringList& loans) {
    for (const QString& loan : loans)
        typeAndEnter(window.LainaLisaa, loan);
    QTest::mouseClick(window.sulje2, Qt::LeftButton);
    settle(window);
}

} // namespace

void RoundTripTest::borrowerAndLoansSurviveRestarts() {
    auto window = openWindow(dialogs_);
    QTest::mouseClick(window->LLainaaja, Qt::LeftButton);
    settle(*window);
    typeAndEnter(window->Uusi, kBorrower);
    settle(*window);
    QCOMPARE(window->Lainaaja1->currentText(), kBorrower);
    addLoans(*window, {kMilk, kBook});
    QVERIFY(dialogs_.shown.isEmpty());
    QVERIFY(window->LLaina->isEnabled());

    window.reset();
    window = openWindow(dialogs_);
    pickFromList(window->Lainaaja, kBorrower);
    QCOMPARE(entries(window->Laina), (QStringList{kMilk, kBook}));

    QTest::mouseClick(window->LLaina, Qt::LeftButton);
    settle(*window);
    QCOMPARE(window->Lainaaja1->currentText(), kBorrower);
    addLoans(*window, {kBike});

    pickFromList(window->Lainaaja, kBorrower);
    QCOMPARE(entries(window->Laina), (QStringList{kMilk, kBook, kBike}));
    window->Laina->item(1)->setCheckState(Qt::Checked);
    QTest::mouseClick(window->PLaina, Qt::LeftButton);
    settle(*window);
    QCOMPARE(entries(window->Laina), (QStringList{kMilk, kBike}));
    QVERIFY(dialogs_.shown.isEmpty());

    window.reset();
    window = openWindow(dialogs_);
    QCOMPARE(entries(window->Lainaaja), QStringList{kBorrower});
    pickFromList(window->Lainaaja, kBorrower);
    QCOMPARE(entries(window->Laina), (QStringList{kMilk, kBike}));
    QCOMPARE(recordLines(kBorrower + QStringLiteral(".kdx")), expectedRecords({kMilk, kBike}, 30));
    QCOMPARE(recordLines(QStringLiteral("nimet.kdx")), expectedRecords({kBorrower}, 100));
}

QTEST_MAIN(RoundTripTest)
#include "tst_round_trip.moc"
