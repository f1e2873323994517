#include "ui/screen_frame.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "ui/keyboard_focus.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"
#include "ui/window_placement.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

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

} // namespace

ScreenFrame::ScreenFrame(QWidget* parent, const QString& objectName, const QString& windowCaption, int height)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(windowCaption);
    setModal(true);
    setFixedSize(zoom::size({screenWidth, height}));
    setFont(look::rounded(19));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look::windowBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    roleHandlers_ = {
        {ButtonRole::Quit, [this] { CuteButton1Click(); }},
        {ButtonRole::Back, [this] { CuteButton2Click(); }},
    };

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    connectGuarded(clockTimer_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    clockTimer_->start();
}

template <typename T> T* ScreenFrame::numbered(const QString& kind, int number) const {
    const QString name = kind + QString::number(number);
    if (T* control = findChild<T*>(name))
        return control;
    throw PorunaError(QStringLiteral("%1 に %2 が ありません。").arg(objectName(), name));
}

CaptionLabel* ScreenFrame::label(int number) const {
    return numbered<CaptionLabel>(QStringLiteral("Label"), number);
}

CaptionedList* ScreenFrame::comboBox(int number) const {
    return numbered<CaptionedList>(QStringLiteral("ComboBox"), number);
}

TCuteButton* ScreenFrame::cuteButton(int number) const {
    return numbered<TCuteButton>(QStringLiteral("CuteButton"), number);
}

// --- building ---

void ScreenFrame::addTitle(const QString& shapeName, const QRect& frame, QPoint at, const QString& title) {
    build::shape(this, shapeName, frame, look::windowBackground, look::black);
    build::label(this, QStringLiteral("Label1"), at, look::rounded(27, true), look::navy, title);
}

void ScreenFrame::addPrompt(const QString& labelName, QPoint at, QPoint pictureAt,
                            const QString& pictureName) {
    build::childPicture(this, pictureName, pictureAt);
    promptLabel_ = build::label(this, labelName, at, look::rounded(19), look::red);
}

void ScreenFrame::addMenu(const QRect& box, const QString& caption, const QStringList& entries,
                          std::function<void(int)> chosen) {
    menu_ =
        build::list(this, QStringLiteral("ComboBox1"), box, caption, entries, look::rounded(19), look::navy);
    // Chosen again by a stray Return, the entry would clear the problem and
    // the answer on screen, or a drill's run.
    menu_->setPickedAgainByKey(false);
    connectStep(menu_, &CaptionedList::changed, std::move(chosen));
}

TCuteButton* ScreenFrame::addButton(ButtonRole role, QPoint at, const QString& caption) {
    const RoleLook look = roleLook(role);
    TCuteButton* b =
        build::button(this, QStringLiteral("CuteButton%1").arg(look.number), QRect(at, QSize(90, 30)),
                      caption.isEmpty() ? QString::fromUtf16(look.caption) : caption, look.face, look.text,
                      look::rounded(16, true));
    buttons_.insert(role, b);
    return b;
}

AnswerPad& ScreenFrame::addAnswerPad(const QList<DigitList>& lists, int submitComboBox,
                                     const QRect& submitBox, AnswerPadTraits traits,
                                     std::function<void()> submitted) {
    pad_ = new AnswerPad(this, lists, submitComboBox, submitBox, traits);
    submitted_ = std::move(submitted);
    return *pad_;
}

void ScreenFrame::addVerdictLabel(int number, const QRect& box) {
    verdictLabel_ = build::fixedLabel(this, QStringLiteral("Label%1").arg(number), box, look::rounded(53),
                                      look::red, Qt::AlignLeft | Qt::AlignTop);
}

void ScreenFrame::addStatusBar(int firstPanelWidth) {
    build::clockStatusBar(this, firstPanelWidth);
}

void ScreenFrame::setWork(const QList<LabelRange>& labels, const QList<QWidget*>& widgets) {
    workLabels_ = labels;
    workWidgets_ = widgets;
}

void ScreenFrame::setRoleHandler(ButtonRole role, std::function<void()> handler) {
    roleHandlers_.insert(role, std::move(handler));
}

