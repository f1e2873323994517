#include "lessons/length/length_units.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/length/length_problems.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

TForm11::TForm11(QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form11"), QStringLiteral("ポルナ"),
                   {.showSetsStudyMode = false, .clearWorkDisablesNext = true}) {
    addTitle(QStringLiteral("Shape1"), QRect(56, 32, 313, 41), QPoint(64, 40),
             QStringLiteral("長さ：ｍｍ，ｃｍ，ｍ"));
    build::label(this, QStringLiteral("Label4"), QPoint(136, 176), look::rounded(24), look::navy);
    setProblemLabel(
        build::label(this, QStringLiteral("Label5"), QPoint(88, 240), look::rounded(40), look::navy));
    addVerdictLabel(6, QRect(704, 536, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(824, 32, 105, 97), QStringLiteral(" メニュー"),
            {QStringLiteral("ｍｍとｃｍ"), QStringLiteral("ｃｍとｍ"), QStringLiteral("けいさん")});
    addButton(ButtonRole::Next, {840, 568});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    const QStringList digits = lengthDigitEntries();
    AnswerPad& pad =
        addDigitSelectors({{DigitPlace::Hundreds, 4, {776, 328, 40, 233}, QStringLiteral(" 百"), digits},
                           {DigitPlace::Tens, 3, {816, 328, 40, 233}, QStringLiteral(" 十"), digits},
                           {DigitPlace::Ones, 2, {856, 328, 40, 233}, QStringLiteral(" 一"), digits}},
                          5, QRect(896, 328, 40, 57), {.storesBareDigit = true});
    pad.submitList()->setItems({lengthSubmitEntry()});
    addStatusBar(680);
    setWork({{4, 6}});
    finishBuilding();
}

void TForm11::onShow() {
    lessonState().problemKind = 0;
    itemChosen_ = false;
}

// The choice explains its item; problems come only in test mode, so つぎへ
// stays disabled and the child is asked for the mode button or another item.
void TForm11::onMenuChosen(int menuItem) {
    label(4)->setCaption(lengthExplanation(menuItem).value_or(QString()));
    itemChosen_ = true;
    button(ButtonRole::Next)->setEnabled(false);
    setPrompt(prompts().waiting);
}

void TForm11::onModeSwitched(int mode) {
    if (mode != TestMode)
        return;
    if (itemChosen_) {
        setPrompt(prompts().next);
    } else {
        // No item of this screen yet: つぎへ would have nothing to ask.
        button(ButtonRole::Next)->setEnabled(false);
        setPrompt(prompts().waiting);
    }
    PlayCue(SoundCue::Digit);
}

bool TForm11::MakeProblem() {
    if (!itemChosen_)
        return false;
    LessonState& s = lessonState();
    const std::optional<LengthProblem> p = drawLengthProblem(s.menuItem, randomSource());
    if (!p)
        return false;
    lengthKind = p->lengthKind;
    s.operand1 = p->operand1;
    s.operand2 = p->operand2;
    s.correctAnswer = p->correctAnswer;
    label(5)->setCaption(p->text);
    setPrompt(prompts().test);
    return true;
}

QString TForm11::selectorCaption(const DigitList& list) const {
    const auto captions = lengthSelectorCaptions(lessonState().menuItem, lengthKind);
    if (!captions)
        return comboBox(list.comboBox)->caption();
    switch (list.place) {
    case DigitPlace::Hundreds:
        return captions->left;
    case DigitPlace::Tens:
        return captions->middle;
    default:
        return captions->right;
    }
}

bool TForm11::selectorShown(const DigitList& list) const {
    const auto captions = lengthSelectorCaptions(lessonState().menuItem, lengthKind);
    return list.place != DigitPlace::Hundreds || !captions || captions->leftShown;
}

QString TForm11::completedProblem() const {
    const LessonState& s = lessonState();
    return completedLengthProblem(s.menuItem, lengthKind, s.operand1, s.operand2).value_or(QString());
}
