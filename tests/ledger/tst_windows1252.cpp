#include "ledger/StorableText.h"
#include "ledger/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

// The program's own Windows-1252 table against the toolkit's converter, byte for byte and
// character for character, and the texts that converter let through only to drop them.
class Windows1252Test : public QObject {
    Q_OBJECT

  private slots:
    void everyByteReadsAsTheToolkitReadsIt() {
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte)
            everyByte += char(byte);
        QStringDecoder toolkit("windows-1252");
        QCOMPARE(ledger::fromWindows1252(everyByte), QString(toolkit(everyByte)));
    }

    void everyCharacterWritesAsTheToolkitWritesIt() {
        QStringList differences;
        for (int code = 0; code <= 0xFFFF; ++code) {
            const QString text = u'a' + QChar(code) + u'b';
            QStringEncoder toolkit("windows-1252");
            const QByteArray expected = toolkit(text);
            const std::optional<QByteArray> ours = ledger::toWindows1252(text);
            if (ours.has_value() == toolkit.hasError() || (ours && *ours != expected))
                differences << QString::number(code, 16);
        }
        QCOMPARE(differences, QStringList());
    }

    // Stored, these would have read back as a different text.
    void droppedCharactersAreNotStorable_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("leading byte order mark") << QStringLiteral("\uFEFFAino");
        QTest::newRow("leading reversed mark") << QStringLiteral("\uFFFEAino");
        QTest::newRow("lone high surrogate at the end") << QStringLiteral("Aino") + QChar(0xD83D);
        QTest::newRow("lone low surrogate") << QStringLiteral("Ai") + QChar(0xDE00) + u'n';
    }

    void droppedCharactersAreNotStorable() {
        QFETCH(QString, text);
        QVERIFY(!ledger::isStorable(text));
    }
};

QTEST_GUILESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"
