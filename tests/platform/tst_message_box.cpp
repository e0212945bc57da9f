#include "platform/Dialogs.h"
#include "platform/Translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Message)

// The real message box shows exactly what the program asks for, typed text as
// typed and Qt's own texts in Finnish, and reports the button pressed.
class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(installFinnishTranslation(*qApp)); }

    void showsTheMessageAsAsked_data() {
        QTest::addColumn<Message>("message");
        QTest::addColumn<QString>("shown"); // icon, buttons, the button pressed
        QTest::newRow("own caption")
            << Message{"Voit <b>tallentaa", Icon::Information, Buttons::Ok, "saldori - Ei!"}
            << "1 OK OK";
        QTest::newRow("question, OK")
            << Message{"Poistetaanko?", Icon::Question, Buttons::OkCancel} << "4 OK Peru OK";
        QTest::newRow("question, Cancel")
            << Message{"Poistetaanko?", Icon::Question, Buttons::OkCancel} << "4 OK Peru Peru";
        QTest::newRow("no icon") << Message{"Virhe!"} << "0 OK OK";
    }

    void showsTheMessageAsAsked() {
        QFETCH(Message, message);
        QFETCH(QString, shown);
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->textFormat() == Qt::PlainText);
            seen << box->windowTitle() << box->text() << QString::number(box->icon());
            for (QAbstractButton* button : box->buttons())
                seen << button->text();
            box->button(shown.endsWith("Peru") ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        const Answer answer = MessageBoxDialogs().show(message);
        QCOMPARE(seen.join(u' ') + (answer == Answer::Ok ? " OK" : " Peru"),
                 message.caption + ' ' + message.text + ' ' + shown);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_message_box.moc"
