#include "ui/look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace look {

QFont rounded(int pixelSize, bool bold) {
    QFont font(roundedFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont uiGothic(int pixelSize, bool bold) {
    QFont font(uiGothicFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

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
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(applicationPalette());
}

} // namespace look
