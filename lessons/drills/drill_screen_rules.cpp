#include "lessons/drills/drill_screen_rules.h"

#include "core/lesson_state.h"

namespace {

const QString menuPrompt = QStringLiteral("メニューを えらんでね！");
const QString answerPrompt = QStringLiteral("こたえを えらんでから ◆を おしてね！");
const QString timeOut = QStringLiteral("じかんに なったから ドリルを おわるよ！");

const DrillDigitSelector tens{4, DigitPlace::Tens, QStringLiteral("十")};
const DrillDigitSelector ones{3, DigitPlace::Ones, QStringLiteral("一")};

DrillScreenRules addition() {
    DrillScreenRules r;
    r.screen = QStringLiteral("Form5");
    r.title = QStringLiteral("たし算：ドリル");
    r.op = DrillOperator::Plus;
    r.menuEntries = {QStringLiteral("２けた"), QStringLiteral("２けた・３つ"), QStringLiteral("３けた"),
                     QStringLiteral("４けた")};
    r.draw = drawAdditionDrill;
    r.shownPrompt = menuPrompt;
    r.showResetsProblemCount = true;
    r.menuChoiceResetsProblemCount = true;
    r.digitSelectors = {{7, DigitPlace::TenThousands, QStringLiteral("万")},
                        {6, DigitPlace::Thousands, QStringLiteral("千")},
                        {5, DigitPlace::Hundreds, QStringLiteral("百")},
                        tens,
                        ones};
    r.submitComboBox = 8;
    r.lastComboBoxClearWorkDisables = 8;
    r.clearWorkResetsHintShown = true;
    r.nextClearsTensAndOnes = true;
    r.cueAfterEmptying = true;
    r.promptAfterStart = QStringLiteral("こたえを えらんでから、◆を おしてね！");
    r.promptAfterNext = QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");
    r.timeOutMessage = timeOut;
    return r;
}

DrillScreenRules subtraction() {
    DrillScreenRules r;
    r.screen = QStringLiteral("Form8");
    r.title = QStringLiteral("ひき算：ドリル");
    r.op = DrillOperator::Minus;
    r.menuEntries = {QStringLiteral("２けたから"), QStringLiteral("３けたから")};
    r.draw = drawSubtractionDrill;
    r.shownPrompt = menuPrompt;
    r.digitSelectors = {tens, ones};
    r.submitComboBox = 5;
    r.lastComboBoxClearWorkDisables = 5;
    r.clearWorkResetsHintShown = true;
    r.startEnablesTensAndOnes = true;
    r.makeProblemBeginsWithClearWork = true;
    r.nextClearsTensAndOnes = true;
    r.cueAfterEmptying = true;
    r.promptAfterStart = answerPrompt;
    r.promptAfterNext = answerPrompt;
    r.timeOutMessage = timeOut;
    return r;
}

DrillScreenRules multiplication() {
    DrillScreenRules r;
    r.screen = QStringLiteral("Form13");
    r.title = QStringLiteral("かけ算：ドリル");
    r.op = DrillOperator::Times;
    r.draw = [](int, RandomSource& random) -> std::optional<DrillProblem> {
        return drawMultiplicationDrill(random);
    };
    r.shownPrompt = QStringLiteral("じかんを えらんでね！");
    r.showResetsProblemCount = true;
    r.showEnablesTimeSelector = true;
    r.digitSelectors = {tens, ones};
    r.submitComboBox = 5;
    // The submit selector is never disabled.
    r.lastComboBoxClearWorkDisables = 4;
    r.showDigitSelectorsEnables = false;
    r.startEnablesTensAndOnes = true;
    r.promptAfterStart = answerPrompt;
    r.promptAfterNext = answerPrompt;
    r.timeOutMessage = QStringLiteral("じかんになったから ドリルを おわるよ！");
    return r;
}

} // namespace

const DrillScreenRules& additionDrillRules() {
    static const DrillScreenRules rules = addition();
    return rules;
}

const DrillScreenRules& subtractionDrillRules() {
    static const DrillScreenRules rules = subtraction();
    return rules;
}

const DrillScreenRules& multiplicationDrillRules() {
    static const DrillScreenRules rules = multiplication();
    return rules;
}
