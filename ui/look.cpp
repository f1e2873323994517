#include "ui/look.h"

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

} // namespace look
