#include "tests/support/screen_promises.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "core/lesson_state.h"
#include "lessons/length/length_problems.h"
#include "lessons/length/length_units.h"
#include "lessons/multiplication/multiplication_expressions.h"
#include "lessons/multiplication/times_table_chart_rules.h"
#include "lessons/multiplication/times_table_word_problems.h"
#include "lessons/numbers/number_problems.h"
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "lessons/wordproblems/parentheses_word_problem_texts.h"
#include "ui/screen_frame.h"

#include <QRegularExpression>

namespace {

// How a screen shows its problem and takes its answers.
enum class Kind {
    Equation,          // "a + b = ?" / "a - b = ?", one answer
    ColumnAddition,    // the ones column's sum, then the tens column's
    ColumnSubtraction, // one list, the ones digit, then the tens digit
    Numbers,           // a question, answered under it
    Story,             // a story, one answer
    Parentheses,       // a story, the increase and then the total
    Length,
    Multiplication,
    Drill,
};

struct Facts {
    const char* screen;
    Kind kind;
    int problemLabel;
    int verdictLabel; // 0 on the drills, which show no mark
    QList<ListPlace> lists;
    int submit; // ◆; on Form7 the answer list, whose second pick judges
};

const QList<ListPlace> fivePlaces(int tenThousands) {
    QList<ListPlace> lists;
    int place = 10000;
    for (int box = tenThousands; box > tenThousands - 5; --box, place /= 10)
        lists << ListPlace{box, place};
    return lists;
}

const QList<Facts>& allFacts() {
    static const QList<Facts> facts = {
        {"Form2", Kind::Numbers, 3, 5, fivePlaces(7), 2},
        {"Form3", Kind::Equation, 4, 6, fivePlaces(6), 7},
        {"Form4", Kind::ColumnAddition, 4, 12, {{3, 10}, {2, 1}}, 4},
        {"Form5", Kind::Drill, 4, 0, fivePlaces(7), 8},
        {"Form6", Kind::Equation, 4, 6, {{5, 1000}, {4, 100}, {3, 10}, {2, 1}}, 6},
        {"Form7", Kind::ColumnSubtraction, 4, 12, {{2, 1}}, 2},
        {"Form8", Kind::Drill, 4, 0, {{4, 10}, {3, 1}}, 5},
        {"Form9", Kind::Story, 5, 4, {{3, 10}, {2, 1}}, 1},
        {"Form10", Kind::Parentheses, 5, 4, {{3, 10}, {2, 1}}, 1},
        {"Form11", Kind::Length, 5, 6, {{4, 100}, {3, 10}, {2, 1}}, 5},
        {"Form12", Kind::Multiplication, 4, 7, {{3, 10}, {2, 1}}, 4},
        {"Form13", Kind::Drill, 4, 0, {{4, 10}, {3, 1}}, 5},
    };
    return facts;
}

const Facts* factsOf(const ScreenFrame* screen) {
    for (const Facts& f : allFacts())
        if (screen->objectName() == QLatin1String(f.screen))
            return &f;
    return nullptr;
}

QString caption(const ScreenFrame* s, int label) {
    const auto* l = s->findChild<CaptionLabel*>(QStringLiteral("Label%1").arg(label));
    return l ? l->caption() : QString();
}

CaptionedList* list(const ScreenFrame* s, int comboBox) {
    return s->findChild<CaptionedList*>(QStringLiteral("ComboBox%1").arg(comboBox));
}

bool usable(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled();
}

bool usableButton(const ScreenFrame* s, int number) {
    return usable(s->findChild<TCuteButton*>(QStringLiteral("CuteButton%1").arg(number)));
}

QString numbers(const QList<int>& list) {
    QStringList texts;
    for (int n : list)
        texts << QString::number(n);
    return texts.join(u',');
}

const QString openEnd = QStringLiteral(" = ?");

// The problem on screen and the answers it asks for, one after the other.
struct Shown {
    bool open = false; // a problem stands on screen, not yet answered or explained
    QString text;
    QList<int> answers;
    QString disagreement; // how the problem on screen disagrees with LessonState
};

void disagree(Shown& shown, const QString& what) {
    if (shown.disagreement.isEmpty())
        shown.disagreement = QStringLiteral("\"%1\": %2").arg(shown.text, what);
}

void compareText(Shown& shown, const std::optional<QString>& expected) {
    if (!expected)
        disagree(shown, QStringLiteral("LessonState has no such problem"));
    else if (*expected != shown.text)
        disagree(shown, QStringLiteral("LessonState says \"%1\"").arg(*expected));
}

void showEquation(Shown& shown, const Facts& f, const LessonState& s) {
    shown.open = shown.text.endsWith(openEnd);
    if (!shown.open)
        return;
    const std::optional<OpenEquation> e = readOpenEquation(shown.text);
    if (!e) {
        disagree(shown, QStringLiteral("not a problem"));
        return;
    }
    QList<int> stored{s.operand1, s.operand2, s.operand3};
    if (f.kind == Kind::ColumnAddition && e->numbers.size() == 2)
        stored = stored.mid(1);
    stored.resize(e->numbers.size());
    if (stored != e->numbers)
        disagree(shown, QStringLiteral("the operands are %1").arg(numbers(stored)));
    if (s.correctAnswer != e->value())
        disagree(shown, QStringLiteral("correctAnswer is %1").arg(s.correctAnswer));
    const int answer = e->value();
    if (f.kind == Kind::ColumnAddition) {
        int ones = 0;
        int tens = 0;
        for (int n : e->numbers) {
            ones += n % 10;
            tens += n / 10;
        }
        shown.answers = {ones, tens + ones / 10};
    } else if (f.kind == Kind::ColumnSubtraction) {
        shown.answers = answer < 0 ? QList<int>{answer} : QList<int>{answer % 10, answer / 10};
    } else {
        shown.answers = {answer};
    }
}

void showNumbers(Shown& shown, const ScreenFrame* screen, const LessonState& s) {
    shown.open = !shown.text.isEmpty() && caption(screen, 4).isEmpty();
    shown.answers = {s.correctAnswer};
    if (shown.text.isEmpty())
        return;
    if (s.menuItem == 1) {
        compareText(shown, collectionQuestion(s.operand1, s.operand2, s.operand3, s.operand4));
        if (s.correctAnswer != s.operand1 * 1000 + s.operand2 * 100 + s.operand3 * 10 + s.operand4)
            disagree(shown, QStringLiteral("correctAnswer is %1").arg(s.correctAnswer));
    } else if (s.menuItem == 2) {
        static const QRegularExpression grouping(
            QStringLiteral("^(\\d+) は、(\\d+) を いくつ あつめた数？$"));
        const QRegularExpressionMatch m = grouping.match(shown.text);
        if (!m.hasMatch() || m.captured(2).toInt() * s.correctAnswer != m.captured(1).toInt())
            disagree(shown, QStringLiteral("correctAnswer is %1").arg(s.correctAnswer));
    } else if (s.menuItem == 3) {
        compareText(shown, kanjiNumeral(s.correctAnswer) + QStringLiteral(" を 数字で かくと？"));
    }
}

void showStory(Shown& shown, const LessonState& s) {
    shown.open = !shown.text.isEmpty();
    if (!shown.open)
        return;
    const auto q = addSubQuestion(s.problemKind, {s.operand1, s.operand2});
    compareText(shown, q ? std::optional<QString>(q->text) : std::nullopt);
    if (q)
        shown.answers = {q->answer};
}

void showParentheses(Shown& shown, const LessonState& s) {
    shown.open = !shown.text.isEmpty();
    if (!shown.open)
        return;
    const auto q = parenthesesQuestion(s.problemKind, {s.operand1, s.operand2, s.operand3});
    compareText(shown, q ? std::optional<QString>(q->text) : std::nullopt);
    if (!q)
        return;
    if (s.operand4 != q->increase || s.correctAnswer != q->total)
        disagree(shown, QStringLiteral("LessonState keeps %1 and %2").arg(s.operand4).arg(s.correctAnswer));
    shown.answers = {q->increase, q->total};
}

void showLength(Shown& shown, const ScreenFrame* screen, const LessonState& s) {
    shown.open = !shown.text.isEmpty() && caption(screen, 6).isEmpty();
    if (!shown.open)
        return;
    if (const auto* lengths = qobject_cast<const TForm11*>(screen))
        compareText(shown, openLengthProblem(s.menuItem, lengths->lengthKind, s.operand1, s.operand2));
    shown.answers = {s.correctAnswer};
}

void showMultiplication(Shown& shown, const ScreenFrame* screen, const LessonState& s) {
    constexpr int chartItem = 3;
    if (s.menuItem == chartItem) {
        // Label107 asks "r x c =" and, once answered, keeps the equation until a menu choice.
        shown.text = caption(screen, 107);
        shown.open = shown.text.endsWith(u'=') && caption(screen, 7).isEmpty();
        if (!shown.open)
            return;
        compareText(shown, chartQuestionText(s.operand1, s.operand2));
        if (s.correctAnswer != s.operand1 * s.operand2)
            disagree(shown, QStringLiteral("correctAnswer is %1").arg(s.correctAnswer));
        shown.answers = {s.correctAnswer};
        return;
    }
    shown.open = !shown.text.isEmpty() && caption(screen, 7).isEmpty();
    if (!shown.open)
        return;
    shown.answers = {s.correctAnswer};
    // The mode button starts the kinds over and may leave the problem up; the
    // kind it was told in is no longer known then.
    if (s.problemKind < 1)
        return;
    const BoardNumbers board{s.operand1, s.operand2, s.operand3, s.operand4, s.correctAnswer};
    if (s.menuItem == 1) {
        compareText(shown, expressionProblemText(s.problemKind, s.operand1, s.operand2));
        if (s.correctAnswer != expressionAnswer(s.operand1, s.operand2))
            disagree(shown, QStringLiteral("correctAnswer is %1").arg(s.correctAnswer));
    } else if (s.menuItem == 4) {
        compareText(shown, twoStepProblemText(s.problemKind, board));
    } else if (s.menuItem == 5) {
        compareText(shown, splitProblemText(board));
    }
}

Shown shownProblem(const ScreenFrame* screen, const Facts& f) {
    const LessonState& s = lessonState();
    Shown shown;
    shown.text = caption(screen, f.problemLabel);
    switch (f.kind) {
    case Kind::Equation:
    case Kind::ColumnAddition:
    case Kind::ColumnSubtraction:
    case Kind::Drill:
        showEquation(shown, f, s);
        break;
    case Kind::Numbers:
        showNumbers(shown, screen, s);
        break;
    case Kind::Story:
        showStory(shown, s);
        break;
    case Kind::Parentheses:
        showParentheses(shown, s);
        break;
    case Kind::Length:
        showLength(shown, screen, s);
        break;
    case Kind::Multiplication:
        showMultiplication(shown, screen, s);
        break;
    }
    return shown;
}

// A test problem on screen whose answer the child is to enter now.
bool waitingForAnswer(const ScreenFrame* screen, const Facts& f, const Shown& shown) {
    return shown.open && usable(list(screen, f.submit)) &&
           (f.verdictLabel == 0 || caption(screen, f.verdictLabel).isEmpty());
}

QList<ListPlace> shownLists(const ScreenFrame* screen, const Facts& f) {
    QList<ListPlace> shown;
    for (const ListPlace& l : f.lists)
        if (usable(list(screen, l.comboBox)))
            shown << l;
    return shown;
}

// The digit of `value` that the list of `place` takes: the 万 list takes 1 or nothing.
int digitAt(int value, int place) {
    return place == 10000 ? value / 10000 : (value / place) % 10;
}

bool enterable(int value, const QList<ListPlace>& lists) {
    if (value < 0)
        return false;
    for (int place : {10000, 1000, 100, 10, 1}) {
        const int digit = digitAt(value, place);
        const bool listShown =
            std::any_of(lists.begin(), lists.end(), [&](const ListPlace& l) { return l.place == place; });
        if (digit != 0 && (!listShown || (place == 10000 && digit > 1)))
            return false;
        if (place == 10000 && digit > 9)
            return false;
    }
    return true;
}

// Where the screen stands in the answers of a problem taken in parts.
int answersGiven(const Facts& f) {
    const LessonState& s = lessonState();
    switch (f.kind) {
    case Kind::ColumnAddition:
        return s.entryStep;
    case Kind::ColumnSubtraction:
    case Kind::Parentheses:
        return s.explanationStep;
    default:
        return 0;
    }
}

int promptLabel(const Facts& f) {
    return f.kind == Kind::Drill || f.kind == Kind::Numbers ? 2 : 3;
}

// hintShown is 1 exactly while the hint is showing (on a drill, its answer
// table). The multiplication drill's ClearWork leaves hintShown as it is.
QString hintBroken(const ScreenFrame* screen, const Facts& f) {
    if (screen->objectName() == QLatin1String("Form13"))
        return {};
    QStringList hints;
    if (f.kind == Kind::Drill)
        hints << QStringLiteral("DBGrid1");
    else
        hints << QStringLiteral("Memo1");
    if (f.kind == Kind::Numbers)
        hints << QStringLiteral("DBGrid1");
    bool showing = false;
    for (const QString& name : hints)
        if (const auto* w = screen->findChild<QWidget*>(name); w && w->isVisible())
            showing = true;
    if (showing == (lessonState().hintShown == 1))
        return {};
    return QStringLiteral("hintShown is %1 while the hint is %2")
        .arg(lessonState().hintShown)
        .arg(showing ? QStringLiteral("showing") : QStringLiteral("hidden"));
}

QString drillResultBroken(const ScreenFrame* screen) {
    const QString scoreText = caption(screen, 7);
    if (scoreText.isEmpty())
        return {};
    static const QRegularExpression problems(QStringLiteral("^もんだい： (\\d+)$"));
    static const QRegularExpression right(QStringLiteral("^○のかず： (\\d+)$"));
    static const QRegularExpression score(QStringLiteral("^せいせき： (-?\\d+) てん$"));
    const auto p = problems.match(caption(screen, 5));
    const auto c = right.match(caption(screen, 6));
    const auto sc = score.match(scoreText);
    if (!p.hasMatch() || !c.hasMatch() || !sc.hasMatch())
        return QStringLiteral("the result cannot be read: %1 / %2 / %3")
            .arg(caption(screen, 5), caption(screen, 6), scoreText);
    const int given = p.captured(1).toInt();
    const int correct = c.captured(1).toInt();
    const int points = sc.captured(1).toInt();
    if (points < 0 || points > 100)
        return QStringLiteral("a score of %1").arg(points);
    if (given <= 0 || correct > given || points != correct * 100 / given)
        return QStringLiteral("%1 right of %2 problems scored %3").arg(correct).arg(given).arg(points);
    return {};
}

} // namespace

