#include "lessons/length/length_problems.h"

#include "core/display_text.h"
#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

// A length in millimetres as whole centimetres and the millimetres left over.
int centimetres(int millimetres) {
    return millimetres / 10;
}
int millimetresLeft(int millimetres) {
    return millimetres % 10;
}

const QString millimetresExplanation = QStringLiteral(
    "ｍｍ（ミリメートル） と ｃｍ（センチメートル）は、\r長さを あらわす「たんい」だよ。\r\r"
    "１ｍｍは、１円だま の あつさ くらいの 長さで、\r１ｍｍが １０コぶんの １０ｍｍの 長さは １ｃｍ \r"
    "になるよ。\r\r\u3000\u3000１ｃｍ＝１０ｍｍ\r\r"
    "たとえば、１ｍｍが ２５コぶんの ２５ｍｍの 長さは、\r１ｃｍが ２コぶんと１ｍｍが ５コぶんの "
    "長さと同じで、\r２ｃｍ５ｍｍ とかくよ。\r\r\u3000\u3000２５ｍｍ＝２ｃｍ５ｍｍ");
const QString metresExplanation = QStringLiteral(
    "ｍ（メートル）も 長さを あらわす「たんい」だよ。\r\r１ｃｍが １００コぶんの １００ｃｍ の長さは \r"
    "１ｍ になるよ。\r\r\u3000\u3000１ｍ＝１００ｃｍ\r\r"
    "たとえば、１２５ｃｍの 長さは、１ｍが １コと \r１ｃｍが ２５コの長さで、１ｍ２５ｃｍと かくよ。\r\r"
    "\u3000\u3000１２５ｃｍ＝１ｍ２５ｃｍ");
const QString sumsExplanation = QStringLiteral(
    "ｃｍと ｍｍが まざった たし算や ひき算では、\rｃｍは ｃｍどうし、ｍｍは ｍｍどうしで けいさん\r"
    "をすればいいよ。\r\rたとえば、\r\r\u3000６ｃｍ３ｍｍ＋２ｃｍ４ｍｍ＝８ｃｍ７ｍｍ\r\r"
    "\u3000８ｃｍ５ｍｍ－３ｃｍ２ｍｍ＝５ｃｍ３ｍｍ");

// Where the third line of a sum starts. The two questions hold the same
// spaces in a different order; the completed line of both takes the addition's.
const QString additionQuestionIndent = QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000 \u3000");
const QString subtractionQuestionIndent = QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000 ");
const QString answerIndent = additionQuestionIndent;

QString cmMm(int cm, int mm) {
    return n(cm) + QStringLiteral(" cm ") + n(mm) + QStringLiteral(" mm");
}

QString sumFirstLine(int lengthKind, int a, int b) {
    const QString sign = lengthKind == 2 ? QStringLiteral(" - ") : QStringLiteral(" + ");
    return cmMm(centimetres(a), millimetresLeft(a)) + sign + cmMm(centimetres(b), millimetresLeft(b));
}

bool additionFits(int a, int b) {
    return centimetres(a) + centimetres(b) < 10 && millimetresLeft(a) + millimetresLeft(b) < 10 &&
           millimetresLeft(a) > 0 && millimetresLeft(b) > 0;
}

bool subtractionFits(int a, int b) {
    return centimetres(a) > centimetres(b) && millimetresLeft(b) < millimetresLeft(a) &&
           millimetresLeft(a) > 0 && millimetresLeft(b) > 0;
}

// Draws the pair of a sum, first number first, until it fits or the draws
// run out; then the last pair stands.
void drawSumPair(LengthProblem& p, RandomSource& random) {
    const bool addition = p.lengthKind == 1;
    for (int draw = 0; draw < lengthPairDraws; ++draw) {
        if (addition) {
            p.operand1 = random.R(74) + 11;
            p.operand2 = random.R(85);
        } else {
            p.operand1 = random.R(64) + 35;
            p.operand2 = random.R(44) + 11;
        }
        if (addition ? additionFits(p.operand1, p.operand2) : subtractionFits(p.operand1, p.operand2))
            break;
    }
    p.correctAnswer = addition ? p.operand1 + p.operand2 : p.operand1 - p.operand2;
}

} // namespace

std::optional<QString> lengthExplanation(int menuItem) {
    switch (menuItem) {
    case millimetresAndCentimetres:
        return millimetresExplanation;
    case centimetresAndMetres:
        return metresExplanation;
    case lengthSums:
        return sumsExplanation;
    default:
        return std::nullopt;
    }
}

