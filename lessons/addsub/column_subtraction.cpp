#include "lessons/addsub/column_subtraction.h"

#include "app/lesson_state.h"
#include "controls/captioned_list.h"
#include "ui/look.h"
#include "ui/screen_builder.h"

namespace {
QStringList answerEntries() {
    QStringList entries;
    for (const QString& digit : build::digitEntries())
        entries << QStringLiteral("　") + digit;
    return entries;
}
} // namespace

TForm7::TForm7(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form7"), QStringLiteral("たしざん")) {
    addTitle(QStringLiteral("Shape4"), QRect(56, 22, 225, 41), QPoint(72, 30),
             QStringLiteral("ひき算：ひっ算"));
    problemLabel_ =
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy);
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    addVerdictLabel(12, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 73), QStringLiteral("  メニュー"),
            {QStringLiteral("２けたから"), QStringLiteral("３けたから")});
    addLessonButtons(QPoint(840, 616), QPoint(840, 464), QPoint(840, 512), QStringLiteral("ステップ１"),
                     QPoint(840, 560));
    addExitButtons(QPoint(632, 616), QPoint(736, 616));
    build::list(this, QStringLiteral("ComboBox2"), QRect(872, 222, 58, 225), QStringLiteral("こたえ"),
                answerEntries(), look::rounded(19), look::navy)
        ->hide();
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), {}, look::rounded(19),
                        look::navy),
            80, 15);
    studyPrompt_ = QStringLiteral("「ステップ」ボタンで すすめてね！");
    addStatusBar(600);
    connectSharedHandlers();
}

void TForm7::ClearWork() {
    LessonState& s = lessonState();
    s.hintShown = 0;
    s.explanationStep = 0;
    clearLabels(4, 13);
    hideComboBoxes(2, 2);
    hint_->hide();
}

void TForm7::ShowDigitSelectors() {
    CaptionedList* answer = comboBox(2);
    answer->resetSelection();
    answer->setCaption(QStringLiteral("こたえ"));
    answer->show();
    lessonState().digitTens = 0;
    lessonState().digitOnes = 0;
}
