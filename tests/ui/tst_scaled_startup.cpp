#include "support/Harness.h"

// Started on a screen scaled to 200 % (QT_SCALE_FACTOR=2 from CTest), the
// window and every control are twice their size in pixels.
class ScaledStartupTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void twiceAsLarge() {
        QCOMPARE(w->grab().toImage().size(), QSize(800, 470));
        // The borrower box stands at (1680, 120) twips, 4215 x 375 twips large.
        const QRect box(w->Lainaaja->mapTo(w.get(), QPoint(0, 0)) * 2, w->Lainaaja->grab().size());
        QCOMPARE(box, QRect(224, 16, 562, 50));
    }
};

QTEST_MAIN(ScaledStartupTest)
#include "tst_scaled_startup.moc"
