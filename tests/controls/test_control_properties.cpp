// The controls' state through Qt's property system, written and read as text
// the way Qt's tools and an outside UI test do, without knowing our classes.
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"

#include <QTest>
#include <memory>

namespace {
// A list is written and read as its entries joined by ",".
QString asText(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<QStringList>() ? value.toStringList().join(u',')
                                                                  : value.toString();
}
} // namespace

class ControlPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void writtenPropertiesReadBack_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("written"); // name=value;… in this order
        QTest::addColumn<QString>("read");    // where reading gives more or other than was written
        QTest::newRow("TCuteButton")
            << "TCuteButton"
            << "caption=&Go;color=#ffa6ff;fontColor=#000080;bevelHighlightColor=#ffff00;"
               "bevelShadowColor=#0000ff;bevelWidth=3;bevelInner=Lowered;bevelOuter=Raised;flat=true;"
               "disabledColor=#808080;useDisabledColor=true;alignment=Left;captionLayout=Bottom;marginX=-7;"
               "marginY=4;showFocusRect=true;tabFocusUp=false;dropDownDelay=250;egnoreContClick=true"
            // Flat drops the inner bevel; a margin below -1 is kept as -1.
            << "bevelInner=None;marginX=-1";
        QTest::newRow("CaptionedList")
            << "CaptionedList"
            << "caption=\u3000十;items=０,１,２,３,４,５,６,７\u3000,８,９;itemIndex=7"
            << "text=７\u3000";
        QTest::newRow("CaptionLabel") << "CaptionLabel"
                                      << "caption=いち\rに\r\nさん"
                                      << "text=いち\nに\nさん";
    }

    void writtenPropertiesReadBack() {
        QFETCH(QString, control);
        QFETCH(QString, written);
        QFETCH(QString, read);
        std::unique_ptr<QWidget> widget;
        if (control == "TCuteButton")
            widget = std::make_unique<TCuteButton>();
        else if (control == "CaptionedList")
            widget = std::make_unique<CaptionedList>();
        else
            widget = std::make_unique<CaptionLabel>();
        QMap<QString, QString> expected;
        for (const QString& property : written.split(u';')) {
            const auto [name, value] = std::pair(property.section(u'=', 0, 0), property.section(u'=', 1));
            const bool list = name == "items";
            QVERIFY2(
                widget->setProperty(qPrintable(name), list ? QVariant(value.split(u',')) : QVariant(value)),
                qPrintable(name + " is no property"));
            expected[name] = value;
        }
        for (const QString& property : read.split(u';'))
            expected[property.section(u'=', 0, 0)] = property.section(u'=', 1);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(asText(widget->property(qPrintable(it.key()))), it.value());
    }
};

QTEST_MAIN(ControlPropertiesTest)
#include "test_control_properties.moc"
