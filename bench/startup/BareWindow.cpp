// The yardstick: a frameless window of Saldori's size with one label and one line edit, built
// and shown as the program's main does.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bare"));

    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setFixedSize(400, 235);
    auto* label = new QLabel(QStringLiteral("Lainaajan nimi:"), &window);
    label->setGeometry(10, 10, 200, 20);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 40, 200, 22);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
