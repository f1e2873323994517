#include "lessons/drills/drill_screen.h"

#include "app/lesson_state.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "ui/look.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

DrillScreen::DrillScreen(QWidget* parent, const Layout& layout)
    : LessonScreen(parent, layout.objectName, QStringLiteral("ポルナ")) {
    hasMenu_ = false;
    listsDisabledBetweenProblems_ = true;
    prompts_.waiting = layout.shownPrompt;
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
    addButton(ButtonRole::Start, {736, 520});
    addButton(ButtonRole::Next, {840, 520});
    addButton(ButtonRole::Stop, {736, 568});
    addButton(ButtonRole::Result, {840, 568});
    addButton(ButtonRole::Quit, {736, 616});
    addButton(ButtonRole::Back, {840, 616});
    // The run's own つぎへ comes with the drill session.
    setRoleHandler(ButtonRole::Next, [] {});
    addDigitSelectors(layout.digitLists, layout.submitComboBox, layout.submitBox);
    addStatusBar(680);
    workLabels_ = {{3, 8}};
    finishBuilding();
}

void DrillScreen::FormShow() {
    ClearWork();
    setPrompt(prompts_.waiting);
    PlayCue(CueShow);
}

void DrillScreen::clearOwnWork() {
    for (int n = 3; n <= 6; ++n)
        cuteButton(n)->setEnabled(false);
    comboBox(2)->setEnabled(false);
}
