#include "lessons/drills/drill_run.h"

#include "lessons/drills/drill_problems.h"

#include <QTime>
#include <algorithm>

namespace {
constexpr int secondsPerDay = 24 * 3600;
}

const QList<TimeChoice>& timeChoices() {
    static const QList<TimeChoice> choices{{QStringLiteral(" 　　なし"), 0},
                                           {QStringLiteral(" 　５ふん"), 300},
                                           {QStringLiteral(" １０ぷん"), 600},
                                           {QStringLiteral(" １５ふん"), 900}};
    return choices;
}

int timeLimitForChoice(int itemIndex) {
    return timeChoices().value(itemIndex).timeLimit;
}

int secondOfDay(const QTime& time) {
    return time.hour() * 3600 + time.minute() * 60 + time.second();
}

int elapsedSeconds(int startSecond, int nowSecond) {
    const int elapsed = nowSecond - startSecond;
    return elapsed < 0 ? elapsed + secondsPerDay : elapsed;
}

bool countdownTick(DrillTiming& timing) {
    ++timing.tickCount;
    return timing.tickCount >= timing.timeLimit;
}

QString problemNumberText(int problemCount) {
    return QStringLiteral("もんだい：") + QString::number(problemCount);
}

QString answerMark(bool right) {
    return right ? QStringLiteral(" ○") : QStringLiteral(" ×");
}

AnswerRow answerRow(int problemCount, const DrillProblem& problem, int enteredAnswer) {
    return {problemCount, answerRowProblem(problem), problem.correctAnswer, enteredAnswer,
            answerMark(enteredAnswer == problem.correctAnswer)};
}

std::optional<int> drillScore(int correctCount, int problemCount) {
    if (problemCount <= 0)
        return std::nullopt;
    return std::clamp(correctCount, 0, problemCount) * 100 / problemCount;
}

std::optional<DrillResultTexts> drillResult(int problemCount, int correctCount, int elapsedSeconds) {
    const std::optional<int> score = drillScore(correctCount, problemCount);
    if (!score)
        return std::nullopt;
    return DrillResultTexts{
        QStringLiteral("もんだい： ") + QString::number(problemCount),
        QStringLiteral("○のかず： ") + QString::number(correctCount),
        QStringLiteral("せいせき： ") + QString::number(*score) + QStringLiteral(" てん"),
        QStringLiteral("じかん　： ") + QString::number(elapsedSeconds / 60) + QStringLiteral(" ふん ") +
            QString::number(elapsedSeconds % 60) + QStringLiteral(" びょう"),
    };
}
