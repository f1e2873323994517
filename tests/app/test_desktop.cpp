// Whatever the family's desktop: the windows stand in the middle of a large
// screen and wholly inside a small one, and a dark desktop theme changes none
// of the screens' colours.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "controls/status_bar.h"
#include "tests/support/program.h"
#include "ui/screen_frame.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsCentredOnItsScreen_data();
    void everyWindowIsCentredOnItsScreen();
    void everyWindowFitsTheScreen_data();
    void everyWindowFitsTheScreen();
    void aDarkThemeLeavesTheScreensColours();
};

// The child: does every window, frame and all, fit the free area, and does
// every control it shows on opening stand wholly inside it?
static int showEveryWindow(int argc, char** argv) {
    fitProgramToScreen(argc, argv);
    QApplication application(argc, argv);
    StartedProgram program;
    QList<QWidget*> windows{Form1};
    for (ScreenFrame* screen : Form1->findChildren<ScreenFrame*>())
        windows << screen;
    int faults = 0;
    for (QWidget* window : windows) {
        window->show();
        const QRect free = window->screen()->availableGeometry();
        if (!free.contains(window->frameGeometry())) {
            qInfo() << window->objectName() << window->frameGeometry() << "outside" << free;
            ++faults;
        }
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const QRect inWindow(control->mapTo(window, QPoint()), control->size());
            if (control->isVisibleTo(window) && !window->rect().contains(inWindow)) {
                qInfo() << window->objectName() << control->objectName() << inWindow << "cut off";
                ++faults;
            }
        }
        window->hide();
    }
    return faults == 0 ? 0 : 1;
}

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
        auto* lesson = Form1->findChild<ScreenFrame*>(screen);
        QTimer::singleShot(0, [&] { measure(lesson); });
        lesson->exec();
    }
    QVERIFY2((centre - free.center()).manhattanLength() <= 1,
             qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
}

// Screens by their free area (the desktop less its panels) in logical pixels.
void DesktopTest::everyWindowFitsTheScreen_data() {
    QTest::addColumn<QSize>("free");
    QTest::addColumn<qreal>("ratio");
    // 1920 × 1080 at 150 %: Qt shrinks the windows.
    QTest::newRow("1280x720 at 150 %") << QSize(1280, 720) << 1.5;
    // 1366 × 768 less a 50-pixel panel at 100 %: the program zooms itself.
    QTest::newRow("1366x718 at 100 %") << QSize(1366, 718) << 1.0;
    // Both at once.
    QTest::newRow("1093x574 at 125 %") << QSize(1093, 574) << 1.25;
    QTest::newRow("1280x1024 at 100 %") << QSize(1280, 1024) << 1.0;
}

void DesktopTest::everyWindowFitsTheScreen() {
    QFETCH(QSize, free);
    QFETCH(qreal, ratio);
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/screens-XXXXXX.json"));
    QVERIFY(screens.open());
    screens.write(QStringLiteral(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":%1,"height":%2,)"
                                 R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":%3}]})")
                      .arg(free.width())
                      .arg(free.height())
                      .arg(ratio)
                      .toUtf8());
    screens.flush();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + screens.fileName());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--show-every-window")});
    QVERIFY(child.waitForFinished(60000));
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
    auto* form3 = Form1->findChild<ScreenFrame*>("Form3");
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
    if (argc == 2 && QByteArray(argv[1]) == "--show-every-window")
        endProcess(showEveryWindow(argc, argv));
    // A 1280 × 1024 screen, larger than the windows, so centring can be seen.
    QTemporaryFile screens;
    screens.open();
    screens.write(R"({"screens":[{"name":"desk","x":0,"y":0,"width":1280,"height":1024,)"
                  R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
