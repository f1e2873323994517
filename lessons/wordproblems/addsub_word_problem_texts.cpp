#include "lessons/wordproblems/addsub_word_problem_texts.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

constexpr QChar CR = u'\r';

// The letters that bound the answer's segment, and the row names.
constexpr int letterA = 13;
constexpr int letterB = 14;
constexpr int letterC = 15;
constexpr int letterD = 16;
constexpr int whiteBoxName = 17;
constexpr int redBoxName = 18;

ShownLine line(int image) {
    return {image, std::nullopt};
}

ShownLine upper(int image) {
    return {image, upperRowTop};
}

ShownLine lower(int image) {
    return {image, lowerRowTop};
}

// Which of the three numbers a kind asks for; its calculation follows from it.
enum class Asked { Sum, A, B };

Asked askedBy(int kind) {
    switch (kind) {
    case 2:
    case 4:
    case 7:
        return Asked::A;
    case 5:
    case 6:
        return Asked::B;
    default:
        return Asked::Sum;
    }
}

int answerOf(Asked asked, const AddSubWordProblem& p) {
    switch (asked) {
    case Asked::A:
        return p.a;
    case Asked::B:
        return p.b;
    default:
        return p.sum();
    }
}

// "a + b = s", "s - b = a" or "s - a = b".
QString calculation(Asked asked, const AddSubWordProblem& p) {
    const QString s = n(p.sum());
    switch (asked) {
    case Asked::A:
        return s + QStringLiteral(" - ") + n(p.b) + QStringLiteral(" = ") + n(p.a);
    case Asked::B:
        return s + QStringLiteral(" - ") + n(p.a) + QStringLiteral(" = ") + n(p.b);
    default:
        return n(p.a) + QStringLiteral(" + ") + n(p.b) + QStringLiteral(" = ") + s;
    }
}

QString storyText(int kind, const AddSubWordProblem& p) {
    const QString a = n(p.a);
    const QString b = n(p.b);
    const QString s = n(p.sum());
    switch (kind) {
    case 1:
        return QStringLiteral("きのう ミカンを ") + a + QStringLiteral(" コ もらって、") + CR +
               QStringLiteral("きょう また ") + b + QStringLiteral(" コ もらったよ。") + CR +
               QStringLiteral("ぜんぶで もらった　ミカンは なんコ？");
    case 2:
        return QStringLiteral("ミカンを ") + s + QStringLiteral(" コ もらって、") + CR + b +
               QStringLiteral(" コ たべたよ。 ") + CR + QStringLiteral("のこった ミカンは なんコ？");
    case 3:
        return QStringLiteral("ミカンを なんコか もらって、\r") + b + QStringLiteral(" コ たべたら、") + a +
               QStringLiteral(" コ のこったよ。 ") + CR +
               QStringLiteral("はじめに もらった ミカンは なんコ？");
    case 4:
        return QStringLiteral("きのう ミカンを なんコか もらって、\rきょう また ") + b +
               QStringLiteral(" コ もらったので、") + CR + s + QStringLiteral(" コ になったよ。 ") + CR +
               QStringLiteral("きのう もらった ミカンは なんコ？");
    case 5:
        return QStringLiteral("きのう ミカンを ") + a + QStringLiteral(" コ もらって、") + CR +
               QStringLiteral("きょう また なんコか もらったので、") + CR + s +
               QStringLiteral(" コ になったよ。 ") + CR + QStringLiteral("きょう もらった ミカンは なんコ？");
    case 6:
        return QStringLiteral("ミカンを ") + s + QStringLiteral(" コ もらって、") + CR +
               QStringLiteral("なんコか たべたら、") + a + QStringLiteral(" コ のこったよ。 ") + CR +
               QStringLiteral("たべた ミカンは なんコ？");
    case 7:
        return QStringLiteral("白いはこに ミカンが ") + s + QStringLiteral(" コ あるよ。") + CR +
               QStringLiteral("白いはこの ミカンは 赤いはこより ") + b + QStringLiteral(" コ 多いよ。 ") +
               CR + QStringLiteral("赤いはこの ミカンは なんコ？");
    default:
        return QStringLiteral("赤いはこに ミカンが ") + a + QStringLiteral(" コ あるよ。") + CR +
               QStringLiteral("赤いはこの ミカンは 白いはこより ") + b + QStringLiteral(" コ 少ないよ。 ") +
               CR + QStringLiteral("白いはこの ミカンは なんコ？");
    }
}

