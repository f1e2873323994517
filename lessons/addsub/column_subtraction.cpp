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
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512}, QStringLiteral("ステップ１"));
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    answerList_ = build::list(this, QStringLiteral("ComboBox2"), QRect(872, 222, 58, 225),
                              QStringLiteral("こたえ"), answerEntries(), look::rounded(19), look::navy);
    answerList_->hide();
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), {}, look::rounded(19),
                        look::navy),
            80, 15);
    prompts_.study = stepPrompt;
    explanationSteps_ = 3;
    addStatusBar(600);
    workLabels_ = {{4, 5}, {12, 12}};
    workWidgets_ = {answerList_};
    clearWorkHidesHint_ = true;
    finishBuilding();
}

void TForm7::ShowDigitSelectors() {
    answerList_->resetSelection();
    answerList_->setCaption(QStringLiteral("こたえ"));
    answerList_->show();
}
