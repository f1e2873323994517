// What the installed program's launcher could not do reaches the screen.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "core/lesson_state.h"
#include "tests/support/fakes.h"

#include <QTest>

class StartProblemTest : public QObject {
    Q_OBJECT
private slots:
    void theLaunchersProblemIsReportedOnceTheMenuHasPainted();
};

void StartProblemTest::theLaunchersProblemIsReportedOnceTheMenuHasPainted() {
    const QString problem = QStringLiteral("フォルダーが つくれません。\nmkdir: Read-only file system");
    qputenv("PORUNA_START_PROBLEM", problem.toUtf8());
    FakePlatform platform;
    lessonState() = LessonState{};
    startUp(LessonScreens::AfterFirstPaint);
    // Taken at start, so nothing the program starts inherits it.
    QVERIFY(!qEnvironmentVariableIsSet("PORUNA_START_PROBLEM"));
    QTest::qWait(50);
    QVERIFY2(platform.boxes->shown.isEmpty(), "reported before the menu was up");
    Form1->show();
    QTRY_COMPARE(platform.boxes->shown, QStringList({"error: " + problem}));
    QTRY_VERIFY(Form13); // the lesson screens are built all the same
    shutDown();
}

QTEST_MAIN(StartProblemTest)
#include "test_start_problem.moc"
