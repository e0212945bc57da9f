// The yardsticks: a frameless window of Saldori's size with one label and one line edit, built
// and shown as the program's main does; built with BENCH_SHOWN_CONTROLS, the same window holds
// the controls Saldori shows at its start instead: an editable combo box and a list of
// checkable entries. The second tells what the window's own looks cost from what Saldori adds.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
#ifdef BENCH_SHOWN_CONTROLS
    auto* names = new QComboBox(&window);
    names->setEditable(true);
    names->addItems({QStringLiteral("Lainaaja 01"), QStringLiteral("Lainaaja 02")});
    names->setGeometry(115, 40, 280, 22);
    auto* loans = new QListWidget(&window);
    loans->setGeometry(115, 65, 280, 150);
    for (const QString& text : {QStringLiteral("kirja"), QStringLiteral("porakone")}) {
        auto* loan = new QListWidgetItem(text, loans);
        loan->setFlags(loan->flags() | Qt::ItemIsUserCheckable);
        loan->setCheckState(Qt::Unchecked);
    }
#else
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 40, 200, 22);
#endif
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