// Step 1 draws the first quantity.
DiagramStep firstStep(int kind, const AddSubWordProblem& p) {
    const QString a = n(p.a);
    const QString s = n(p.sum());
    switch (kind) {
    case 1:
    case 5:
        return {QStringLiteral("【ステップ１】\r\r　 きのう もらった ") + a +
                    QStringLiteral(" コぶんの せんを") + CR + QStringLiteral("　 てきとうな 長さで かく。"),
                {line(2)},
                {{7, a}},
                {}};
    case 2:
    case 6:
        return {QStringLiteral("【ステップ１】\r\r　 もらった ") + s + QStringLiteral(" コぶんの せんを") +
                    CR + QStringLiteral("　 てきとうな 長さで かく。"),
                {upper(6)},
                {{8, s}},
                {}};
    case 3:
        return {QStringLiteral(
                    "【ステップ１】\r\r　 もらった なんコかの ぶんの せんを\r　 てきとうな 長さで かく。"),
                {upper(6)},
                {{8, unknownNumber}},
                {}};
    case 4:
        return {QStringLiteral("【ステップ１】\r\r　 きのう もらった なんコかの ぶんの \r　 せんを "
                               "てきとうな 長さで かく。"),
                {line(2)},
                {{7, unknownNumber}},
                {}};
    case 7:
        return {QStringLiteral("【ステップ１】\r\r　 白いはこの ") + s + QStringLiteral(" コぶんの せんを") +
                    CR + QStringLiteral("　 てきとうな 長さで かく。"),
                {upper(7)},
                {{8, s}},
                {whiteBoxName}};
    default:
        return {QStringLiteral("【ステップ１】\r\r　 赤いはこの ") + a + QStringLiteral(" コぶんの せんを") +
                    CR + QStringLiteral("　 てきとうな 長さで かく。"),
                {line(4)},
                {{10, a}},
                {redBoxName}};
    }
}

// Step 2 adds or takes back the second quantity, or draws the other box.
DiagramStep secondStep(int kind, const AddSubWordProblem& p) {
    const QString a = n(p.a);
    const QString b = n(p.b);
    const QString s = n(p.sum());
    switch (kind) {
    case 1:
        return {QStringLiteral("【ステップ２】\r\r　 きょう ") + b +
                    QStringLiteral(" コ もらうと ふえるので、そのぶんの") + CR +
                    QStringLiteral("　 せんを てきとうな 長さで つけたす。"),
                {line(3)},
                {{9, b}},
                {}};
    case 2:
        return {QStringLiteral("【ステップ２】\r\r　 ") + b +
                    QStringLiteral(" コ たべると へるので、そのぶんの せんを ") + CR +
                    QStringLiteral("　 てきとうな 長さで もどして かく。"),
                {line(5)},
                {{12, b}},
                {}};
    case 3:
        return {QStringLiteral("【ステップ２】\r\r　 ") + b +
                    QStringLiteral(" コ たべると へるので、そのぶんの せんを") + CR +
                    QStringLiteral("　 てきとうな 長さで もどして かき、") + CR +
                    QStringLiteral("　 のこった ") + a + QStringLiteral(" コの せんを かく。"),
                {line(4), line(5)},
                {{10, a}, {12, b}},
                {}};
    case 4:
        return {QStringLiteral("【ステップ２】\r\r　 ") + b +
                    QStringLiteral(" コ もらうと ふえるので、そのぶんの せんを") + CR +
                    QStringLiteral("　 てきとうな 長さで つけたし、ぜんぶで ") + CR + QStringLiteral("　 ") +
                    s + QStringLiteral(" コぶんの せんを べつに かく。"),
                {line(3), lower(7)},
                {{9, b}, {11, s}},
                {}};
    case 5:
        return {
            QStringLiteral("【ステップ２】\r\r　 きょう なんコか もらうと ふえるので、\r　 そのぶんの せんを "
                           "てきとうな 長さで かき、\r　 ぜんぶで ") +
                s + QStringLiteral(" コぶんの せんを べつに かく。"),
            {line(3), lower(7)},
            {{9, unknownNumber}, {11, s}},
            {}};
    case 6:
        return {QStringLiteral("【ステップ２】\r\r　 なんコか たべると へるので、そのぶんの せんを\r　 "
                               "てきとうな 長さで もどして かき、のこった \r　 ") +
                    a + QStringLiteral(" コぶんのせんを かく。"),
                {line(4), line(5)},
                {{10, a}, {12, unknownNumber}},
                {}};
    case 7:
        return {QStringLiteral("【ステップ２】\r\r　 白いはこが ") + b +
                    QStringLiteral(" コ 多くなるように、赤いはこの") + CR +
                    QStringLiteral("　 せんを かく。"),
                {line(4), lower(8)},
                {{10, unknownNumber}, {12, b}},
                {redBoxName}};
    default:
        return {QStringLiteral("【ステップ２】\r\r　 赤いはこが ") + b +
                    QStringLiteral(" コ 少なく なるように、白いはこの") + CR +
                    QStringLiteral("　 せんを かく。"),
                {upper(7), lower(8)},
                {{8, unknownNumber}, {12, b}},
                {whiteBoxName}};
    }
}