int OpenEquation::value() const {
    int v = numbers.value(0);
    for (int i = 1; i < numbers.size(); ++i)
        v = op == QLatin1String(" + ")   ? v + numbers[i]
            : op == QLatin1String(" - ") ? v - numbers[i]
                                         : v * numbers[i];
    return v;
}

std::optional<OpenEquation> readOpenEquation(const QString& text) {
    if (!text.endsWith(openEnd))
        return std::nullopt;
    const QString body = text.chopped(openEnd.size());
    for (const char* op : {" + ", " - ", " x "}) {
        const QStringList parts = body.split(QLatin1String(op));
        if (parts.size() < 2)
            continue;
        OpenEquation e{{}, QLatin1String(op)};
        for (const QString& part : parts) {
            bool ok = false;
            e.numbers << part.toInt(&ok);
            if (!ok)
                return std::nullopt;
        }
        return e;
    }
    return std::nullopt;
}

QString brokenPromise(const ScreenFrame* screen) {
    const Facts* f = factsOf(screen);
    if (!f)
        return QStringLiteral("an unknown screen %1").arg(screen->objectName());
    const Shown shown = shownProblem(screen, *f);
    if (!shown.disagreement.isEmpty())
        return QStringLiteral("the problem on screen disagrees with LessonState: ") + shown.disagreement;
    if (waitingForAnswer(screen, *f, shown)) {
        const QList<ListPlace> lists = shownLists(screen, *f);
        for (int answer : shown.answers)
            if (!enterable(answer, lists)) {
                QStringList places;
                for (const ListPlace& l : lists)
                    places << QString::number(l.place);
                return QStringLiteral("the answer %1 of \"%2\" cannot be entered with the lists shown (%3)")
                    .arg(answer)
                    .arg(shown.text, places.join(u','));
            }
    }
    if (shown.open && !usable(list(screen, f->submit)) && !usableButton(screen, 4) &&
        !usableButton(screen, 5))
        return QStringLiteral("\"%1\" is on screen with no way to answer it or to move on").arg(shown.text);
    if (const QString prompt = caption(screen, promptLabel(*f)); prompt.isEmpty())
        return QStringLiteral("the prompt line says nothing");
    if (const QString hint = hintBroken(screen, *f); !hint.isEmpty())
        return hint;
    if (f->kind == Kind::Drill)
        return drillResultBroken(screen);
    return {};
}

