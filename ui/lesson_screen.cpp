#include "ui/lesson_screen.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "core/display_text.h"
#include "core/error_report.h"
#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "ui/keyboard_focus.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"
#include "ui/window_placement.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

const QString LessonScreen::hintShownPrompt =
    QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！");
const QString LessonScreen::stepPrompt = QStringLiteral("「ステップ」ボタンで すすめてね！");

QString placeCaption(DigitPlace place) {
    switch (place) {
    case DigitPlace::TenThousands:
        return QStringLiteral("万");
    case DigitPlace::Thousands:
        return QStringLiteral("千");
    case DigitPlace::Hundreds:
        return QStringLiteral("百");
    case DigitPlace::Tens:
        return QStringLiteral("十");
    case DigitPlace::Ones:
        break;
    }
    return QStringLiteral("一");
}

namespace {

struct RoleLook {
    int number;
    const char16_t* caption;
    QColor face;
    QColor text;
};

RoleLook roleLook(ButtonRole role) {
    switch (role) {
    case ButtonRole::Quit:
        return {1, u"おわる", look::navy, look::cream};
    case ButtonRole::Back:
        return {2, u"もくじへ", look::olive, look::cream};
    case ButtonRole::Mode:
        return {3, u"べんきょう", look::green, look::cream};
    case ButtonRole::Next:
        return {4, u"つぎへ", look::nextFace, look::navy};
    case ButtonRole::Answer:
        return {5, u"こたえ", look::topicFace, look::navy};
    case ButtonRole::Hint:
        return {6, u"ポイント", look::skyBlue, look::navy};
    case ButtonRole::Start:
        return {3, u"スタート", look::skyBlue, look::navy};
    case ButtonRole::Stop:
        return {5, u"ストップ", look::moneyGreen, look::navy};
    case ButtonRole::Result:
        break;
    }
    return {6, u"けっか", QColor(192, 239, 205), look::navy};
}

void enable(TCuteButton* button, bool on) {
    if (button)
        button->setEnabled(on);
}

} // namespace

LessonScreen::LessonScreen(QWidget* parent, const QString& objectName, const QString& windowCaption,
                           int height)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(windowCaption);
    setModal(true);
    setFixedSize(screenWidth, height);
    setFont(look::rounded(19));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look::windowBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    roleHandlers_ = {
        {ButtonRole::Quit, [this] { CuteButton1Click(); }},
        {ButtonRole::Back, [this] { CuteButton2Click(); }},
        {ButtonRole::Mode, [this] { CuteButton3Click(); }},
        {ButtonRole::Next, [this] { CuteButton4Click(); }},
        {ButtonRole::Answer, [this] { CuteButton5Click(); }},
        {ButtonRole::Hint, [this] { CuteButton6Click(); }},
    };

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    connectGuarded(clockTimer_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    clockTimer_->start();
}

template <typename T> T* LessonScreen::numbered(const QString& kind, int number) const {
    const QString name = kind + QString::number(number);
    if (T* control = findChild<T*>(name))
        return control;
    throw PorunaError(QStringLiteral("%1 に %2 が ありません。").arg(objectName(), name));
}

CaptionLabel* LessonScreen::label(int number) const {
    return numbered<CaptionLabel>(QStringLiteral("Label"), number);
}

CaptionedList* LessonScreen::comboBox(int number) const {
    return numbered<CaptionedList>(QStringLiteral("ComboBox"), number);
}

TCuteButton* LessonScreen::cuteButton(int number) const {
    return numbered<TCuteButton>(QStringLiteral("CuteButton"), number);
}

// --- building ---

void LessonScreen::addTitle(const QString& shapeName, const QRect& frame, QPoint at, const QString& title) {
    build::shape(this, shapeName, frame, look::windowBackground, look::black);
    build::label(this, QStringLiteral("Label1"), at, look::rounded(27, true), look::navy, title);
}

void LessonScreen::addPrompt(const QString& labelName, QPoint at, QPoint pictureAt,
                             const QString& pictureName) {
    build::childPicture(this, pictureName, pictureAt);
    promptLabel_ = build::label(this, labelName, at, look::rounded(19), look::red);
}

void LessonScreen::addMenu(const QRect& box, const QString& caption, const QStringList& entries) {
    // Chosen again by a stray Return, the lesson's entry would clear the
    // problem and the answer on screen, or a drill's run.
    build::list(this, QStringLiteral("ComboBox1"), box, caption, entries, look::rounded(19), look::navy)
        ->setPickedAgainByKey(false);
}

