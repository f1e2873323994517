#include "lessons/addsub/column_addition.h"

#include "app/error_report.h"
#include "app/lesson_state.h"
#include "controls/cute_button.h"
#include "controls/shape.h"
#include "ui/look.h"
#include "ui/screen_builder.h"

#include <QPlainTextEdit>

TForm4::TForm4(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form4"), QStringLiteral("たしざん")) {
    addTitle(QStringLiteral("Shape2"), QRect(56, 22, 257, 41), QPoint(72, 30), QStringLiteral("たしざん：ひっ算"));
    problemLabel_ = build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy);
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    const QFont row = look::rounded(35);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    build::fixedLabel(this, QStringLiteral("Label6"), QRect(600, 240, 100, 40), row, look::navy, right);
    build::fixedLabel(this, QStringLiteral("Label7"), QRect(600, 280, 100, 40), row, look::navy, right);
    build::fixedLabel(this, QStringLiteral("Label8"), QRect(600, 320, 100, 40), row, look::navy, right);
    build::label(this, QStringLiteral("Label11"), QPoint(584, 320), row, look::navy);
    build::shape(this, QStringLiteral("Shape1"), QRect(580, 364, 121, 2), look::red, look::navy)->hide();
    build::fixedLabel(this, QStringLiteral("Label9"), QRect(580, 370, 120, 40), row, look::navy, right);
    build::label(this, QStringLiteral("Label10"), QPoint(664, 264), look::rounded(21), look::navy);
    addVerdictLabel(12, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 73), QStringLiteral("　メニュー"),
            {QStringLiteral("２けた"), QStringLiteral("２けたが３つ")});
    addLessonButtons(QPoint(840, 616), QPoint(840, 464), QPoint(840, 512), QStringLiteral("ステップ１"),
                     QPoint(840, 560));
    addExitButtons(QPoint(632, 616), QPoint(736, 616));
    addDigitSelectors({{DigitPlace::Tens, 3, {856, 222, 25, 225}}, {DigitPlace::Ones, 2, {880, 222, 25, 225}}}, 4,
                      QRect(905, 222, 25, 65));
    auto* memo = build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), {}, look::rounded(19),
                             look::navy);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHint(memo, 80, 19);
    studyPrompt_ = QStringLiteral("「ステップ」ボタンで すすめてね！");
    addStatusBar(600);
    connectSharedHandlers();
    // Shown once at creation too, so the screen is ready before its first visit.
    runGuarded([this] { FormShow(); });
}

void TForm4::ClearWork() {
    LessonState& s = lessonState();
    s.hintShown = 0;
    s.explanationStep = 0;
    clearLabels(4, 12);
    hideComboBoxes(2, 4);
    cuteButton(5)->setEnabled(false);
    findChild<Shape*>(QStringLiteral("Shape1"))->hide();
    hint_->hide();
}
