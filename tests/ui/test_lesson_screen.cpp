// The shared lesson-screen pattern, driven through a screen with a menu.
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "tests/support/fakes.h"
#include "ui/lesson_screen.h"
#include "ui/media_player.h"
#include "ui/screen_builder.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

// A lesson with the usual controls whose problem is always 40 + 30.
class SampleScreen final : public LessonScreen {
public:
    explicit SampleScreen(const QList<LabelRange>& work = {{4, 4}, {6, 6}})
        : LessonScreen(nullptr, QStringLiteral("Sample"), QStringLiteral("ポルナ")) {
        addTitle(QStringLiteral("Shape1"), QRect(56, 22, 225, 41), QPoint(72, 30),
                 QStringLiteral("れんしゅう"));
        setProblemLabel(
            build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy));
        addVerdictLabel(6, QRect(752, 526, 54, 53));
        addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592));
        addMenu(QRect(777, 22, 153, 89), QStringLiteral("メニュー"),
                {QStringLiteral("あ"), QStringLiteral("い")});
        addButton(ButtonRole::Next, {840, 464});
        addButton(ButtonRole::Answer, {840, 512});
        addButton(ButtonRole::Hint, {840, 560});
        addButton(ButtonRole::Quit, {632, 616});
        addButton(ButtonRole::Back, {736, 616});
        addButton(ButtonRole::Mode, {840, 616});
        addDigitSelectors({{DigitPlace::TenThousands, 6, {784, 222, 25, 57}},
                           {DigitPlace::Thousands, 5, {808, 222, 25, 225}},
                           {DigitPlace::Hundreds, 4, {832, 222, 25, 225}},
                           {DigitPlace::Tens, 3, {856, 222, 25, 225}},
                           {DigitPlace::Ones, 2, {880, 222, 25, 225}}},
                          7, QRect(905, 222, 25, 65));
        setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 600, 200), {}, look::rounded(19),
                            look::navy),
                152, SoundCue::Hint);
        addStatusBar(600);
        setWork(work);
        finishBuilding();
    }
    bool MakeProblem() override {
        if (lessonState().menuItem < 1 || lessonState().menuItem > 2)
            return false;
        lessonState().correctAnswer = 70;
        label(4)->setCaption(QStringLiteral("40 + 30 = ?"));
        return true;
    }
    QString completedProblem() const override { return QStringLiteral("40 + 30 = 70"); }
};

} // namespace

class LessonScreenTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stateTable_data();
    void stateTable();
    void submitJudgesTheDigitsPicked_data();
    void submitJudgesTheDigitsPicked();
    void changingADigitAfterSubmitKeepsTheMark();
    void hintIsHiddenAfterLeavingAndComingBack();
    void returnInTheHintClicksNoButton();
    void aNumberingSlipIsReportedNotDereferenced();

private:
    void press(const QString& action);
    bool enabled(int button) const { return screen_->cuteButton(button)->isEnabled(); }
    bool listsShown() const { return screen_->comboBox(2)->isVisible() && screen_->comboBox(7)->isVisible(); }

    FakePlatform* platform_ = nullptr;
    MediaPlayer* player_ = nullptr;
    SampleScreen* screen_ = nullptr;
};

void LessonScreenTest::init() {
    platform_ = new FakePlatform;
    player_ = new MediaPlayer;
    lessonState() = LessonState{};
    lessonState().soundsEnabled = 1;
    screen_ = new SampleScreen;
    screen_->show();
}

void LessonScreenTest::cleanup() {
    delete screen_;
    delete player_;
    delete platform_;
}

// "menu", "mode", "next", "answer", "hint", "close", "open", or "digit <list> <entry>" / "submit".
void LessonScreenTest::press(const QString& action) {
    const QStringList words = action.split(u' ');
    if (words[0] == "menu")
        screen_->comboBox(1)->pick(0);
    else if (words[0] == "mode")
        QTest::mouseClick(screen_->cuteButton(3), Qt::LeftButton);
    else if (words[0] == "next")
        QTest::mouseClick(screen_->cuteButton(4), Qt::LeftButton);
    else if (words[0] == "answer")
        QTest::mouseClick(screen_->cuteButton(5), Qt::LeftButton);
    else if (words[0] == "hint")
        QTest::mouseClick(screen_->cuteButton(6), Qt::LeftButton);
    else if (words[0] == "close")
        QTest::mouseClick(screen_->cuteButton(2), Qt::LeftButton);
    else if (words[0] == "open")
        screen_->show();
    else if (words[0] == "digit")
        screen_->comboBox(words[1].toInt())->pick(words[2].toInt());
    else if (words[0] == "submit")
        screen_->comboBox(7)->pick(0);
}