TCuteButton* LessonScreen::addButton(ButtonRole role, QPoint at, const QString& caption) {
    const RoleLook look = roleLook(role);
    TCuteButton* b =
        build::button(this, QStringLiteral("CuteButton%1").arg(look.number), QRect(at, QSize(90, 30)),
                      caption.isEmpty() ? QString::fromUtf16(look.caption) : caption, look.face, look.text,
                      look::rounded(16, true));
    buttons_.insert(role, b);
    return b;
}

void LessonScreen::addDigitSelectors(const QList<DigitList>& lists, int submitComboBox,
                                     const QRect& submitBox) {
    const QFont font = look::rounded(19);
    for (DigitList d : lists) {
        if (d.caption.isEmpty())
            d.caption = placeCaption(d.place);
        if (d.entries.isEmpty())
            d.entries = d.place == DigitPlace::TenThousands ? QStringList{QStringLiteral("１")}
                                                            : lessonDigitEntries();
        build::list(this, QStringLiteral("ComboBox%1").arg(d.comboBox), d.box, d.caption, d.entries, font,
                    look::navy)
            ->setCursorOnFocus(false);
        digitLists_ << d;
    }
    submitList_ = build::list(this, QStringLiteral("ComboBox%1").arg(submitComboBox), submitBox, QString(),
                              {QStringLiteral("◆")}, font, look::navy);
}

void LessonScreen::addVerdictLabel(int number, const QRect& box) {
    verdictLabel_ = build::fixedLabel(this, QStringLiteral("Label%1").arg(number), box, look::rounded(53),
                                      look::red, Qt::AlignLeft | Qt::AlignTop);
}

void LessonScreen::addStatusBar(int firstPanelWidth) {
    build::clockStatusBar(this, firstPanelWidth);
}

void LessonScreen::setHint(QWidget* hint, int top, SoundCue cue) {
    hint_ = hint;
    hint_->hide();
    hintWidgets_ << hint;
    hintTop_ = top;
    hintCue_ = cue;
}

void LessonScreen::setRoleHandler(ButtonRole role, std::function<void()> handler) {
    roleHandlers_.insert(role, std::move(handler));
}

void LessonScreen::finishBuilding() {
    for (auto b = buttons_.cbegin(); b != buttons_.cend(); ++b) {
        const ButtonRole role = b.key();
        if (roleHandlers_.contains(role))
            connectStep(b.value(), &TCuteButton::clicked, [this, role] { roleHandlers_.value(role)(); });
    }
    if (hasMenu_)
        if (CaptionedList* list = menu())
            connectStep(list, &CaptionedList::changed, [this](int index) { ComboBox1Change(index); });
    for (int i = 0; i < digitLists_.size(); ++i)
        connectStep(comboBox(digitLists_.at(i).comboBox), &CaptionedList::changed,
                    [this, i](int index) { DigitPicked(digitLists_.at(i), index); });
    if (submitList_)
        connectStep(submitList_, &CaptionedList::changed, [this] { SubmitPicked(); });
    // Between problems the lists wait as every problem leaves them.
    for (const DigitList& d : digitLists_)
        listsDisabledBetweenProblems_ ? comboBox(d.comboBox)->setEnabled(false)
                                      : comboBox(d.comboBox)->hide();
    if (submitList_)
        listsDisabledBetweenProblems_ ? submitList_->setEnabled(false) : submitList_->hide();
    // The menu comes first in reading order, being topmost, then the digit
    // lists left to right and ◆; the buttons follow row by row.
    QList<QWidget*> lists, buttons;
    for (CaptionedList* list : findChildren<CaptionedList*>(Qt::FindDirectChildrenOnly))
        lists << list;
    for (TCuteButton* b : findChildren<TCuteButton*>(Qt::FindDirectChildrenOnly))
        buttons << b;
    controls_ = keyboard::inReadingOrder(lists) + keyboard::inReadingOrder(buttons);
    keyboard::setTabChain(this, controls_);
    if (showRunsAtCreation_)
        runGuarded([this] { FormShow(); });
}

CaptionedList* LessonScreen::menu() const {
    return hasMenu_ ? findChild<CaptionedList*>(QStringLiteral("ComboBox1")) : nullptr;
}

// --- the keyboard ---

