#include "platform/Dialogs.h"
#include "platform/Translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Message)
Q_DECLARE_METATYPE(Answer)

// The real message box shows exactly what the program asks for, and reports the button pressed.
class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheMessageAsAsked_data() {
        QTest::addColumn<Message>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<bool>("pressOk");
        QTest::addColumn<Answer>("answer");
        const Message full{"Voit tallentaa 30 lainaa", Icon::Information, Buttons::Ok,
                           "saldori - Lainaa ei lisätty!"};
        const Message question{"Haluatko poistaa?", Icon::Question, Buttons::OkCancel};
        QTest::newRow("own caption") << full << QMessageBox::Information << true << Answer::Ok;
        QTest::newRow("question, OK") << question << QMessageBox::Question << true << Answer::Ok;
        QTest::newRow("question, Cancel")
            << question << QMessageBox::Question << false << Answer::Cancel;
        QTest::newRow("no icon") << Message{"Virhe!"} << QMessageBox::NoIcon << true << Answer::Ok;
    }

    void showsTheMessageAsAsked() {
        QFETCH(Message, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(bool, pressOk);
        QFETCH(Answer, answer);

        QMessageBox* seen = nullptr;
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(seen);
            QCOMPARE(seen->windowTitle(), message.caption);
            QCOMPARE(seen->text(), message.text);
            QCOMPARE(seen->icon(), icon);
            for (QAbstractButton* button : seen->buttons())
                buttons << button->text();
            seen->button(pressOk ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        MessageBoxDialogs dialogs;
        QCOMPARE(dialogs.show(message), answer);
        QVERIFY(seen);
        QCOMPARE(buttons.size(), message.buttons == Buttons::OkCancel ? 2 : 1);
    }

    // Qt's own texts speak Finnish, and a typed "<b>" is shown as typed.
    void finnishAndPlain() {
        QVERIFY(installFinnishTranslation(*qApp));
        QString cancel;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            cancel = box->button(QMessageBox::Cancel)->text();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        MessageBoxDialogs().show({"<b>Aino", Icon::Question, Buttons::OkCancel});
        QCOMPARE(cancel, QStringLiteral("Peru"));
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_message_box.moc"
