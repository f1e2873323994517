// Start-up, the menu screen and quitting, on the whole program.
#include "app/confirm_quit.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/status_bar.h"
#include "core/lesson_state.h"
#include "core/media_device.h"
#include "lessons/drills/multiplication_drill.h"
#include "lessons/numbers/numbers_to_10000.h"
#include "tests/support/program.h"
#include "ui/screen_frame.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs `check` once the modal loop that the next statement starts is running.
void whileModal(std::function<void()> check) {
    QTimer::singleShot(0, std::move(check));
}

QAction* helpAction(const QString& text) {
    for (QAction* a : Form1->findChildren<QAction*>())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void lessonScreensAreCreatedInTheirFixedOrder();
    void programBuildsItsLessonScreensAfterTheMenusFirstPaint_data();
    void programBuildsItsLessonScreensAfterTheMenusFirstPaint();
    void cuesAtCreationOpenTheDeviceSilently();
    void startUpCueComesAfterOneSecondAndTheClockShowsOnEveryScreen();
    void missingSoundFolderIsReportedOnceForEachScreenThatCuesAtCreation();
    void topicButtonOpensItsScreenModally_data();
    void topicButtonOpensItsScreenModally();
    void quitQuestionFromALessonScreen_data();
    void quitQuestionFromALessonScreen();
    void closingTheMenuEndsTheProgramWithoutAQuestion();
    void helpMenuShowsTheHelpFileAndTheVersion();
};