LessonScreen::StepBefore LessonScreen::stepBefore() const {
    StepBefore before;
    for (const QWidget* control : controls_) {
        before.reachable.insert(control, keyboard::reachable(control));
        if (const auto* list = qobject_cast<const CaptionedList*>(control))
            before.emptied.insert(control, list->timesEmptied());
    }
    before.texts = SpokenNews::seen(this);
    return before;
}

// The focus goes to where the child goes on, and that control is given what
// the step put up before it takes the focus: a screen reader says both at once.
void LessonScreen::finishStep(QObject* origin, const StepBefore& before) {
    if (!isVisible())
        return;
    QWidget* target = focusAfterStep(origin, before);
    // The entry just picked belongs to the news, though the list showed it
    // before the step began (a list shows a pick before it tells its
    // handler); ◆ shows only that it was picked. Where the focus stays on
    // the list, Qt has told the pick already as the entry under the cursor,
    // so only the texts the step put up are said.
    QStringList news;
    if (const auto* picked = qobject_cast<const CaptionedList*>(origin);
        picked && picked != submitList_ && picked->itemIndex() >= 0)
        news << picked->text().trimmed();
    const QString appeared = SpokenNews::since(this, before.texts);
    news << appeared;
    news.removeAll(QString());
    news_.tell(target ? target : focusWidget(), news.join(u'\n'), !appeared.isEmpty());
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

// Where the child goes on after a step, in this order:
// 1. to a list the step made ready for an answer (shown or enabled, or
//    emptied for the next answer): after つぎへ in test mode and after the
//    first of two ◆, the list the answer is begun in;
// 2. else to the first control the step made available, スタート last, as
//    it empties the run before: after the menu choice or こたえ, つぎへ;
//    after つぎへ in study mode, こたえ; after ストップ, けっか;
// 3. else, after ◆, to つぎへ where it can be pressed;
// 4. else where the focus is, unless the step took that control away (a
//    button that disables itself drops the focus): then to the next control
//    the child can reach.
QWidget* LessonScreen::focusAfterStep(const QObject* origin, const StepBefore& before) const {
    const QWidget* const screenMenu = menu();
    QList<QWidget*> ready;
    for (QWidget* control : std::as_const(controls_)) {
        const auto* list = qobject_cast<const CaptionedList*>(control);
        if (list && control != screenMenu && keyboard::reachable(control) &&
            (!before.reachable.value(control) || before.emptied.value(control) != list->timesEmptied()))
            ready << control;
    }
    if (!ready.isEmpty())
        return listToBeginAnswer(ready);
    QWidget* const start = button(ButtonRole::Start);
    QWidget* available = nullptr;
    for (QWidget* control : std::as_const(controls_))
        if (keyboard::reachable(control) && !before.reachable.value(control, true) &&
            (!available || available == start))
            available = control;
    if (available)
        return available;
    QWidget* next = button(ButtonRole::Next);
    if (origin && origin == submitList_ && keyboard::reachable(next))
        return next;
    if (keyboard::reachable(focusWidget()))
        return nullptr;
    const qsizetype from = controls_.indexOf(qobject_cast<const QWidget*>(origin));
    for (qsizetype i = 1; i <= controls_.size(); ++i) {
        QWidget* control = controls_.at((from + i) % controls_.size());
        if (keyboard::reachable(control))
            return control;
    }
    return nullptr;
}

// The list of the answer's highest place, so that no key is spent on a place
// the answer does not have (and no Return on 万 adds 10000 to a sum below
// it); where the screen shows no list for that place, the highest list below
// it. Lists that hold bare digits, not places, begin with the first.
QWidget* LessonScreen::listToBeginAnswer(const QList<QWidget*>& ready) const {
    if (digitsStoreBareDigit_)
        return ready.first();
    int leading = 1;
    for (const int answer = expectedAnswer(); leading < 10000 && leading * 10 <= answer;)
        leading *= 10;
    QWidget* begin = nullptr;
    int beginValue = 0;
    for (const DigitList& d : digitLists_) {
        QWidget* list = comboBox(d.comboBox);
        const int value = placeValue(d.place);
        if (ready.contains(list) && value <= leading && value > beginValue) {
            begin = list;
            beginValue = value;
        }
    }
    return begin ? begin : ready.first();
}

void LessonScreen::focusFirstControl() {
    for (QWidget* control : std::as_const(controls_))
        if (keyboard::reachable(control)) {
            news_.tell(control, SpokenNews::since(this, {}));
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
}

// --- the per-screen routines ---

void LessonScreen::ClearWork() {
    for (const LabelRange& range : workLabels_)
        for (int n = range.first; n <= range.last; ++n)
            label(n)->setCaption(QString());
    QList<CaptionedList*> lists;
    for (const DigitList& d : digitLists_)
        lists << comboBox(d.comboBox);
    if (submitList_)
        lists << submitList_;
    for (CaptionedList* list : lists)
        listsDisabledBetweenProblems_ ? list->setEnabled(false) : list->hide();
    for (QWidget* widget : workWidgets_)
        widget->hide();
    if (clearWorkHidesHint_)
        hideHints();
    if (explanationSteps_ > 0) {
        // The steps start again from the first, and the button says so.
        lessonState().explanationStep = 0;
        setStepCaption(1);
    }
    if (clearWorkDisablesNext_)
        enable(button(ButtonRole::Next), false);
    if (clearWorkDisablesAnswer_)
        enable(button(ButtonRole::Answer), false);
    clearOwnWork();
}

QString LessonScreen::selectorCaption(const DigitList& list) const {
    return list.caption;
}

void LessonScreen::setListReady(CaptionedList* list, const QString& caption, bool shown) {
    list->resetSelection();
    list->setCaption(caption);
    if (listsDisabledBetweenProblems_)
        list->setEnabled(true);
    list->setVisible(shown);
}

void LessonScreen::ShowDigitSelectors() {
    for (const DigitList& d : digitLists_) {
        setListReady(comboBox(d.comboBox), selectorCaption(d), selectorShown(d));
        digitField(lessonState(), d.place) = 0;
    }
    if (submitList_)
        setListReady(submitList_, QString(), true);
}

int LessonScreen::enteredFromDigits() const {
    int entered = 0;
    for (const DigitList& d : digitLists_)
        entered += digitsStoreBareDigit_ ? digitField(lessonState(), d.place) * placeValue(d.place)
                                         : digitField(lessonState(), d.place);
    return entered;
}

int LessonScreen::expectedAnswer() const {
    return lessonState().correctAnswer;
}

std::optional<LessonScreen::HintView> LessonScreen::hintToShow() {
    if (!hint_)
        return std::nullopt;
    return HintView{hint_, hintTop_};
}

void LessonScreen::hideHints() {
    lessonState().hintShown = 0;
    for (QWidget* hint : hintWidgets_)
        hint->hide();
}

void LessonScreen::setPrompt(const QString& text) {
    if (promptLabel_)
        promptLabel_->setCaption(text);
}

QString LessonScreen::prompt() const {
    return promptLabel_ ? promptLabel_->caption() : QString();
}

void LessonScreen::setStepCaption(int step) {
    if (TCuteButton* steps = button(ButtonRole::Answer))
        steps->setCaption(QStringLiteral("ステップ") + QChar(u'０' + step));
}

// --- shared handlers ---

void LessonScreen::FormShow() {
    LessonState& s = lessonState();
    if (hasMenu_ && showSetsStudyMode_) {
        s.mode = StudyMode;
    } else if (TCuteButton* mode = button(ButtonRole::Mode)) {
        // The screen goes on in the mode the last screen left; its button says
        // which, or the child would be tested under "べんきょう".
        mode->setCaption(s.mode == TestMode ? QStringLiteral("テスト") : QStringLiteral("べんきょう"));
    }
    ClearWork();
    hideHints();
    if (hasMenu_) {
        enable(button(ButtonRole::Next), false);
        enable(button(ButtonRole::Answer), false);
    } else {
        enable(button(ButtonRole::Next), true);
    }
    onShow();
    setPrompt(prompts_.waiting);
    PlayCue(SoundCue::Show);
}

void LessonScreen::ComboBox1Change(int index) {
    ClearWork();
    LessonState& s = lessonState();
    s.menuItem = index + 1;
    s.mode = StudyMode;
    if (TCuteButton* mode = button(ButtonRole::Mode))
        mode->setCaption(QStringLiteral("べんきょう"));
    enable(button(ButtonRole::Next), true);
    setPrompt(prompts_.next);
    onMenuChosen(s.menuItem);
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton3Click() {
    if (!modeButtonClearsAfterSwitch_)
        ClearWork();
    LessonState& s = lessonState();
    TCuteButton* mode = button(ButtonRole::Mode);
    if (s.mode == StudyMode) {
        s.mode = TestMode;
        mode->setCaption(QStringLiteral("テスト"));
        enable(button(ButtonRole::Next), true);
        enable(button(ButtonRole::Answer), false);
    } else {
        s.mode = StudyMode;
        mode->setCaption(QStringLiteral("べんきょう"));
    }
    if (modeButtonClearsAfterSwitch_)
        ClearWork();
    onModeSwitched(s.mode);
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton4Click() {
    ClearWork();
    TCuteButton* next = button(ButtonRole::Next);
    enable(next, false);
    beforeNextProblem();
    if (!MakeProblem()) {
        // Nothing was drawn for the entry this screen found: no empty problem
        // to answer, the child is sent to the menu instead.
        setPrompt(prompts_.waiting);
        PlayCue(SoundCue::Show);
        return;
    }
    TCuteButton* answer = button(ButtonRole::Answer);
    // Before any screen set a mode the screen teaches, as in study mode.
    if (lessonState().mode == TestMode) {
        enable(answer, false);
        ShowDigitSelectors();
        PrepareTestEntry();
        setPrompt(prompts_.test);
        if (nextStaysEnabledInTest_)
            enable(next, true);
    } else {
        enable(answer, true);
        setPrompt(prompts_.study);
    }
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton5Click() {
    if (explanationSteps_ > 0) {
        showNextStep();
        return;
    }
    ShowWorkedAnswer();
    enable(button(ButtonRole::Next), true);
    enable(button(ButtonRole::Answer), false);
    setPrompt(prompts_.next);
    PlayCue(SoundCue::Answer);
}

void LessonScreen::showNextStep() {
    LessonState& s = lessonState();
    // After the last step the next press starts the same explanation again.
    s.explanationStep =
        s.explanationStep >= explanationSteps_ || s.explanationStep < 0 ? 1 : s.explanationStep + 1;
    ShowWorkedAnswer();
    const bool last = s.explanationStep == explanationSteps_;
    setStepCaption(last ? 1 : s.explanationStep + 1);
    if (last) {
        enable(button(ButtonRole::Next), true);
        PlayCue(SoundCue::Answer);
        setPrompt(prompts_.next);
    } else {
        PlayCue(SoundCue::Digit);
        setPrompt(stepPrompt);
    }
}

void LessonScreen::DigitPicked(const DigitList& list, int index) {
    int& field = digitField(lessonState(), list.place);
    if (digitsStoreBareDigit_)
        field = index;
    else
        field = list.place == DigitPlace::TenThousands ? 10000 : index * placeValue(list.place);
    PlayCue(SoundCue::Digit);
}

void LessonScreen::SubmitPicked() {
    LessonState& s = lessonState();
    s.enteredAnswer = enteredFromDigits();
    judge(s.enteredAnswer == expectedAnswer());
}

void LessonScreen::judge(bool right) {
    if (CaptionLabel* target = completedLabel_ ? completedLabel_ : problemLabel_)
        if (const QString completed = completedProblem(); !completed.isEmpty())
            target->setCaption(completed);
    showVerdict(right);
    enable(button(ButtonRole::Next), true);
    setPrompt(prompts_.next);
}

void LessonScreen::showVerdict(bool right) {
    if (verdictLabel_)
        verdictLabel_->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? SoundCue::Right : SoundCue::Wrong);
}

void LessonScreen::CuteButton6Click() {
    LessonState& s = lessonState();
    if (s.hintShown != 0) {
        hideHints();
        setPrompt(prompts_.hintHidden);
        PlayCue(SoundCue::Show);
        return;
    }
    const std::optional<HintView> view = hintToShow();
    if (!view)
        return;
    view->widget->move(view->widget->x(), view->top);
    view->widget->show();
    view->widget->raise();
    setPrompt(hintShownPrompt);
    s.hintShown = 1;
    PlayCue(hintCue_);
}

void LessonScreen::CuteButton2Click() {
    close();
}

void LessonScreen::CuteButton1Click() {
    emit quitRequested();
}

void LessonScreen::Timer1Timer() {
    showClock(this);
}

// --- events ---

void LessonScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    runGuarded([this] { FormShow(); });
    focusFirstControl();
}

void LessonScreen::keyPressEvent(QKeyEvent* event) {
    // A lesson screen closes only by its buttons or its close box, never by a stray Esc.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // An arrow key a control leaves unused (any on a button, left and right in
    // a list) goes to the nearest control that way: from one digit column to
    // the next, from a button to the one beside it.
    if (!keyboard::moveFocusByArrow(event, this, controls_))
        QDialog::keyPressEvent(event);
}
