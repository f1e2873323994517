// The child beside every prompt is drawn for the screen's scale, not enlarged
// from a small bitmap, so a 200 % screen shows it crisp.
#include "controls/look.h"
#include "ui/child_picture.h"

#include <QTest>

class ChildPictureTest : public QObject {
    Q_OBJECT
private slots:
    void drawnAtTheScreensScale_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("200 %") << 2;
        QTest::newRow("300 %") << 3;
    }

    // At scale s the drawing covers s times the device pixels, and blocks of
    // s × s device pixels are not all one colour, as an enlarged bitmap's are.
    void drawnAtTheScreensScale() {
        QFETCH(int, scale);
        ChildPicture picture;
        QRect drawn[2];
        int finer = 0;
        for (const int s : {1, scale}) {
            QImage image(picture.size() * s, QImage::Format_RGB32);
            image.setDevicePixelRatio(s);
            picture.render(&image);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y) != look::windowBackground)
                        drawn[s > 1] |= QRect(x, y, 1, 1);
                    finer += s > 1 && image.pixel(x, y) != image.pixel(x - x % s, y - y % s);
                }
        }
        QVERIFY(qAbs(drawn[1].width() - scale * drawn[0].width()) <= scale);
        QVERIFY(qAbs(drawn[1].height() - scale * drawn[0].height()) <= scale);
        QVERIFY2(finer > 200, "drawn at the device's pixels");
    }
};

QTEST_MAIN(ChildPictureTest)
#include "test_child_picture.moc"