void StartupTest::lessonScreensAreCreatedInTheirFixedOrder() {
    StartedProgram program;
    QStringList order;
    for (QObject* child : Form1->children())
        if (qobject_cast<ScreenFrame*>(child))
            order << child->objectName();
    QCOMPARE(order, QStringList({"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                                 "Form11", "Form10", "Form12", "Form13"}));
    QVERIFY(DataModule1);
    QVERIFY(Form1->MediaPlayer1);
    QVERIFY(lessonState().programFolder.endsWith(u'/'));
    QCOMPARE(Form1->findChild<CaptionLabel*>("Label5")->caption(),
             QStringLiteral("「ボタン」を えらんで はじめてね！"));
}

void StartupTest::programBuildsItsLessonScreensAfterTheMenusFirstPaint_data() {
    QTest::addColumn<bool>("clickedFirst");       // a topic chosen before the menu could paint
    QTest::addColumn<QString>("launcherProblem"); // what the installed launcher could not do
    QTest::newRow("the menu paints") << false << QString();
    QTest::newRow("a topic is chosen before any paint") << true << QString();
    QTest::newRow("the launcher could not make the user's folder")
        << false << QStringLiteral("フォルダーが つくれません。\nmkdir: Read-only file system");
}

void StartupTest::programBuildsItsLessonScreensAfterTheMenusFirstPaint() {
    QFETCH(bool, clickedFirst);
    QFETCH(QString, launcherProblem);
    if (!launcherProblem.isEmpty())
        qputenv("PORUNA_START_PROBLEM", launcherProblem.toUtf8());
    FakePlatform platform;
    lessonState() = LessonState{};
    startUp(LessonScreens::AfterFirstPaint);
    // Taken at start, so nothing the program starts inherits it.
    QVERIFY(!qEnvironmentVariableIsSet("PORUNA_START_PROBLEM"));
    QTest::qWait(50);
    QVERIFY2(!theScreen<TForm2> && !theScreen<TForm13> && platform.boxes->shown.isEmpty(),
             "nothing before the menu was up");
    if (clickedFirst) {
        whileModal([] { QApplication::activeModalWidget()->close(); });
        Form1->findChild<TCuteButton*>("CuteButton14")->click();
    } else {
        Form1->show();
    }
    QTRY_VERIFY(theScreen<TForm13>);
    QStringList order;
    for (QObject* child : Form1->children())
        if (qobject_cast<ScreenFrame*>(child))
            order << child->objectName();
    QCOMPARE(order.size(), 12);
    QCOMPARE(order.first(), QStringLiteral("Form2"));
    QCOMPARE(platform.media->events.mid(0, 2), QStringList({"open pipo.wav", "open pipo.wav"}));
    QTRY_COMPARE(platform.boxes->shown,
                 launcherProblem.isEmpty() ? QStringList() : QStringList({"error: " + launcherProblem}));
    shutDown();
}

void StartupTest::cuesAtCreationOpenTheDeviceSilently() {
    StartedProgram program;
    QCOMPARE(lessonState().soundsEnabled, 0);
    QCOMPARE(program.platform.media->events, QStringList({"open pipo.wav", "open pipo.wav"}));
    QVERIFY(program.platform.boxes->shown.isEmpty());
}

void StartupTest::startUpCueComesAfterOneSecondAndTheClockShowsOnEveryScreen() {
    StartedProgram program;
    program.platform.clock->at = QDateTime(QDate(2026, 12, 8), QTime(15, 7));
    auto* timer3 = Form1->findChild<QTimer*>("Timer3");
    QVERIFY(timer3->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(lessonState().soundsEnabled, 1, 3000);
    QVERIFY(!timer3->isActive());
    QCOMPARE(program.platform.media->events.mid(2),
             QStringList({"open charararan.wav", "play charararan.wav"}));

    QList<QWidget*> screens{Form1};
    for (ScreenFrame* s : Form1->findChildren<ScreenFrame*>(Qt::FindDirectChildrenOnly))
        screens << s;
    QCOMPARE(screens.size(), 13);
    for (QWidget* screen : screens) {
        auto* bar = screen->findChild<StatusBar*>("StatusBar1");
        QTRY_COMPARE(bar->panelText(1), QStringLiteral("12/08  03:07 PM"));
    }
}

void StartupTest::missingSoundFolderIsReportedOnceForEachScreenThatCuesAtCreation() {
    FakePlatform platform;
    Seam<MediaDevice>::install(nullptr); // the real device, which checks the file first
    lessonState() = LessonState{};
    startUp();
    const QStringList shown = platform.boxes->shown;
    shutDown();
    QCOMPARE(shown.size(), 2);
    for (const QString& report : shown) {
        QVERIFY2(report.startsWith("error: "), qPrintable(report));
        QVERIFY2(report.contains("oto/pipo.wav"), qPrintable(report));
    }
}

void StartupTest::topicButtonOpensItsScreenModally_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    const QStringList screens{"Form2", "Form3", "Form4",  "Form5",  "Form6",  "Form7",
                              "Form8", "Form9", "Form10", "Form11", "Form12", "Form13"};
    for (int i = 0; i < screens.size(); ++i) {
        const QString button = QStringLiteral("CuteButton%1").arg(i + 3);
        QTest::newRow(qPrintable(screens[i])) << button << screens[i];
    }
}

void StartupTest::topicButtonOpensItsScreenModally() {
    QFETCH(QString, button);
    QFETCH(QString, screen);
    StartedProgram program;
    Form1->show();
    bool wasModal = false;
    whileModal([&] {
        auto* lesson = Form1->findChild<ScreenFrame*>(screen);
        wasModal = QApplication::activeModalWidget() == lesson && lesson->isVisible();
        QTest::mouseClick(lesson->findChild<TCuteButton*>("CuteButton2"), Qt::LeftButton);
    });
    QTest::mouseClick(Form1->findChild<TCuteButton*>(button), Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(!Form1->findChild<ScreenFrame*>(screen)->isVisible());
    QVERIFY(!terminationRequested());
}

void StartupTest::quitQuestionFromALessonScreen_data() {
    QTest::addColumn<ConfirmAnswer>("answer");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("presses"); // of おわる, each answered the same
    QTest::addColumn<int>("questions");
    QTest::newRow("はい") << ConfirmAnswer::Yes << true << 1 << 1;
    QTest::newRow("いいえ") << ConfirmAnswer::No << false << 1 << 1;
    QTest::newRow("close box") << ConfirmAnswer::ClosedByBox << true << 1 << 1;
    // A second click still on its way when the program is ending asks nothing more.
    QTest::newRow("おわる again after はい") << ConfirmAnswer::Yes << true << 2 << 1;
    QTest::newRow("おわる again after いいえ") << ConfirmAnswer::No << false << 2 << 2;
}

void StartupTest::quitQuestionFromALessonScreen() {
    QFETCH(ConfirmAnswer, answer);
    QFETCH(bool, ends);
    QFETCH(int, presses);
    QFETCH(int, questions);
    StartedProgram program;
    program.platform.boxes->answers = QList<ConfirmAnswer>(presses, answer);
    Form1->show();
    bool stillOpen = false;
    whileModal([&] {
        auto* lesson = Form1->findChild<ScreenFrame*>("Form3");
        for (int i = 0; i < presses; ++i)
            QTest::mouseClick(lesson->findChild<TCuteButton*>("CuteButton1"), Qt::LeftButton);
        stillOpen = lesson->isVisible();
        if (stillOpen)
            lesson->close();
    });
    QTest::mouseClick(Form1->findChild<TCuteButton*>("CuteButton4"), Qt::LeftButton);
    QCOMPARE(program.platform.boxes->shown, QStringList(questions, "confirm: おわっても いいの？"));
    QCOMPARE(terminationRequested(), ends);
    QCOMPARE(stillOpen, !ends);
}

void StartupTest::closingTheMenuEndsTheProgramWithoutAQuestion() {
    StartedProgram program;
    Form1->show();
    Form1->close();
    QVERIFY(terminationRequested());
    QVERIFY(program.platform.boxes->shown.isEmpty());
}

void StartupTest::helpMenuShowsTheHelpFileAndTheVersion() {
    StartedProgram program;
    helpAction("使い方")->trigger();
    QCOMPARE(program.platform.help->requests, QStringList({lessonState().programFolder + "ポルナ.hlp"}));
    helpAction("バージョン情報")->trigger();
    QCOMPARE(program.platform.boxes->shown, QStringList({"information: ポルナ\r\nVersion 1.2"}));
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
