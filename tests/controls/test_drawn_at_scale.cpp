// On a 200 % screen the frames, lines, bevels and boxes the controls draw are
// those of a 100 % screen with every pixel doubled: no edge thinner on one
// side, no line of the fill left along another.
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/shape.h"
#include "controls/status_bar.h"
#include "lessons/wordproblems/line_picture.h"

#include <QTest>
#include <functional>
#include <memory>

using MakeControl = std::function<QWidget*()>;

namespace {
QImage rendered(QWidget* control, int scale) {
    QImage image(control->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    control->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}
} // namespace

class DrawnAtScaleTest : public QObject {
    Q_OBJECT
private slots:
    void pixelsDoubleAtTwiceTheScale_data() {
        QTest::addColumn<MakeControl>("make");
        QTest::newRow("title frame") << MakeControl([] {
            auto* frame = new Shape;
            frame->resize(97, 33);
            frame->setBrushColor(QColor(0xEA, 0xEA, 0xFF));
            return frame;
        });
        QTest::newRow("the column's line, all outline") << MakeControl([] {
            auto* line = new Shape;
            line->resize(121, 2);
            line->setBrushColor(Qt::red);
            line->setPenColor(QColor(0x00, 0x00, 0x80));
            return line;
        });
        QTest::newRow("line picture, tick and arrowhead") << MakeControl([] {
            auto* line = new LinePicture;
            line->resize(300, LinePicture::controlHeight);
            line->setLeftMark(LinePicture::LineMark::Tick);
            line->setRightMark(LinePicture::LineMark::Arrowhead);
            return line;
        });
        QTest::newRow("button bevels") << MakeControl([] {
            auto* button = new TCuteButton;
            button->resize(90, 30);
            button->setBevelOuter(TCuteButton::BevelCut::Raised);
            return button;
        });
        QTest::newRow("status bar panels") << MakeControl([] {
            auto* bar = new StatusBar;
            bar->resize(200, 20);
            bar->addPanel(120);
            bar->addPanel(50);
            return bar;
        });
        QTest::newRow("list boxes") << MakeControl([] {
            auto* list = new CaptionedList;
            list->resize(25, 65);
            return list;
        });
    }

    void pixelsDoubleAtTwiceTheScale() {
        QFETCH(MakeControl, make);
        const std::unique_ptr<QWidget> control(make());
        const QImage once = rendered(control.get(), 1);
        QCOMPARE(rendered(control.get(), 2),
                 once.scaled(once.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
};

QTEST_MAIN(DrawnAtScaleTest)
#include "test_drawn_at_scale.moc"
