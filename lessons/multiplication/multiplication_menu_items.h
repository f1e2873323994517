#pragma once

#include "lessons/multiplication/times_table_chart_rules.h"
#include "lessons/multiplication/times_table_word_problems.h"

#include <QList>
#include <QString>
#include <optional>

class RandomSource;

// What each menu item of the multiplication screen does with the shared handlers, so the screen only
// binds these answers to its controls and to LessonState.
namespace multiplicationScreen {

// menuItem values of the five entries.
inline constexpr int expressionItem = 1; // かけ算の しき
inline constexpr int kukuListItem = 2;   // 九九の おぼえかた
inline constexpr int chartItem = 3;      // 九九の ひょう
inline constexpr int twoStepItem = 4;    // 九九を つかう（１）
inline constexpr int splitItem = 5;      // 九九を つかう（２）

// problemKind after a menu choice and after every use of the mode button: the next つぎへ tells kind 1.
inline constexpr int resetProblemKind = 0;
// problemKind for the next つぎへ: one up, back to 1 after the item's last kind (item 1: 6, item 4: 4,
// item 5: 2); the chart counts on without a kind of its own.
int nextProblemKind(int menuItem, int problemKind);

// The number the two selectors form: 10 × left + right (indexes 0 … 9; an unchosen one counts 0).
int enteredValue(int leftIndex, int rightIndex);

// What the mode button does. Any mode but test counts as study, so the button also works when no
// lesson screen has set a mode yet.
enum class ModeSwitch {
    Refused, // study mode on 九九の おぼえかた: the message box, nothing else
    ToTest,  // clears the board
    ToStudy, // keeps the board
};
ModeSwitch modeButtonSwitch(int mode, int menuItem);

// What a menu choice shows beyond the common reset.
struct MenuChoiceEffect {
    bool enableNext = false;
    bool showKukuList = false;     // DBGrid1 at top 128, the table read again
    bool showChart = false;        // every cell its product, Panel1 at top 128, Label6 the reading hint
    std::optional<QString> prompt; // none: the prompt stays
};
MenuChoiceEffect menuChoiceEffect(int menuItem);

// What つぎへ does after the problem is made.
struct NextProblemEffect {
    bool enableAnswer = false; // こたえ, captioned "こたえ"
    bool showSelectors = false;
    std::optional<QString> prompt; // none: the prompt stays
};
NextProblemEffect nextProblemEffect(int menuItem, int mode);

// The selectors' captions for the item; none keeps the captions they have.
struct SelectorCaptions {
    QString left;  // ComboBox3
    QString right; // ComboBox2
};
std::optional<SelectorCaptions> selectorCaptions(int menuItem);

// A problem made by つぎへ, as the screen stores and shows it.
struct MultiplicationProblem {
    QList<int> operands; // into operand1, operand2, … in this order; the fields beyond keep their values
    int correctAnswer = 0;
    QString problemText;                // Label4; empty on the chart
    std::optional<QString> groupText;   // item 1: the screen's groupText
    std::optional<ChartQuestion> chart; // item 3: the cell to ask
};
// Draws the problem of the item's kind; none for the list, for an item the screen does not have, or
// for a kind outside the item's turn.
std::optional<MultiplicationProblem> makeMultiplicationProblem(int menuItem, int problemKind,
                                                               RandomSource& random);

// こたえ: Label5 for the problem on the board; none leaves Label5 as it is (items 2 and 3, unknown
// kinds). Item 1 explains with the screen's groupText whatever the kind.
std::optional<QString> workedExplanation(int menuItem, int problemKind, const BoardNumbers& numbers,
                                         const QString& groupText);
// ◆: the equation Label5 shows before the judging; none on the chart (it answers on Label107 and the
// cell) and for unknown items and kinds.
std::optional<QString> submittedEquation(int menuItem, int problemKind, const BoardNumbers& numbers);

} // namespace multiplicationScreen
