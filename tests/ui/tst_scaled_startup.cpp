#include "support/Harness.h"
#include "ui/BakedImages.h"

#include <QComboBox>
#include <QImage>
#include <QTest>

// Started on a screen scaled to 200 % (QT_SCALE_FACTOR=2 from CTest), the window and every
// control are twice their size in pixels, and the backdrop is drawn from its own high-density
// picture, not from an enlargement of the small one.
class ScaledStartupTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void twiceAsLargeAndSharp() {
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.size(), QSize(800, 470));

        // The borrower box stands at (1680, 120) twips, 4215 x 375 twips large.
        const QRect box(w->Lainaaja->mapTo(w.get(), QPoint(0, 0)) * 2, w->Lainaaja->grab().size());
        QCOMPARE(box, QRect(224, 16, 562, 50));

        // The emblem of the menu column, clear of every control; an enlargement of the small
        // picture differs from the large one by a quarter of the colour range at its edges.
        const QImage art = baked::image(u"backdrop@2x.png");
        int largest = 0;
        for (int y = 280; y < 400; ++y) {
            for (int x = 80; x < 150; ++x) {
                const QColor drawn = shot.pixelColor(x, y), given = art.pixelColor(x, y);
                largest = std::max({largest, std::abs(drawn.red() - given.red()),
                                    std::abs(drawn.green() - given.green()),
                                    std::abs(drawn.blue() - given.blue())});
            }
        }
        QVERIFY2(largest <= 2, qPrintable(QString::number(largest)));
    }
};

QTEST_MAIN(ScaledStartupTest)
#include "tst_scaled_startup.moc"