void LessonScreenTest::stateTable_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<bool>("answerEnabled");
    QTest::addColumn<bool>("lists");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("lastCue");

    QTest::newRow("shown: waiting for a menu entry")
        << QStringList{} << 1 << false << false << false << "メニューを えらんでね！"
        << "pipo.wav";
    QTest::newRow("menu choice: ready")
        << QStringList{"menu"} << 1 << true << false << false << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("study problem shown")
        << QStringList{"menu", "next"} << 1 << false << true << false << "「こたえ」ボタンを おしてね！"
        << "pipo.wav";
    QTest::newRow("explained") << QStringList{"menu", "next", "answer"} << 1 << true << false << false
                               << "「つぎへ」ボタンで すすめてね！"
                               << "poon.wav";
    QTest::newRow("mode switch before a menu choice")
        << QStringList{"mode"} << 2 << true << false << false << "メニューを えらんでね！"
        << "pipo.wav";
    QTest::newRow("つぎへ with no entry of this screen makes no problem")
        << QStringList{"mode", "next"} << 2 << false << false << false << "メニューを えらんでね！"
        << "pipo.wav";
    QTest::newRow("ready for a test")
        << QStringList{"menu", "mode"} << 2 << true << false << false << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("test problem shown") << QStringList{"menu", "mode", "next"} << 2 << false << false << true
                                        << "こたえを えらんでから ◆を おしてね！"
                                        << "pipo.wav";
    QTest::newRow("judged") << QStringList{"menu", "mode", "next", "digit 3 7", "submit"} << 2 << true
                            << false << true << "「つぎへ」ボタンで すすめてね！"
                            << "pinpon.wav";
    QTest::newRow("back to study with a test problem open")
        << QStringList{"menu", "mode", "next", "mode"} << 1 << false << false << false
        << "こたえを えらんでから ◆を おしてね！"
        << "pipo.wav";
    QTest::newRow("back to study with a study problem open keeps both buttons")
        << QStringList{"menu", "next", "mode", "mode"} << 1 << true << false << false
        << "「こたえ」ボタンを おしてね！"
        << "pipo.wav";
    QTest::newRow("menu choice from test mode returns to study")
        << QStringList{"menu", "mode", "next", "menu"} << 1 << true << false << false
        << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("showing again resets the screen")
        << QStringList{"menu", "mode", "next", "close", "open"} << 1 << false << false << false
        << "メニューを えらんでね！"
        << "pipo.wav";
}

void LessonScreenTest::stateTable() {
    QFETCH(QStringList, actions);
    for (const QString& action : actions)
        press(action);
    QTEST(lessonState().mode, "mode");
    QTEST(enabled(4), "nextEnabled");
    QTEST(enabled(5), "answerEnabled");
    QTEST(listsShown(), "lists");
    QTEST(screen_->label(3)->caption(), "prompt");
    QFETCH(QString, lastCue);
    QCOMPARE(platform_->media->events.last(), "play " + lastCue);
}

void LessonScreenTest::submitJudgesTheDigitsPicked_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<int>("entered");
    QTest::addColumn<QString>("mark");
    QTest::newRow("nothing picked judges 0") << QStringList{} << 0 << "×";
    QTest::newRow("tens 7 is right") << QStringList{"digit 3 7"} << 70 << "○";
    QTest::newRow("a place picked twice keeps the last")
        << QStringList{"digit 3 2", "digit 3 7"} << 70 << "○";
    QTest::newRow("万 always adds 10000") << QStringList{"digit 6 0", "digit 3 7"} << 10070 << "×";
    QTest::newRow("order of picks does not matter")
        << QStringList{"digit 2 0", "digit 4 0", "digit 3 7", "digit 5 0"} << 70 << "○";
}

void LessonScreenTest::submitJudgesTheDigitsPicked() {
    QFETCH(QStringList, picks);
    for (const QString& action : QStringList{"menu", "mode", "next"} + picks + QStringList{"submit"})
        press(action);
    QTEST(lessonState().enteredAnswer, "entered");
    QTEST(screen_->label(6)->caption(), "mark");
    QCOMPARE(screen_->label(4)->caption(), QStringLiteral("40 + 30 = 70"));
}

void LessonScreenTest::changingADigitAfterSubmitKeepsTheMark() {
    for (const QString& action : {"menu", "mode", "next", "digit 3 7", "submit", "digit 3 1"})
        press(action);
    QCOMPARE(screen_->label(6)->caption(), QStringLiteral("○"));
    QCOMPARE(lessonState().digitTens, 10);
    QCOMPARE(platform_->media->events.last(), QStringLiteral("play bun.wav"));
}

void LessonScreenTest::hintIsHiddenAfterLeavingAndComingBack() {
    auto* memo = screen_->findChild<QPlainTextEdit*>("Memo1");
    press("hint");
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->y(), 152);
    QCOMPARE(lessonState().hintShown, 1);
    QCOMPARE(platform_->media->events.last(), QStringLiteral("play chararan.wav"));
    press("close");
    press("open");
    QVERIFY(!memo->isVisible());
    QCOMPARE(lessonState().hintShown, 0);
    press("hint");
    QVERIFY(memo->isVisible());
    QCOMPARE(screen_->label(3)->caption(),
             QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！"));
    press("hint");
    QVERIFY(!memo->isVisible());
    QCOMPARE(platform_->media->events.last(), QStringLiteral("play pipo.wav"));
}

// The read-only hint leaves Return to the screen, a dialog, which would click
// its default button if it had one.
void LessonScreenTest::returnInTheHintClicksNoButton() {
    press("menu");
    press("hint");
    auto* memo = screen_->findChild<QPlainTextEdit*>("Memo1");
    memo->setFocus();
    QObject listening;
    QStringList clicked;
    for (TCuteButton* b : screen_->findChildren<TCuteButton*>())
        connect(b, &TCuteButton::clicked, &listening, [&clicked, b] { clicked << b->objectName(); });
    QTest::keyClick(memo, Qt::Key_Return);
    QCOMPARE(clicked, QStringList{});
}

void LessonScreenTest::aNumberingSlipIsReportedNotDereferenced() {
    // The screen has no Label5, but its work range names it.
    SampleScreen slip({{4, 6}});
    slip.show();
    QCOMPARE(platform_->boxes->shown, QStringList{"error: Sample に Label5 が ありません。"});
    slip.comboBox(1)->pick(0);
    QCOMPARE(platform_->boxes->shown.size(), 2);
}

QTEST_MAIN(LessonScreenTest)
#include "test_lesson_screen.moc"
