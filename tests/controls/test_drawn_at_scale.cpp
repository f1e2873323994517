// On a 200 % screen the frames, lines and boxes the controls draw are those of
// a 100 % screen with every pixel doubled: no edge thinner on one side, no line
// of the fill along another; and bold captions stay as heavy as at 100 %.
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "controls/status_bar.h"
#include "lessons/wordproblems/line_picture.h"
#include "ui/screen_builder.h"

#include <QTest>
#include <functional>
#include <memory>

using MakeControl = std::function<QWidget*()>;

class DrawnAtScaleTest : public QObject {
    Q_OBJECT
    static QImage rendered(QWidget* control, qreal scale) {
        QImage image((QSizeF(control->size()) * scale).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        control->render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }
    // Ink per logical pixel: how far the pixels are from white, over the area a 100 % pixel covers.
    static double ink(QWidget* control, qreal scale) {
        const QImage image = rendered(control, scale);
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += 1.0 - QColor(image.pixel(x, y)).lightnessF();
        return sum / (scale * scale);
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

    void boldKeepsItsWeight_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }

    // A one-weight family's bold is Qt's own thickening, which scaling once thinned to regular.
    void boldKeepsItsWeight() {
        QFETCH(qreal, scale);
        look::applyApplicationLook();
        look::installFontSubstitutions();
        QWidget window;
        const QFont bold = look::rounded(27, true);
        const QString text = QStringLiteral("ぼうし");
        QWidget* title = build::label(&window, QStringLiteral("title"), {}, bold, Qt::black, text);
        title->adjustSize();
        QWidget* button = build::button(&window, {}, {0, 40, 120, 40}, text, Qt::white, Qt::black, bold);
        for (QWidget* caption : {title, button}) {
            const double weight = ink(caption, scale) / ink(caption, 1);
            QVERIFY2(weight > 0.95, qPrintable(QString::number(weight)));
        }
    }
};

QTEST_MAIN(DrawnAtScaleTest)
#include "test_drawn_at_scale.moc"
