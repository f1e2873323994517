#include "ui/lesson_screen.h"

#include "app/confirm_quit.h"
#include "app/error_report.h"
#include "app/lesson_state.h"
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "ui/look.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

const QString LessonScreen::nextPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
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

int& digitField(DigitPlace place) {
    LessonState& s = lessonState();
    switch (place) {
    case DigitPlace::TenThousands:
        return s.digitTenThousands;
    case DigitPlace::Thousands:
        return s.digitThousands;
    case DigitPlace::Hundreds:
        return s.digitHundreds;
    case DigitPlace::Tens:
        return s.digitTens;
    case DigitPlace::Ones:
        break;
    }
    return s.digitOnes;
}

namespace {
int placeValue(DigitPlace place) {
    switch (place) {
    case DigitPlace::Thousands:
        return 1000;
    case DigitPlace::Hundreds:
        return 100;
    case DigitPlace::Tens:
        return 10;
    default:
        return 1;
    }
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

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    connectGuarded(clockTimer_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    clockTimer_->start();
}

CaptionLabel* LessonScreen::label(int number) const {
    return findChild<CaptionLabel*>(QStringLiteral("Label%1").arg(number));
}

CaptionedList* LessonScreen::comboBox(int number) const {
    return findChild<CaptionedList*>(QStringLiteral("ComboBox%1").arg(number));
}

TCuteButton* LessonScreen::cuteButton(int number) const {
    return findChild<TCuteButton*>(QStringLiteral("CuteButton%1").arg(number));
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
    build::list(this, QStringLiteral("ComboBox1"), box, caption, entries, look::rounded(19), look::navy);
}

void LessonScreen::addExitButtons(QPoint quitAt, QPoint backAt) {
    const QFont font = look::rounded(16, true);
    build::button(this, QStringLiteral("CuteButton1"), QRect(quitAt, QSize(90, 30)), QStringLiteral("おわる"),
                  look::navy, look::cream, font);
    build::button(this, QStringLiteral("CuteButton2"), QRect(backAt, QSize(90, 30)),
                  QStringLiteral("もくじへ"), look::olive, look::cream, font);
}

void LessonScreen::addLessonButtons(QPoint modeAt, QPoint nextAt, QPoint answerAt,
                                    const QString& answerCaption, QPoint hintAt) {
    const QFont font = look::rounded(16, true);
    const QSize size(90, 30);
    if (!modeAt.isNull())
        build::button(this, QStringLiteral("CuteButton3"), QRect(modeAt, size), QStringLiteral("べんきょう"),
                      look::green, look::cream, font);
    if (!nextAt.isNull())
        build::button(this, QStringLiteral("CuteButton4"), QRect(nextAt, size), QStringLiteral("つぎへ"),
                      look::nextFace, look::navy, font);
    if (!answerAt.isNull())
        build::button(this, QStringLiteral("CuteButton5"), QRect(answerAt, size), answerCaption,
                      look::topicFace, look::navy, font);
    if (!hintAt.isNull())
        build::button(this, QStringLiteral("CuteButton6"), QRect(hintAt, size), QStringLiteral("ポイント"),
                      look::skyBlue, look::navy, font);
}

void LessonScreen::addDigitSelectors(const QList<DigitList>& lists, int submitComboBox,
                                     const QRect& submitBox) {
    digitLists_ = lists;
    submitComboBox_ = submitComboBox;
    const QFont font = look::rounded(19);
    for (const DigitList& d : lists) {
        const QStringList entries =
            d.place == DigitPlace::TenThousands ? QStringList{QStringLiteral("１")} : build::digitEntries();
        build::list(this, QStringLiteral("ComboBox%1").arg(d.comboBox), d.box, placeCaption(d.place), entries,
                    font, look::navy)
            ->hide();
    }
    build::list(this, QStringLiteral("ComboBox%1").arg(submitComboBox), submitBox, QString(),
                {QStringLiteral("◆")}, font, look::navy)
        ->hide();
}

void LessonScreen::addVerdictLabel(int number, const QRect& box) {
    verdictLabel_ = build::fixedLabel(this, QStringLiteral("Label%1").arg(number), box, look::rounded(53),
                                      look::red, Qt::AlignLeft | Qt::AlignTop);
}

void LessonScreen::addStatusBar(int firstPanelWidth) {
    build::clockStatusBar(this, firstPanelWidth);
}

void LessonScreen::setHint(QWidget* hint, int top, std::uint32_t cue) {
    hint_ = hint;
    hintTop_ = top;
    hintCue_ = cue;
}

void LessonScreen::connectSharedHandlers() {
    auto onClick = [this](int number, auto handler) {
        if (TCuteButton* b = cuteButton(number))
            connectGuarded(b, &TCuteButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onClick(1, &LessonScreen::CuteButton1Click);
    onClick(2, &LessonScreen::CuteButton2Click);
    onClick(3, &LessonScreen::CuteButton3Click);
    onClick(4, &LessonScreen::CuteButton4Click);
    onClick(5, &LessonScreen::CuteButton5Click);
    onClick(6, &LessonScreen::CuteButton6Click);
    if (hasModeMenu_)
        if (CaptionedList* menu = comboBox(1))
            connectGuarded(menu, &CaptionedList::changed, this,
                           [this](int index) { ComboBox1Change(index); });
    for (const DigitList& d : digitLists_) {
        const DigitPlace place = d.place;
        connectGuarded(comboBox(d.comboBox), &CaptionedList::changed, this,
                       [this, place](int index) { DigitPicked(place, index); });
    }
    if (submitComboBox_)
        connectGuarded(comboBox(submitComboBox_), &CaptionedList::changed, this, [this] { SubmitPicked(); });
}

// --- numbered ranges ---

void LessonScreen::clearLabels(int first, int last) {
    for (int n = first; n <= last; ++n)
        if (CaptionLabel* l = label(n))
            l->setCaption(QString());
}

void LessonScreen::hideComboBoxes(int first, int last) {
    for (int n = first; n <= last; ++n)
        if (CaptionedList* c = comboBox(n))
            c->hide();
}

void LessonScreen::hideHint() {
    lessonState().hintShown = 0;
    if (hint_)
        hint_->hide();
}

void LessonScreen::setPrompt(const QString& text) {
    if (promptLabel_)
        promptLabel_->setCaption(text);
}

QString LessonScreen::prompt() const {
    return promptLabel_ ? promptLabel_->caption() : QString();
}

QString LessonScreen::completedProblem() const {
    QString problem = problemLabel_ ? problemLabel_->caption() : QString();
    if (problem.endsWith(u'?'))
        problem.chop(1);
    return problem + QString::number(lessonState().correctAnswer);
}

// --- shared handlers ---

void LessonScreen::FormShow() {
    if (hasModeMenu_ && showSetsStudyMode_)
        lessonState().mode = StudyMode;
    ClearWork();
    hideHint();
    if (hasModeMenu_) {
        if (TCuteButton* next = cuteButton(4))
            next->setEnabled(false);
        if (TCuteButton* answer = cuteButton(5))
            answer->setEnabled(false);
    }
    setPrompt(waitingPrompt_);
    PlayCue(CueShow);
}

void LessonScreen::ComboBox1Change(int index) {
    ClearWork();
    LessonState& s = lessonState();
    s.menuItem = index + 1;
    s.mode = StudyMode;
    if (TCuteButton* mode = cuteButton(3))
        mode->setCaption(QStringLiteral("べんきょう"));
    if (TCuteButton* next = cuteButton(4))
        next->setEnabled(true);
    setPrompt(nextPrompt);
    PlayCue(CueShow);
}

void LessonScreen::CuteButton3Click() {
    ClearWork();
    LessonState& s = lessonState();
    if (s.mode == StudyMode) {
        s.mode = TestMode;
        cuteButton(3)->setCaption(QStringLiteral("テスト"));
        if (TCuteButton* next = cuteButton(4))
            next->setEnabled(true);
        if (TCuteButton* answer = cuteButton(5))
            answer->setEnabled(false);
    } else {
        s.mode = StudyMode;
        cuteButton(3)->setCaption(QStringLiteral("べんきょう"));
    }
    PlayCue(CueShow);
}

void LessonScreen::CuteButton4Click() {
    ClearWork();
    cuteButton(4)->setEnabled(false);
    MakeProblem();
    TCuteButton* answer = cuteButton(5);
    if (lessonState().mode == StudyMode) {
        if (answer)
            answer->setEnabled(true);
        setPrompt(studyPrompt_);
    } else {
        if (answer)
            answer->setEnabled(false);
        ShowDigitSelectors();
        PrepareTestEntry();
        setPrompt(testPrompt_);
    }
    PlayCue(CueShow);
}

void LessonScreen::CuteButton5Click() {
    if (explanationSteps_ > 0) {
        showNextStep();
        return;
    }
    ShowWorkedAnswer();
    cuteButton(4)->setEnabled(true);
    cuteButton(5)->setEnabled(false);
    setPrompt(nextPrompt);
    PlayCue(CueAnswer);
}

void LessonScreen::showNextStep() {
    LessonState& s = lessonState();
    // After the last step the next press starts the same explanation again.
    s.explanationStep = s.explanationStep >= explanationSteps_ ? 1 : s.explanationStep + 1;
    ShowWorkedAnswer();
    if (s.explanationStep == explanationSteps_) {
        cuteButton(4)->setEnabled(true);
        PlayCue(CueAnswer);
        setPrompt(nextPrompt);
    } else {
        PlayCue(CueDigit);
        setPrompt(stepPrompt);
    }
}

void LessonScreen::DigitPicked(DigitPlace place, int index) {
    digitField(place) = place == DigitPlace::TenThousands ? 10000 : index * placeValue(place);
    PlayCue(CueDigit);
}

void LessonScreen::SubmitPicked() {
    LessonState& s = lessonState();
    s.enteredAnswer = 0;
    for (const DigitList& d : digitLists_)
        s.enteredAnswer += digitField(d.place);
    if (problemLabel_)
        problemLabel_->setCaption(completedProblem());
    showVerdict(s.enteredAnswer == s.correctAnswer);
    cuteButton(4)->setEnabled(true);
    setPrompt(nextPrompt);
}

void LessonScreen::showVerdict(bool right) {
    if (verdictLabel_)
        verdictLabel_->setCaption(right ? QStringLiteral("○") : QStringLiteral("×"));
    PlayCue(right ? CueRight : CueWrong);
}

void LessonScreen::CuteButton6Click() {
    LessonState& s = lessonState();
    if (s.hintShown != 0) {
        hideHint();
        setPrompt(hintHiddenPrompt_);
        PlayCue(CueShow);
        return;
    }
    if (hint_) {
        hint_->move(hint_->x(), hintTop_);
        hint_->show();
        hint_->raise();
    }
    setPrompt(hintShownPrompt);
    s.hintShown = 1;
    PlayCue(hintCue_);
}

void LessonScreen::CuteButton2Click() {
    close();
}

void LessonScreen::CuteButton1Click() {
    ConfirmQuit();
}

void LessonScreen::Timer1Timer() {
    showClock(this);
}

void LessonScreen::ShowDigitSelectors() {
    auto showEmpty = [this](int number, const QString& caption) {
        CaptionedList* list = comboBox(number);
        list->resetSelection();
        list->setCaption(caption);
        list->show();
    };
    for (const DigitList& d : digitLists_) {
        showEmpty(d.comboBox, placeCaption(d.place));
        digitField(d.place) = 0;
    }
    showEmpty(submitComboBox_, QString());
}

// --- events ---

void LessonScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded([this] { FormShow(); });
}

void LessonScreen::keyPressEvent(QKeyEvent* event) {
    // A lesson screen closes only by its buttons or its close box, never by a stray Esc.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