std::optional<LengthProblem> drawLengthProblem(int menuItem, RandomSource& random) {
    if (menuItem < millimetresAndCentimetres || menuItem > lengthSums)
        return std::nullopt;
    random.reseed();
    LengthProblem p;
    p.lengthKind = random.R(9) / 5 + 1;
    const bool first = p.lengthKind == 1;
    switch (menuItem) {
    case millimetresAndCentimetres:
        if (first) {
            p.operand1 = random.R(89) + 10;
            p.correctAnswer = p.operand1;
        } else {
            p.operand1 = random.R(8) + 1;
            p.operand2 = random.R(8) + 1;
            p.correctAnswer = p.operand1 * 10 + p.operand2;
        }
        break;
    case centimetresAndMetres:
        if (first) {
            p.operand1 = random.R(99) + 100;
            p.correctAnswer = p.operand1;
        } else {
            p.operand1 = 1;
            p.operand2 = random.R(98) + 1;
            p.correctAnswer = p.operand1 * 100 + p.operand2;
        }
        break;
    default:
        drawSumPair(p, random);
        break;
    }
    p.text = *openLengthProblem(menuItem, p.lengthKind, p.operand1, p.operand2);
    return p;
}

std::optional<QString> openLengthProblem(int menuItem, int lengthKind, int operand1, int operand2) {
    const bool first = lengthKind != 2;
    switch (menuItem) {
    case millimetresAndCentimetres:
        return first ? n(operand1) + QStringLiteral(" mm = ? cm ? mm")
                     : cmMm(operand1, operand2) + QStringLiteral(" = ? mm");
    case centimetresAndMetres:
        return first ? n(operand1) + QStringLiteral(" cm = ? m ? cm")
                     : n(operand1) + QStringLiteral(" m ") + n(operand2) + QStringLiteral(" cm = ? cm");
    case lengthSums:
        return sumFirstLine(lengthKind, operand1, operand2) + QStringLiteral("\r\r") +
               (first ? additionQuestionIndent : subtractionQuestionIndent) + QStringLiteral("= ? cm ? mm");
    default:
        return std::nullopt;
    }
}

std::optional<QString> completedLengthProblem(int menuItem, int lengthKind, int operand1, int operand2) {
    const bool first = lengthKind != 2;
    const int a = operand1;
    const int b = operand2;
    switch (menuItem) {
    case millimetresAndCentimetres:
        return first ? n(a) + QStringLiteral(" mm = ") + cmMm(centimetres(a), millimetresLeft(a))
                     : cmMm(a, b) + QStringLiteral(" = ") + n(a * 10 + b) + QStringLiteral(" mm");
    case centimetresAndMetres:
        return first ? n(a) + QStringLiteral(" cm = ") + n(a / 100) + QStringLiteral(" m ") + n(a % 100) +
                           QStringLiteral(" cm")
                     : n(a) + QStringLiteral(" m ") + n(b) + QStringLiteral(" cm = ") + n(a * 100 + b) +
                           QStringLiteral(" cm");
    case lengthSums: {
        // Centimetres with centimetres and millimetres with millimetres, as
        // the explanation teaches; an accepted pair never carries or borrows.
        const int sign = first ? 1 : -1;
        return sumFirstLine(lengthKind, a, b) + QStringLiteral("\r\r") + answerIndent + QStringLiteral("= ") +
               cmMm(centimetres(a) + sign * centimetres(b), millimetresLeft(a) + sign * millimetresLeft(b));
    }
    default:
        return std::nullopt;
    }
}

std::optional<LengthSelectorCaptions> lengthSelectorCaptions(int menuItem, int lengthKind) {
    const LengthSelectorCaptions places{true, QStringLiteral(" 百"), QStringLiteral(" 十"),
                                        QStringLiteral(" 一")};
    const LengthSelectorCaptions centimetresAndMillimetres{false, QString(), QStringLiteral("cm"),
                                                           QStringLiteral("mm")};
    switch (menuItem) {
    case millimetresAndCentimetres:
        return lengthKind == 2 ? places : centimetresAndMillimetres;
    case centimetresAndMetres:
        return lengthKind == 2 ? places
                               : LengthSelectorCaptions{true, QStringLiteral(" m"), QStringLiteral("cm"),
                                                        QStringLiteral("cm")};
    case lengthSums:
        return centimetresAndMillimetres;
    default:
        return std::nullopt;
    }
}

QStringList lengthDigitEntries() {
    return digitEntries(QStringLiteral(" "));
}

QString lengthSubmitEntry() {
    return QStringLiteral(" ◆");
}