std::optional<RightAnswer> rightAnswer(const ScreenFrame* screen) {
    const Facts* f = factsOf(screen);
    if (!f)
        return std::nullopt;
    const Shown shown = shownProblem(screen, *f);
    if (!waitingForAnswer(screen, *f, shown) || !shown.disagreement.isEmpty())
        return std::nullopt;
    const int given = answersGiven(*f);
    if (given < 0 || given >= shown.answers.size())
        return std::nullopt;
    const int value = shown.answers.at(given);
    const QList<ListPlace> lists = shownLists(screen, *f);
    if (!enterable(value, lists))
        return std::nullopt;
    RightAnswer answer;
    for (const ListPlace& l : lists) {
        const int digit = digitAt(value, l.place);
        if (l.place == 10000 && digit == 0)
            continue; // 万 offers only "１"; an earlier pick of it stands
        answer.picks << qMakePair(list(screen, l.comboBox), l.place == 10000 ? 0 : digit);
    }
    if (f->kind != Kind::ColumnSubtraction)
        answer.submit = list(screen, f->submit);
    return answer;
}

std::optional<AnswerLists> answerListsOf(const QString& screen) {
    for (const Facts& f : allFacts())
        if (screen == QLatin1String(f.screen))
            return AnswerLists{f.lists, f.submit};
    return std::nullopt;
}

