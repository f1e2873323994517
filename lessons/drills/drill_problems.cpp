#include "lessons/drills/drill_problems.h"

#include "core/random_source.h"

#include <QStringList>

namespace {

DrillProblem problem(DrillOperator op, const QList<int>& numbers) {
    int answer = numbers.value(0);
    for (int i = 1; i < numbers.size(); ++i) {
        switch (op) {
        case DrillOperator::Plus:
            answer += numbers.at(i);
            break;
        case DrillOperator::Minus:
            answer -= numbers.at(i);
            break;
        case DrillOperator::Times:
            answer *= numbers.at(i);
            break;
        }
    }
    return {op, numbers, answer};
}

QString terms(const DrillProblem& p) {
    QStringList parts;
    for (int number : p.numbers)
        parts << QString::number(number);
    return parts.join(operatorText(p.op));
}

// Three two-digit numbers whose columns a child adds without carrying more
// than one: the ones below 20, the tens below 18 (so the sum stays below 200).
bool threeNumbersFit(int first, int second, int third) {
    return first % 10 + second % 10 + third % 10 < 20 && first / 10 + second / 10 + third / 10 < 18;
}

QList<int> threeNumbers(RandomSource& random) {
    for (int round = 0; round < additionRounds; ++round) {
        const int first = random.R(89) + 10;
        const int second = random.R(89) + 10;
        // When the first two tens reach 17 no third number fits; after
        // drillDraws tries all three are drawn again rather than letting a
        // third that breaks the promise stand.
        for (int draw = 0; draw < drillDraws; ++draw) {
            const int third = random.R(89) + 10;
            if (threeNumbersFit(first, second, third))
                return {first, second, third};
        }
    }
    return additionFallback;
}

QList<int> fromTwoDigits(int a, RandomSource& random) {
    int first = random.R(88) + 11;
    if (a <= 6) {
        for (int draw = 0; draw < drillDraws; ++draw) {
            const int second = random.R(88) + 1;
            if (first > second)
                return {first, second};
        }
        return borrowlessFallback;
    }
    // A one-digit number above the first number's ones: the child must borrow.
    for (int draw = 0; draw < drillDraws; ++draw) {
        first = random.R(88) + 11;
        const int second = random.R(4) + 5;
        if (first % 10 < second)
            return {first, second};
    }
    return borrowFallback;
}

QList<int> fromHundreds(int a, RandomSource& random) {
    // The second number is above the first number's last two digits, so the
    // answer has at most two digits and always borrows from the hundreds.
    for (int draw = 0; draw < drillDraws; ++draw) {
        const int x = a <= 2 ? random.R(9) : random.R(79);
        const int y = random.R(98) + 1;
        if (x < y)
            return {x + 100, y};
    }
    return hundredsFallback;
}

} // namespace

std::optional<DrillProblem> drawAdditionDrill(int menuItem, RandomSource& random) {
    random.reseed();
    const int a = random.R(9);
    switch (menuItem) {
    case 1: {
        const int first = a <= 7 ? random.R(80) + 10 : (random.R(8) + 1) * 10;
        const int second = a >= 2 ? random.R(80) + 10 : random.R(8) + 1;
        return problem(DrillOperator::Plus, {first, second});
    }
    case 2:
        return problem(DrillOperator::Plus, threeNumbers(random));
    case 3: {
        const int first = (random.R(7) + 1) * 100;
        const int second = a <= 4 ? (random.R(7) + 1) * 100 : (random.R(8) + 1) * 10;
        return problem(DrillOperator::Plus, {first, second});
    }
    case 4: {
        const int first = (random.R(7) + 1) * 1000;
        const int second = a <= 4 ? (random.R(7) + 1) * 1000 : (random.R(8) + 1) * 100;
        return problem(DrillOperator::Plus, {first, second});
    }
    default:
        return std::nullopt;
    }
}

std::optional<DrillProblem> drawSubtractionDrill(int menuItem, RandomSource& random) {
    random.reseed();
    const int a = random.R(9);
    switch (menuItem) {
    case 1:
        return problem(DrillOperator::Minus, fromTwoDigits(a, random));
    case 2:
        return problem(DrillOperator::Minus, fromHundreds(a, random));
    default:
        return std::nullopt;
    }
}

DrillProblem drawMultiplicationDrill(RandomSource& random) {
    random.reseed();
    const int first = random.R(8) + 1;
    const int second = random.R(8) + 1;
    return problem(DrillOperator::Times, {first, second});
}

QString operatorText(DrillOperator op) {
    switch (op) {
    case DrillOperator::Plus:
        return QStringLiteral(" + ");
    case DrillOperator::Minus:
        return QStringLiteral(" - ");
    case DrillOperator::Times:
        return QStringLiteral(" x ");
    }
    return {};
}

QString openDrillProblem(const DrillProblem& problem) {
    return terms(problem) + QStringLiteral(" = ?");
}

QString answerRowProblem(const DrillProblem& problem) {
    return QStringLiteral("\u3000") + terms(problem);
}
