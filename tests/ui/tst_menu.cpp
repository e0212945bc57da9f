#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/MenuLabel.h"

#include <QTest>

// The menu follows the mouse, and the bare window surface clears it and drags the window.
class MenuTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        window_ = openWindow(dialogs_);
    }
    void cleanup() {
        window_.reset();
        dir_.reset();
    }

    void hoverMovesTheHighlight_data();
    void hoverMovesTheHighlight();
    void blinkFreezesTheColours_data();
    void blinkFreezesTheColours();
    void enablingNeverTouchesQuit();
    void dragWithLeftButtonAlone_data();
    void dragWithLeftButtonAlone();

  private:
    QList<MenuLabel*> menu() const {
        return {window_->LLainaaja, window_->LLaina, window_->PLainaaja, window_->PLaina,
                window_->Muokkaa,   window_->Apua,   window_->Lopeta};
    }
    // One letter per menu label, in menu order: G green, Y yellow, C another colour.
    QString colourCodes() const {
        QString codes;
        for (const MenuLabel* label : menu()) {
            const QColor colour = colours::text(label);
            codes += colour == colours::kGreen ? u'G' : colour == colours::kYellow ? u'Y' : u'C';
        }
        return codes;
    }
    void setColourCodes(const QString& codes) {
        const QList<MenuLabel*> labels = menu();
        for (int i = 0; i < labels.size(); ++i) {
            const QChar code = codes[i];
            colours::setText(labels[i], code == u'G'   ? colours::kGreen
                                        : code == u'Y' ? colours::kYellow
                                                       : colours::kCyan);
        }
    }
    // A move that arrives where the pointer already is never reaches the window, so each case
    // starts from the loan list, which leaves the menu colours alone.
    void moveOverList() {
        QTest::mouseMove(window_.get(), at(3000, 1500));
        QCOMPARE(colourCodes(), QStringLiteral("GGGGGGG"));
    }
    // A point of the window, in pixels, given in twips as the layout is.
    static QPoint at(int leftTwips, int topTwips) { return {leftTwips / 15, topTwips / 15}; }

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

namespace {

// The menu column's backdrop below "Muokkaa", clear of every control.
const int kSurfaceLeft = 750;
const int kSurfaceTop = 1800;

} // namespace

void MenuTest::hoverMovesTheHighlight_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QString>("after");

    const QPoint onAddBorrower = at(500, 200);
    // The two labels touch, so this single move goes straight from one to the other.
    const QPoint onAddLoansEdge = at(500, 370);
    const QPoint surface = at(kSurfaceLeft, kSurfaceTop);
    QTest::newRow("onto a label") << "GGGGGGG" << onAddBorrower << "YGGGGGG";
    QTest::newRow("straight to the next label") << "YGGGGGG" << onAddLoansEdge << "GYGGGGG";
    QTest::newRow("left yellow by a blink") << "GGGGYGG" << onAddBorrower << "YGGGGGG";
    QTest::newRow("a label already yellow") << "YGGGGGG" << onAddBorrower << "YGGGGGG";
    QTest::newRow("a label in another colour stays so") << "CGGYGGG" << onAddBorrower << "CGGGGGG";
    QTest::newRow("surface clears the highlight") << "GGGYGGG" << surface << "GGGGGGG";
    QTest::newRow("surface clears any colour back to green") << "CGGYGGG" << surface << "GGGGGGG";
    QTest::newRow("surface without a highlight") << "CGGGGGG" << surface << "CGGGGGG";
}

void MenuTest::hoverMovesTheHighlight() {
    QFETCH(QString, before);
    QFETCH(QPoint, target);
    QFETCH(QString, after);

    moveOverList();
    setColourCodes(before);
    QTest::mouseMove(window_.get(), target);
    QCOMPARE(colourCodes(), after);
}

void MenuTest::blinkFreezesTheColours_data() {
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QString>("afterBlink");

    QTest::newRow("label") << at(500, 600 + 120) << "GGYGGGG";
    QTest::newRow("surface") << at(kSurfaceLeft, kSurfaceTop) << "GGGGGGG";
}

void MenuTest::blinkFreezesTheColours() {
    QFETCH(QPoint, target);
    QFETCH(QString, afterBlink);

    moveOverList();
    setColourCodes(QStringLiteral("YGGGGGG"));
    window_->Vilkuta->start();
    QTest::mouseMove(window_.get(), target);
    QCOMPARE(colourCodes(), QStringLiteral("YGGGGGG"));

    window_->Vilkuta->stop();
    QTest::mouseMove(window_.get(), target + QPoint(1, 0));
    QCOMPARE(colourCodes(), afterBlink);
}

void MenuTest::enablingNeverTouchesQuit() {
    window_->Disabloi();
    for (MenuLabel* label : menu())
        QCOMPARE(label->isEnabled(), label == window_->Lopeta);

    window_->Lopeta->setEnabled(false);
    window_->Enabloi();
    for (MenuLabel* label : menu())
        QCOMPARE(label->isEnabled(), label != window_->Lopeta);
}

void MenuTest::dragWithLeftButtonAlone_data() {
    QTest::addColumn<QList<int>>("pressed"); // Qt::MouseButton values, pressed in this order
    QTest::addColumn<bool>("moves");

    QTest::newRow("left") << QList<int>{Qt::LeftButton} << true;
    QTest::newRow("right") << QList<int>{Qt::RightButton} << false;
    QTest::newRow("left and right") << QList<int>{Qt::LeftButton, Qt::RightButton} << false;
    QTest::newRow("right and left") << QList<int>{Qt::RightButton, Qt::LeftButton} << false;
    QTest::newRow("left and middle") << QList<int>{Qt::LeftButton, Qt::MiddleButton} << false;
}

// The test platform refuses to hand the move to a window manager, so the window must follow
// the mouse itself.
void MenuTest::dragWithLeftButtonAlone() {
    QFETCH(QList<int>, pressed);
    QFETCH(bool, moves);

    const QPoint start = at(kSurfaceLeft, kSurfaceTop);
    const QPoint shift(30, 20);
    const QPoint windowBefore = window_->pos();
    for (int button : pressed)
        QTest::mousePress(window_.get(), Qt::MouseButton(button), {}, start);
    QTest::mouseMove(window_.get(), start + shift);

    QCOMPARE(window_->pos(), moves ? windowBefore + shift : windowBefore);
    for (int button : pressed)
        QTest::mouseRelease(window_.get(), Qt::MouseButton(button), {}, start + shift);
}

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
