// Whatever the family's desktop: the windows stand in the middle of a large
// screen and wholly inside a small one, and a dark desktop theme changes none
// of the screens' colours.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/cute_button.h"
#include "controls/status_bar.h"
#include "tests/support/program.h"
#include "ui/lesson_screen.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <cstdio>

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsCentredOnItsScreen_data();
    void everyWindowIsCentredOnItsScreen();
    void everyWindowFitsASmallScreen_data();
    void everyWindowFitsASmallScreen();
    void aDarkThemeLeavesTheScreensColours();
};

namespace {

// A screen for Qt's offscreen platform: its size in Qt's pixels, and how many of the screen's own make one.
QByteArray screenConfig(int width, int height, qreal dpr) {
    return QStringLiteral(R"({"screens":[{"name":"desk","x":0,"y":0,"width":%1,"height":%2,)"
                          R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":%3}]})")
        .arg(width)
        .arg(height)
        .arg(dpr)
        .toUtf8();
}

// In a child process started as the program starts, on the screen its
// platform describes: shows one window and says where its frame stands in the
// screen's free area.
int showOnThisScreen(int argc, char** argv, const QString& screen) {
    fitProgramToScreen(argc, argv);
    QApplication application(argc, argv);
    StartedProgram program;
    QWidget* window = Form1;
    if (screen != QLatin1String("Form1"))
        window = Form1->findChild<LessonScreen*>(screen);
    window->show();
    const QRect free = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    std::printf("frame %d,%d %dx%d in %d,%d %dx%d\n", frame.x(), frame.y(), frame.width(), frame.height(),
                free.x(), free.y(), free.width(), free.height());
    window->hide();
    return free.contains(frame) ? 0 : 1;
}

} // namespace

void DesktopTest::everyWindowIsCentredOnItsScreen_data() {
    QTest::addColumn<QString>("screen");
    for (const char* name : {"Form1", "Form2", "Form7", "Form9", "Form13"})
        QTest::newRow(name) << name;
}

void DesktopTest::everyWindowIsCentredOnItsScreen() {
    QFETCH(QString, screen);
    StartedProgram program;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(free.size(), QSize(1280, 1024));
    QPoint centre;
    auto measure = [&](QWidget* window) {
        centre = window->frameGeometry().center();
        window->close();
    };
    if (screen == "Form1") {
        Form1->show();
        measure(Form1);
    } else {
        auto* lesson = Form1->findChild<LessonScreen*>(screen);
        QTimer::singleShot(0, [&] { measure(lesson); });
        lesson->exec();
    }
    QVERIFY2((centre - free.center()).manhattanLength() <= 1,
             qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
}

void DesktopTest::everyWindowFitsASmallScreen_data() {
    QTest::addColumn<QString>("screen");
    QTest::newRow("menu") << "Form1";
    QTest::newRow("the tallest, Form9") << "Form9";
}

// A 1920 × 1080 laptop at 150 % leaves 1280 × 720 of room, less than the
// tallest window with its title bar.
void DesktopTest::everyWindowFitsASmallScreen() {
    QFETCH(QString, screen);
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/screens-XXXXXX.json"));
    QVERIFY(config.open());
    config.write(screenConfig(1280, 720, 1.5));
    config.flush();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config.fileName());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--show-on-this-screen"), screen});
    QVERIFY(child.waitForFinished(30000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAll().constData());
}

void DesktopTest::aDarkThemeLeavesTheScreensColours() {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    QApplication::setPalette(dark);
    StartedProgram program;
    auto* form3 = Form1->findChild<LessonScreen*>("Form3");
    form3->show();
    auto* memo = form3->findChild<QPlainTextEdit*>("Memo1");
    memo->show();
    const QImage hint = memo->viewport()->grab().toImage();
    QCOMPARE(QColor(hint.pixel(hint.width() - 3, hint.height() - 3)), QColor(Qt::white));
    QCOMPARE(memo->palette().color(QPalette::Text), look::navy);
    auto* bar = form3->findChild<StatusBar*>("StatusBar1");
    QCOMPARE(bar->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(QApplication::palette().color(QPalette::Window).lightness() > 200, true);
    form3->hide();
}

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--show-on-this-screen")
        endProcess(showOnThisScreen(argc, argv, QString::fromLocal8Bit(argv[2])));
    // A 1280 × 1024 screen, larger than the windows, so centring can be seen.
    QTemporaryFile screens;
    screens.open();
    screens.write(screenConfig(1280, 1024, 1));
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
