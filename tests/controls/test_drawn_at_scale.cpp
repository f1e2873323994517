// On a 200 % screen the frames, lines and boxes the controls draw are those of
// a 100 % screen with every pixel doubled: no edge thinner on one side, no line
// of the fill along another.
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/shape.h"
#include "controls/status_bar.h"
#include "lessons/wordproblems/line_picture.h"

#include <QTest>
#include <functional>
#include <memory>

using MakeControl = std::function<QWidget*()>;

class DrawnAtScaleTest : public QObject {
    Q_OBJECT
    static QImage rendered(QWidget* control, int scale) {
        QImage image(control->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        control->render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }
    template <typename Control> static MakeControl sized(QSize size, std::function<void(Control*)> set = {}) {
        return [=] {
            auto* control = new Control;
            control->resize(size);
            if (set)
                set(control);
            return control;
        };
    }

private slots:
    void pixelsDoubleAtTwiceTheScale_data() {
        QTest::addColumn<MakeControl>("make");
        QTest::newRow("title frame") << sized<Shape>({97, 33});
        QTest::newRow("the column's line, all outline")
            << sized<Shape>({121, 2}, [](Shape* s) { s->setBrushColor(Qt::red); });
        QTest::newRow("line picture") << sized<LinePicture>({300, 17}, [](LinePicture* l) {
            l->setLeftMark(LinePicture::LineMark::Tick);
            l->setRightMark(LinePicture::LineMark::Arrowhead);
        });
        QTest::newRow("button bevels") << sized<TCuteButton>(
            {90, 30}, [](TCuteButton* b) { b->setBevelOuter(TCuteButton::BevelCut::Raised); });
        QTest::newRow("list boxes") << sized<CaptionedList>({25, 65});
        QTest::newRow("status bar panels") << sized<StatusBar>({200, 20}, [](StatusBar* b) {
            b->addPanel(120);
            b->addPanel(50);
        });
    }

    void pixelsDoubleAtTwiceTheScale() {
        QFETCH(MakeControl, make);
        const std::unique_ptr<QWidget> control(make());
        const QImage once = rendered(control.get(), 1);
        QCOMPARE(rendered(control.get(), 2), once.scaled(once.size() * 2));
    }
};

QTEST_MAIN(DrawnAtScaleTest)
#include "test_drawn_at_scale.moc"
