#include "ledger/LoanFile.h"
#include "ledger/StorableText.h"

#include <QTest>

// Which borrower names may become a file in the working folder, and which texts can be stored.
class LoanFileNameTest : public QObject {
    Q_OBJECT

  private slots:
    void fileName_data() {
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("expected"); // empty: no loan file
        // clang-format off
        QTest::newRow("blank, comma, quotes")      << "Virtanen, \"Liisa\"" << "Virtanen, \"Liisa\".kdx";
        QTest::newRow("Finnish letters")           << "Äijälä Öö" << "Äijälä Öö.kdx";
        QTest::newRow("other case of an own file") << "Nimet" << "Nimet.kdx";
        QTest::newRow("dots inside")               << "a..b" << "a..b.kdx";
        QTest::newRow("longest allowed")           << QString(251, u'a') << QString(251, u'a') + ".kdx";
        QTest::newRow("empty")                     << "" << "";
        QTest::newRow("dot")                       << "." << "";
        QTest::newRow("dot dot")                   << ".." << "";
        QTest::newRow("parent path")               << "../x" << "";
        QTest::newRow("absolute path")             << "/etc/passwd" << "";
        QTest::newRow("NUL")                       << QStringLiteral("a\0b") << "";
        QTest::newRow("line feed")                 << "a\nb" << "";
        QTest::newRow("carriage return")           << "a\rb" << "";
        QTest::newRow("too long")                  << QString(252, u'a') << "";
        QTest::newRow("too long in bytes")         << QString(130, u'ä') << "";
        QTest::newRow("the register")              << "nimet" << "";
        QTest::newRow("the updater")               << "UpDater" << "";
        // clang-format on
    }

    void fileName() {
        QFETCH(QString, borrower);
        QFETCH(QString, expected);
        QCOMPARE(ledger::loanFileName(borrower).value_or(QString()), expected);
    }

    void storable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("euro, letters, quotes") << "10,50 € äöÅ \"kirja\", kynä" << true;
        QTest::newRow("marker")                << "a×b" << false;
        QTest::newRow("line feed")             << "a\nb" << false;
        QTest::newRow("tab")                   << "a\tb" << false;
        QTest::newRow("emoji")                 << "raha 💶" << false;
        QTest::newRow("Cyrillic")              << "Иван" << false;
        // clang-format on
    }

    void storable() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(ledger::isStorable(text), expected);
    }
};

QTEST_GUILESS_MAIN(LoanFileNameTest)
#include "tst_loan_file_name.moc"
