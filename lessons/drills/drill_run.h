#pragma once

#include "lessons/drills/drill_table.h"

#include <QList>
#include <QString>
#include <optional>

class QTime;
struct DrillProblem;

// The countdown and the clock of one run, as the drill session keeps them.
struct DrillTiming {
    int timeLimit = 0;   // seconds; 0: no countdown. Kept until the next time choice.
    int tickCount = 0;   // countdown ticks since スタート
    int startSecond = 0; // the time of day at スタート, in seconds
};

// One item of the time selector ComboBox2.
struct TimeChoice {
    QString item;
    int timeLimit = 0; // seconds
};

inline const QString timeSelectorCaption = QStringLiteral("　じかん");
// " 　　なし" 0, " 　５ふん" 300, " １０ぷん" 600, " １５ふん" 900, in item order.
const QList<TimeChoice>& timeChoices();
// The limit of the picked item; no limit for an index outside the list.
int timeLimitForChoice(int itemIndex);

// Prompts that are the same on the three drills.
inline const QString chooseTimePrompt = QStringLiteral("じかんを えらんでね！");
inline const QString pressStartPrompt = QStringLiteral("「スタート」ボタンを おしてね！");
inline const QString answeredPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
inline const QString finishedPrompt = QStringLiteral("おつかれさま！");
inline const QString tableShownPrompt = QStringLiteral("もういちど「けっか」ボタンを おすと きえるよ！");
// The answer table's top edge while けっか shows it.
inline constexpr int answerTableTop = 112;

// hours × 3600 + minutes × 60 + seconds.
int secondOfDay(const QTime& time);
// Wall-clock seconds from startSecond to nowSecond. A run across midnight sees
// the clock go back and adds a day, so the time is never negative.
int elapsedSeconds(int startSecond, int nowSecond);
// One Timer3 tick: counts it; true once tickCount reaches timeLimit (the time-out).
bool countdownTick(DrillTiming& timing);

// Label3: "もんだい：7".
QString problemNumberText(int problemCount);
// The answer row's HNT: " ○" when right, " ×" when wrong.
QString answerMark(bool right);
// The row ◆ appends for the problem on screen, numbered problemCount.
AnswerRow answerRow(int problemCount, const DrillProblem& problem, int enteredAnswer);

// correctCount × 100 ÷ problemCount, truncated. No score without a problem;
// never above 100, even if more answers were counted than problems given.
std::optional<int> drillScore(int correctCount, int problemCount);

// What the result shows in Label5 to Label8.
struct DrillResultTexts {
    QString problems; // "もんだい： 3"
    QString correct;  // "○のかず： 2"
    QString score;    // "せいせき： 66 てん"
    QString time;     // "じかん　： 5 ふん 4 びょう"
};
// The result of a run; none while no problem was given (there is nothing to score).
std::optional<DrillResultTexts> drillResult(int problemCount, int correctCount, int elapsedSeconds);