// Step 3 names the answer's segment by its two letters and calculates it.
struct SegmentOfKind {
    QString sentence; // up to the line break before "なるので"
    int from;
    int to;
};

SegmentOfKind segmentOf(int kind) {
    switch (kind) {
    case 1:
        return {QStringLiteral("ぜんぶで もらった数は、Ａ～Ｃの 長さに"), letterA, letterC};
    case 2:
        return {QStringLiteral("のこりの数は、Ａ～Ｄの 長さに "), letterA, letterD};
    case 3:
        return {QStringLiteral("はじめに もらった数は、Ａ～Ｃの 長さに"), letterA, letterC};
    case 4:
        return {QStringLiteral("きのう もらった数は、Ａ～Ｂの 長さに"), letterA, letterB};
    case 5:
        return {QStringLiteral("きょう もらった数は、Ｂ～Ｃの長さに"), letterB, letterC};
    case 6:
        return {QStringLiteral("たべた数は、Ｃ～Ｄの長さに "), letterC, letterD};
    case 7:
        return {QStringLiteral("赤いはこの 数は、Ａ～Ｄの 長さに"), letterA, letterD};
    default:
        return {QStringLiteral("白い はこの 数は、Ａ～Ｃの 長さに"), letterA, letterC};
    }
}

DiagramStep thirdStep(int kind, const AddSubWordProblem& p) {
    const SegmentOfKind segment = segmentOf(kind);
    const Asked asked = askedBy(kind);
    return {QStringLiteral("【ステップ３】\r\r　 ") + segment.sentence + QStringLiteral("\r　 なるので：　") +
                calculation(asked, p) + CR + QStringLiteral("　 こたえ：") + n(answerOf(asked, p)) +
                QStringLiteral(" コ"),
            {},
            {},
            {segment.from, segment.to}};
}

bool isKind(int kind) {
    return kind >= 1 && kind <= addSubKinds;
}

} // namespace

AddSubWordProblem drawAddSubWordProblem(RandomSource& random) {
    random.reseed();
    AddSubWordProblem p;
    p.a = random.R(19) + 11;
    p.b = random.R(6) + 3;
    return p;
}

std::optional<AddSubQuestion> addSubQuestion(int kind, const AddSubWordProblem& problem) {
    if (!isKind(kind))
        return std::nullopt;
    const Asked asked = askedBy(kind);
    return AddSubQuestion{storyText(kind, problem), answerOf(asked, problem),
                          QStringLiteral("こたえ：") + calculation(asked, problem)};
}

std::optional<DiagramStep> addSubDiagramStep(int kind, int step, const AddSubWordProblem& problem) {
    if (!isKind(kind))
        return std::nullopt;
    switch (step) {
    case 1:
        return firstStep(kind, problem);
    case 2:
        return secondStep(kind, problem);
    case 3:
        return thirdStep(kind, problem);
    default:
        return std::nullopt;
    }
}

QStringList addSubHintLines() {
    return wordProblemHintOpening();
}
