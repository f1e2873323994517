#include "lessons/drills/drill_screen.h"

#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "controls/look.h"
#include "controls/status_bar.h"
#include "core/display_text.h"
#include "core/lesson_state.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/drills/drill_screen_rules.h"
#include "lessons/drills/drill_session.h"
#include "ui/screen_builder.h"

#include <QHideEvent>

namespace {

constexpr int resultLineHeight = 32;
constexpr int clockBarHeight = 20;
constexpr int emptyBarHeight = 19;
const QSize answerTableSize(398, 401);

} // namespace

DrillScreen::DrillScreen(QWidget* parent, TDataModule1& data, const DrillScreenRules& rules,
                         const DrillLayout& layout)
    : LessonScreen(parent, rules.screen, QStringLiteral("ポルナ")), rules_(rules) {
    hasMenu_ = !rules.menuEntries.isEmpty();
    listsDisabledBetweenProblems_ = true;
    addTitle(QStringLiteral("Shape1"), layout.titleFrame, layout.titleAt, rules.title);
    buildLabels(layout);
    addPrompt(QStringLiteral("Label2"), layout.promptAt, QPoint(0, 592));
    if (hasMenu_)
        addMenu(layout.menuBox, QStringLiteral("　メニュー"), rules.menuEntries);
    QStringList timeItems;
    for (const TimeChoice& choice : timeChoices())
        timeItems << choice.item;
    build::list(this, QStringLiteral("ComboBox2"), QRect(824, 152, 106, 113), timeSelectorCaption, timeItems,
                look::rounded(19), look::navy);
    addButton(ButtonRole::Start, {736, 520});
    addButton(ButtonRole::Next, {840, 520});
    addButton(ButtonRole::Stop, {736, 568});
    addButton(ButtonRole::Result, {840, 568});
    addButton(ButtonRole::Quit, {736, 616});
    addButton(ButtonRole::Back, {840, 616});

    QList<DigitList> lists;
    for (int i = 0; i < rules.digitSelectors.size(); ++i) {
        const DrillDigitSelector& selector = rules.digitSelectors.at(i);
        const DigitPlace place = selector.place;
        lists << DigitList{place, selector.comboBox, layout.digitBoxes.value(i), selector.caption,
                           place == DigitPlace::TenThousands ? QStringList() : digitEntries()};
    }
    addDigitSelectors(lists, rules.submitComboBox, layout.submitBox);
    buildAnswerTable(layout.answerTableAt, data);
    if (layout.emptyBarAboveClock) {
        auto* bar = new StatusBar(this);
        bar->setObjectName(QStringLiteral("StatusBar2"));
        bar->setBackground(look::statusBarBackground);
        bar->setGeometry(0, height() - clockBarHeight - emptyBarHeight, width(), emptyBarHeight);
    }
    addStatusBar(680);

    session_ = new DrillSession(*this, data, rules, answerTable_);
    setRoleHandler(ButtonRole::Start, [this] { session_->CuteButton3Click(); });
    setRoleHandler(ButtonRole::Next, [this] { session_->CuteButton4Click(); });
    setRoleHandler(ButtonRole::Stop, [this] { session_->CuteButton5Click(); });
    setRoleHandler(ButtonRole::Result, [this] { session_->CuteButton6Click(); });
    connectStep(comboBox(2), &CaptionedList::changed,
                [this](int index) { session_->ComboBox2Change(index); });

    workLabels_ = {{3, 8}};
    workWidgets_ = {answerTable_};
    finishBuilding();
    // A submit selector that ClearWork leaves alone stays open from the start.
    if (rules.submitComboBox > rules.lastComboBoxClearWorkDisables)
        submitList_->setEnabled(true);
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::buildLabels(const DrillLayout& layout) {
    build::label(this, QStringLiteral("Label3"), layout.problemNumberAt,
                 look::rounded(layout.problemNumberSize), look::navy);
    problemLabel_ =
        build::label(this, QStringLiteral("Label4"), layout.problemAt, look::rounded(40), look::navy);
    for (int n = 5; n <= 8; ++n)
        build::label(this, QStringLiteral("Label%1").arg(n),
                     layout.firstResultAt + QPoint(0, (n - 5) * resultLineHeight), look::rounded(21),
                     look::navy);
}

void DrillScreen::buildAnswerTable(QPoint at, TDataModule1& data) {
    answerTable_ = new DataGrid(this);
    answerTable_->setObjectName(QStringLiteral("DBGrid1"));
    answerTable_->setGeometry(QRect(at, answerTableSize));
    answerTable_->setColumns({{QStringLiteral("NB"), QStringLiteral("Ｎｏ"), 40},
                              {QStringLiteral("MND"), QStringLiteral("もんだい"), 140},
                              {QStringLiteral("KAI"), QStringLiteral("せいかい"), 70},
                              {QStringLiteral("KOT"), QStringLiteral("こたえ"), 70},
                              {QStringLiteral("HNT"), QStringLiteral("○×"), 40}});
    answerTable_->setLook({look::rounded(16), look::navy, look::rounded(13, true), look::navy, look::cream});
    answerTable_->setDataSource(data.DataSource2);
    answerTable_->hide();
}

void DrillScreen::FormShow() {
    session_->FormShow();
}

void DrillScreen::ComboBox1Change(int index) {
    session_->ComboBox1Change(index);
}

bool DrillScreen::MakeProblem() {
    return session_->MakeProblem();
}

void DrillScreen::SubmitPicked() {
    session_->SubmitPicked();
}

void DrillScreen::ShowDigitSelectors() {
    if (rules_.showDigitSelectorsEnables) {
        LessonScreen::ShowDigitSelectors();
        return;
    }
    // Cleared and captioned, yet left as enabled or disabled as they were.
    QList<QPair<CaptionedList*, bool>> states;
    for (const DrillDigitSelector& selector : rules_.digitSelectors)
        states << qMakePair(comboBox(selector.comboBox), comboBox(selector.comboBox)->isEnabled());
    states << qMakePair(submitList_, submitList_->isEnabled());
    LessonScreen::ShowDigitSelectors();
    for (const auto& [list, enabled] : states)
        list->setEnabled(enabled);
}

void DrillScreen::clearOwnWork() {
    if (rules_.clearWorkResetsHintShown)
        lessonState().hintShown = 0;
    for (ButtonRole role : {ButtonRole::Start, ButtonRole::Next, ButtonRole::Stop, ButtonRole::Result})
        button(role)->setEnabled(false);
    comboBox(2)->setEnabled(false);
    // The frame disables every digit selector and ◆; a ◆ beyond the drill's
    // range stays enabled.
    if (rules_.submitComboBox > rules_.lastComboBoxClearWorkDisables)
        submitList_->setEnabled(true);
}

void DrillScreen::hideEvent(QHideEvent* event) {
    LessonScreen::hideEvent(event);
    // もくじへ and the close box leave the run: its time-out must not follow
    // the child to another screen.
    if (!event->spontaneous())
        session_->stopCountdown();
}