CaptionedList* markedSubmitList(const ScreenFrame* screen) {
    const Facts* f = factsOf(screen);
    return f && f->verdictLabel != 0 ? list(screen, f->submit) : nullptr;
}

std::optional<int> awaitedAnswer(const ScreenFrame* screen) {
    const Facts* f = factsOf(screen);
    if (!f || f->verdictLabel == 0)
        return std::nullopt;
    const Shown shown = shownProblem(screen, *f);
    if (!waitingForAnswer(screen, *f, shown) || shown.answers.size() != 1 || !shown.disagreement.isEmpty())
        return std::nullopt;
    return shown.answers.first();
}

QString markBroken(const ScreenFrame* screen, int awaited) {
    const Facts* f = factsOf(screen);
    if (!f)
        return {};
    int entered = 0;
    for (const ListPlace& l : f->lists)
        if (const int index = list(screen, l.comboBox)->itemIndex(); index >= 0)
            entered += l.place == 10000 ? 10000 : index * l.place;
    const QString mark = caption(screen, f->verdictLabel);
    const QString expected = entered == awaited ? QStringLiteral("○") : QStringLiteral("×");
    if (mark == expected)
        return {};
    return QStringLiteral("%1 entered for %2 is marked \"%3\"").arg(entered).arg(awaited).arg(mark);
}
