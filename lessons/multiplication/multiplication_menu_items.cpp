#include "lessons/multiplication/multiplication_menu_items.h"

#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/multiplication/multiplication_expressions.h"
#include "lessons/multiplication/multiplication_screen_texts.h"

namespace multiplicationScreen {

namespace {

// How many kinds the item tells in turn; 0 for an item without kinds.
int kindsOf(int menuItem) {
    switch (menuItem) {
    case expressionItem:
        return expressionKinds;
    case twoStepItem:
        return twoStepKinds;
    case splitItem:
        return splitKinds;
    default:
        return 0;
    }
}

bool inTurn(int menuItem, int kind) {
    return kind >= 1 && kind <= kindsOf(menuItem);
}

} // namespace

int nextProblemKind(int menuItem, int problemKind) {
    const int next = problemKind + 1;
    const int kinds = kindsOf(menuItem);
    if (kinds == 0)
        return next;
    return next >= 1 && next <= kinds ? next : 1;
}

int enteredValue(int leftIndex, int rightIndex) {
    return 10 * leftIndex + rightIndex;
}

ModeSwitch modeButtonSwitch(int mode, int menuItem) {
    if (mode == TestMode)
        return ModeSwitch::ToStudy;
    return menuItem == kukuListItem ? ModeSwitch::Refused : ModeSwitch::ToTest;
}

MenuChoiceEffect menuChoiceEffect(int menuItem) {
    MenuChoiceEffect effect;
    switch (menuItem) {
    case expressionItem:
    case twoStepItem:
    case splitItem:
        effect.enableNext = true;
        effect.prompt = multiplicationScreen::nextPrompt;
        break;
    case kukuListItem:
        effect.showKukuList = true;
        effect.prompt = multiplicationScreen::menuPrompt;
        break;
    case chartItem:
        effect.showChart = true;
        effect.prompt = multiplicationScreen::menuPrompt;
        break;
    default:
        break;
    }
    return effect;
}

NextProblemEffect nextProblemEffect(int menuItem, int mode) {
    const bool test = mode == TestMode;
    NextProblemEffect effect;
    switch (menuItem) {
    case expressionItem:
        effect.enableAnswer = !test;
        effect.showSelectors = test;
        effect.prompt = test ? expressionSelectPrompt : expressionAnswerPrompt;
        break;
    case chartItem:
        // The chart asks in both modes and is never explained.
        effect.showSelectors = true;
        effect.prompt = selectPrompt;
        break;
    case twoStepItem:
    case splitItem:
        effect.enableAnswer = !test;
        effect.showSelectors = test;
        effect.prompt = test ? selectPrompt : answerPrompt;
        break;
    default:
        break;
    }
    return effect;
}

std::optional<SelectorCaptions> selectorCaptions(int menuItem) {
    switch (menuItem) {
    case expressionItem:
        return SelectorCaptions{expressionLeftCaption, expressionRightCaption};
    case chartItem:
    case twoStepItem:
    case splitItem:
        return SelectorCaptions{tensCaption, onesCaption};
    default:
        return std::nullopt;
    }
}

std::optional<MultiplicationProblem> makeMultiplicationProblem(int menuItem, int problemKind,
                                                               RandomSource& random) {
    MultiplicationProblem problem;
    switch (menuItem) {
    case expressionItem: {
        if (!inTurn(menuItem, problemKind))
            return std::nullopt;
        const ExpressionPair p = drawExpressionPair(random);
        problem.operands = {p.a, p.b};
        problem.correctAnswer = expressionAnswer(p.a, p.b);
        problem.problemText = *expressionProblemText(problemKind, p.a, p.b);
        problem.groupText = expressionGroupText(problemKind, p.a);
        return problem;
    }
    case chartItem: {
        const ChartQuestion q = askChartCell(random);
        problem.operands = {q.row, q.column, q.cellLabel};
        problem.correctAnswer = q.answer;
        problem.chart = q;
        return problem;
    }
    case twoStepItem: {
        const auto p = makeTwoStepProblem(problemKind, random);
        if (!p)
            return std::nullopt;
        problem.operands = {p->a, p->b, p->c, p->d};
        problem.operands.resize(twoStepNumbersDrawn(problemKind));
        problem.correctAnswer = p->answer;
        problem.problemText = *twoStepProblemText(problemKind, *p);
        return problem;
    }
    case splitItem: {
        const auto p = makeSplitProblem(problemKind, random);
        if (!p)
            return std::nullopt;
        problem.operands = {p->a, p->b};
        problem.correctAnswer = p->answer;
        problem.problemText = splitProblemText(*p);
        return problem;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> workedExplanation(int menuItem, int problemKind, const BoardNumbers& numbers,
                                         const QString& groupText) {
    switch (menuItem) {
    case expressionItem:
        return expressionExplanation(groupText, numbers.a, numbers.b);
    case twoStepItem:
        return twoStepExplanation(problemKind, numbers);
    case splitItem:
        return splitExplanation(problemKind, numbers);
    default:
        return std::nullopt;
    }
}

std::optional<QString> submittedEquation(int menuItem, int problemKind, const BoardNumbers& numbers) {
    switch (menuItem) {
    case expressionItem:
        return expressionEquation(numbers.a, numbers.b);
    case twoStepItem:
        return twoStepEquation(problemKind, numbers);
    case splitItem:
        return splitEquation(problemKind, numbers);
    default:
        return std::nullopt;
    }
}

} // namespace multiplicationScreen
