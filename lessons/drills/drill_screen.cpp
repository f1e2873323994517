#include "lessons/drills/drill_screen.h"

#include "app/lesson_state.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "ui/look.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

DrillScreen::DrillScreen(QWidget* parent, const Layout& layout)
    : LessonScreen(parent, layout.objectName, QStringLiteral("ポルナ")),
      lastComboBox_(layout.submitComboBox) {
    hasModeMenu_ = false;
    waitingPrompt_ = layout.shownPrompt;
    addTitle(QStringLiteral("Shape1"), layout.titleFrame, layout.titleAt, layout.title);
    build::fixedLabel(this, QStringLiteral("Label3"), layout.problemNumberBox, look::rounded(27), look::navy,
                      Qt::AlignLeft | Qt::AlignTop);
    problemLabel_ = build::fixedLabel(this, QStringLiteral("Label4"), layout.problemBox, look::rounded(40),
                                      look::navy, Qt::AlignLeft | Qt::AlignTop);
    for (int n = 5; n <= 8; ++n)
        build::label(this, QStringLiteral("Label%1").arg(n), QPoint(72, 280 + (n - 5) * 48),
                     look::rounded(27), look::navy);
    addPrompt(QStringLiteral("Label2"), layout.promptAt, QPoint(0, 592));
    if (!layout.menuEntries.isEmpty())
        addMenu(layout.menuBox, QStringLiteral("　メニュー"), layout.menuEntries);
    build::list(this, QStringLiteral("ComboBox2"), QRect(824, 152, 106, 113), QStringLiteral("　じかん"),
                {QStringLiteral(" 　　なし"), QStringLiteral(" 　５ふん"), QStringLiteral(" １０ぷん"),
                 QStringLiteral(" １５ふん")},
                look::rounded(19), look::navy);
    const QFont font = look::rounded(16, true);
    const QSize size(90, 30);
    build::button(this, QStringLiteral("CuteButton3"), QRect(QPoint(736, 520), size),
                  QStringLiteral("スタート"), look::skyBlue, look::navy, font);
    build::button(this, QStringLiteral("CuteButton4"), QRect(QPoint(840, 520), size),
                  QStringLiteral("つぎへ"), look::nextFace, look::navy, font);
    build::button(this, QStringLiteral("CuteButton5"), QRect(QPoint(736, 568), size),
                  QStringLiteral("ストップ"), look::moneyGreen, look::navy, font);
    build::button(this, QStringLiteral("CuteButton6"), QRect(QPoint(840, 568), size),
                  QStringLiteral("けっか"), QColor(192, 239, 205), look::navy, font);
    addExitButtons(QPoint(736, 616), QPoint(840, 616));
    addDigitSelectors(layout.digitLists, layout.submitComboBox, layout.submitBox);
    for (const DigitList& d : layout.digitLists)
        comboBox(d.comboBox)->show();
    comboBox(layout.submitComboBox)->show();
    addStatusBar(680);
    connectSharedHandlers();
}

void DrillScreen::FormShow() {
    ClearWork();
    setPrompt(waitingPrompt_);
    PlayCue(CueShow);
}

void DrillScreen::ClearWork() {
    clearLabels(3, 8);
    for (int n = 3; n <= 6; ++n)
        cuteButton(n)->setEnabled(false);
    for (int n = 2; n <= lastComboBox_; ++n)
        comboBox(n)->setEnabled(false);
}
