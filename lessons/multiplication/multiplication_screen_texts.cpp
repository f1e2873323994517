#include "lessons/multiplication/multiplication_screen_texts.h"

QStringList multiplicationScreen::hintLines() {
    return {
        QString(),
        QStringLiteral("\u3000かけ算のしきはつぎのようにかいて、x は 「かける」"),
        QStringLiteral("\u3000と よむよ。"),
        QString(),
        QStringLiteral("\u3000\u3000\u3000（かけられる数） x （かける数） ="),
        QString(),
        QStringLiteral("\u3000おなじ数（○コ）のものが いくつか（△つ）あるとき、"),
        QStringLiteral("\u3000ぜんぶの数（？コ）を もとめる しきは、"),
        QStringLiteral("\u3000もとめる数と おなじ たんいの ○コを かけられる数"),
        QStringLiteral("\u3000に かき、△ばい する方を かける数に かくよ。"),
        QString(),
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000 ○ x △ ="),
        QString(),
        QStringLiteral("\u3000たとえば、おかしを 7 人に 3 コずつ くばるのに、"),
        QStringLiteral("\u3000ぜんぶで おかしが いくつ いるかを もとめる しきは、"),
        QStringLiteral("\u3000つぎのように かくよ。"),
        QString(),
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u30003 x 7 ="),
        QStringLiteral("\u3000"),
    };
}
