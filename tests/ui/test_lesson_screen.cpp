// The shared lesson-screen pattern, driven through a screen with a menu.
#include "controls/look.h"
#include "tests/support/screen_driver.h"
#include "ui/lesson_screen.h"
#include "ui/screen_builder.h"

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
    void stateTable_data();
    void stateTable();
    void submitJudgesTheDigitsPicked_data();
    void submitJudgesTheDigitsPicked();
    void changingADigitAfterSubmitKeepsTheMark();
    void returnInTheHintClicksNoButton();
    void aNumberingSlipIsReportedNotDereferenced();
};

namespace {
// The sample screen, shown.
struct Sample : ScreenAlone<SampleScreen> {
    Sample() { screen.show(); }
    bool listsShown() const { return list(2)->isVisible() && list(7)->isVisible(); }
};
} // namespace

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
        << QStringList{"menu 0"} << 1 << true << false << false << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("study problem shown")
        << QStringList{"menu 0", "next"} << 1 << false << true << false << "「こたえ」ボタンを おしてね！"
        << "pipo.wav";
    QTest::newRow("explained") << QStringList{"menu 0", "next", "answer"} << 1 << true << false << false
                               << "「つぎへ」ボタンで すすめてね！"
                               << "poon.wav";
    QTest::newRow("mode switch before a menu choice")
        << QStringList{"mode"} << 2 << true << false << false << "メニューを えらんでね！"
        << "pipo.wav";
    QTest::newRow("つぎへ with no entry of this screen makes no problem")
        << QStringList{"mode", "next"} << 2 << false << false << false << "メニューを えらんでね！"
        << "pipo.wav";
    QTest::newRow("ready for a test")
        << QStringList{"menu 0", "mode"} << 2 << true << false << false << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("test problem shown") << QStringList{"menu 0", "mode", "next"} << 2 << false << false
                                        << true << "こたえを えらんでから ◆を おしてね！"
                                        << "pipo.wav";
    QTest::newRow("judged") << QStringList{"menu 0", "mode", "next", "pick 3 7", "pick 7 0"} << 2 << true
                            << false << true << "「つぎへ」ボタンで すすめてね！"
                            << "pinpon.wav";
    QTest::newRow("back to study with a test problem open")
        << QStringList{"menu 0", "mode", "next", "mode"} << 1 << false << false << false
        << "こたえを えらんでから ◆を おしてね！"
        << "pipo.wav";
    QTest::newRow("back to study with a study problem open keeps both buttons")
        << QStringList{"menu 0", "next", "mode", "mode"} << 1 << true << false << false
        << "「こたえ」ボタンを おしてね！"
        << "pipo.wav";
    QTest::newRow("menu choice from test mode returns to study")
        << QStringList{"menu 0", "mode", "next", "menu 0"} << 1 << true << false << false
        << "「つぎへ」ボタンで すすめてね！"
        << "pipo.wav";
    QTest::newRow("showing again resets the screen")
        << QStringList{"menu 0", "mode", "next", "back", "open"} << 1 << false << false << false
        << "メニューを えらんでね！"
        << "pipo.wav";
}

void LessonScreenTest::stateTable() {
    QFETCH(QStringList, actions);
    const Sample d;
    d.run(actions);
    QTEST(lessonState().mode, "mode");
    QTEST(d.enabled(4), "nextEnabled");
    QTEST(d.enabled(5), "answerEnabled");
    QTEST(d.listsShown(), "lists");
    QTEST(d.caption(3), "prompt");
    QFETCH(QString, lastCue);
    QCOMPARE(d.platform.media->events.last(), "play " + lastCue);
}

void LessonScreenTest::submitJudgesTheDigitsPicked_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<int>("entered");
    QTest::addColumn<QString>("mark");
    QTest::newRow("nothing picked judges 0") << QStringList{} << 0 << "×";
    QTest::newRow("tens 7 is right") << QStringList{"pick 3 7"} << 70 << "○";
    QTest::newRow("a place picked twice keeps the last") << QStringList{"pick 3 2", "pick 3 7"} << 70 << "○";
    QTest::newRow("万 always adds 10000") << QStringList{"pick 6 0", "pick 3 7"} << 10070 << "×";
    QTest::newRow("order of picks does not matter")
        << QStringList{"pick 2 0", "pick 4 0", "pick 3 7", "pick 5 0"} << 70 << "○";
}

void LessonScreenTest::submitJudgesTheDigitsPicked() {
    QFETCH(QStringList, picks);
    const Sample d;
    d.run(QStringList{"menu 0", "mode", "next"} + picks + QStringList{"pick 7 0"});
    QTEST(lessonState().enteredAnswer, "entered");
    QTEST(d.caption(6), "mark");
    QCOMPARE(d.caption(4), QStringLiteral("40 + 30 = 70"));
}

void LessonScreenTest::changingADigitAfterSubmitKeepsTheMark() {
    const Sample d;
    d.run({"menu 0", "mode", "next", "pick 3 7", "pick 7 0", "pick 3 1"});
    QCOMPARE(d.caption(6), QStringLiteral("○"));
    QCOMPARE(lessonState().digitTens, 10);
    QCOMPARE(d.platform.media->events.last(), QStringLiteral("play bun.wav"));
}

// The read-only hint leaves Return to the screen, a dialog, which would click
// its default button if it had one.
void LessonScreenTest::returnInTheHintClicksNoButton() {
    Sample d;
    d.run({"menu 0", "hint"});
    auto* memo = d.screen.findChild<QPlainTextEdit*>("Memo1");
    memo->setFocus();
    QObject listening;
    QStringList clicked;
    for (TCuteButton* b : d.screen.findChildren<TCuteButton*>())
        connect(b, &TCuteButton::clicked, &listening, [&clicked, b] { clicked << b->objectName(); });
    QTest::keyClick(memo, Qt::Key_Return);
    QCOMPARE(clicked, QStringList{});
}

void LessonScreenTest::aNumberingSlipIsReportedNotDereferenced() {
    // The screen has no Label5, but its work range names it.
    const Sample d;
    SampleScreen slip({{4, 6}});
    slip.show();
    QCOMPARE(d.platform.boxes->shown, QStringList{"error: Sample に Label5 が ありません。"});
    slip.comboBox(1)->pick(0);
    QCOMPARE(d.platform.boxes->shown.size(), 2);
}

QTEST_MAIN(LessonScreenTest)
#include "test_lesson_screen.moc"
