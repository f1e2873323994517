#include "controls/look.h"

#include "controls/zoom.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace look {

QFont rounded(int pixelSize, bool bold) {
    QFont font(roundedFamily);
    font.setPixelSize(zoom::fontPixels(pixelSize));
    font.setBold(bold);
    return font;
}

QFont uiGothic(int pixelSize, bool bold) {
    QFont font(uiGothicFamily);
    font.setPixelSize(zoom::fontPixels(pixelSize));
    font.setBold(bold);
    return font;
}

// The rounded family has a single weight, so Qt thickens each glyph itself, by
// a fraction of the font's pixel size. On a scaled painter the glyph is drawn
// at the device's size but thickened as at the font's own, and bold fades: at
// 200 % to the weight of regular text. Qt fills text as outlines under a
// perspective transform, and there the thickening grows with the glyph; a
// perspective term far below a pixel's worth selects that route.
void drawText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    const QTransform device = painter.deviceTransform();
    if (!painter.font().bold() || device.type() < QTransform::TxScale ||
        qFuzzyCompare(device.determinant(), 1.0)) {
        painter.drawText(rect, flags, text);
        return;
    }
    painter.save();
    QTransform outlines = painter.worldTransform();
    outlines.setMatrix(outlines.m11(), outlines.m12(), 1e-9, outlines.m21(), outlines.m22(), outlines.m23(),
                       outlines.m31(), outlines.m32(), outlines.m33());
    painter.setWorldTransform(outlines);
    painter.drawText(rect, flags, text);
    painter.restore();
}

namespace {

// Fusion, with the labels' and headers' texts drawn so that their bold holds at any scale.
class ApplicationStyle final : public QProxyStyle {
public:
    ApplicationStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole) const override {
        // A disabled label keeps the style's own etching.
        if (!painter->font().bold() || !enabled || text.isEmpty()) {
            QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
            return;
        }
        painter->save();
        if (textRole != QPalette::NoRole)
            painter->setPen(QPen(palette.brush(textRole), painter->pen().widthF()));
        drawText(*painter, rect, flags, text);
        painter->restore();
    }
};

} // namespace

void installFontSubstitutions() {
    QFont::insertSubstitutions(roundedFamily,
                               {QStringLiteral("MotoyaLMaru"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(uiGothicFamily, {QStringLiteral("Noto Sans CJK JP")});
}

QPalette applicationPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = fusion ? fusion->standardPalette() : QPalette(Qt::lightGray);
    QPalette palette;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            palette.setColor(group, role, standard.color(group, role));
        }
    }
    return palette;
}

void applyApplicationLook() {
    QApplication::setStyle(new ApplicationStyle);
    QApplication::setPalette(applicationPalette());
}

} // namespace look