void ScreenFrame::finishBuilding() {
    for (auto b = buttons_.cbegin(); b != buttons_.cend(); ++b) {
        const ButtonRole role = b.key();
        if (roleHandlers_.contains(role))
            connectStep(b.value(), &TCuteButton::clicked, [this, role] { roleHandlers_.value(role)(); });
    }
    if (pad_) {
        for (const DigitList& d : pad_->lists())
            connectStep(pad_->list(d), &CaptionedList::changed,
                        [this, d](int index) { digitPicked(d, index); });
        if (CaptionedList* submit = pad_->submitList())
            connectStep(submit, &CaptionedList::changed, [this] { submitted_(); });
    }
    // The menu comes first in reading order, being topmost, then the digit
    // lists left to right and ◆; the buttons follow row by row.
    QList<QWidget*> lists, buttons;
    for (CaptionedList* list : findChildren<CaptionedList*>(Qt::FindDirectChildrenOnly))
        lists << list;
    for (TCuteButton* b : findChildren<TCuteButton*>(Qt::FindDirectChildrenOnly))
        buttons << b;
    controls_ = keyboard::inReadingOrder(lists) + keyboard::inReadingOrder(buttons);
    keyboard::setTabChain(this, controls_);
}

void ScreenFrame::digitPicked(const DigitList& digits, int index) {
    pad_->store(digits, index);
    if (pad_->traits().eachPickSubmits)
        submitted_();
    else
        PlayCue(SoundCue::Digit);
}

// --- the keyboard ---

ScreenFrame::StepBefore ScreenFrame::stepBefore() const {
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
void ScreenFrame::finishStep(QObject* origin, const StepBefore& before) {
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
        picked && (!pad_ || picked != pad_->submitList()) && picked->itemIndex() >= 0)
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
QWidget* ScreenFrame::focusAfterStep(const QObject* origin, const StepBefore& before) const {
    QList<QWidget*> ready;
    for (QWidget* control : std::as_const(controls_)) {
        const auto* list = qobject_cast<const CaptionedList*>(control);
        if (list && control != menu_ && keyboard::reachable(control) &&
            (!before.reachable.value(control) || before.emptied.value(control) != list->timesEmptied()))
            ready << control;
    }
    if (!ready.isEmpty()) {
        QWidget* begin = pad_ ? pad_->listToBeginAnswer(ready, expectedAnswer()) : nullptr;
        return begin ? begin : ready.first();
    }
    QWidget* const start = button(ButtonRole::Start);
    QWidget* available = nullptr;
    for (QWidget* control : std::as_const(controls_))
        if (keyboard::reachable(control) && !before.reachable.value(control, true) &&
            (!available || available == start))
            available = control;
    if (available)
        return available;
    QWidget* next = button(ButtonRole::Next);
    if (origin && pad_ && origin == pad_->submitList() && keyboard::reachable(next))
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

void ScreenFrame::focusFirstControl() {
    for (QWidget* control : std::as_const(controls_))
        if (keyboard::reachable(control)) {
            news_.tell(control, SpokenNews::since(this, {}));
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
}

// --- shared routines ---

void ScreenFrame::clearWork() {
    for (const LabelRange& range : std::as_const(workLabels_))
        for (int n = range.first; n <= range.last; ++n)
            label(n)->setCaption(QString());
    if (pad_)
        pad_->putAway();
    for (QWidget* widget : std::as_const(workWidgets_))
        widget->hide();
}

void ScreenFrame::setPrompt(const QString& text) {
    if (promptLabel_)
        promptLabel_->setCaption(text);
}

QString ScreenFrame::prompt() const {
    return promptLabel_ ? promptLabel_->caption() : QString();
}

void ScreenFrame::showVerdict(bool right) {
    if (verdictLabel_)
        verdictLabel_->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? SoundCue::Right : SoundCue::Wrong);
}

int ScreenFrame::expectedAnswer() const {
    return lessonState().correctAnswer;
}

void ScreenFrame::CuteButton2Click() {
    close();
}

void ScreenFrame::CuteButton1Click() {
    emit quitRequested();
}

void ScreenFrame::Timer1Timer() {
    showClock(this);
}

// --- events ---

void ScreenFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    runGuarded([this] { FormShow(); });
    focusFirstControl();
}

void ScreenFrame::keyPressEvent(QKeyEvent* event) {
    // A screen closes only by its buttons or its close box, never by a stray Esc.
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
