#include "app/startup.h"

#include "app/application_info.h"
#include "app/confirm_quit.h"
#include "app/menu_screen.h"
#include "app/screen_table.h"
#include "app/screens.h"
#include "controls/control_accessibility.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/error_report.h"
#include "core/poruna_error.h"
#include "data/data_module.h"
#include "ui/screen_frame.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

TDataModule1* DataModule1 = nullptr;
TForm1* Form1 = nullptr;

namespace {

// Runs a handler once the menu has painted for the first time, in the next
// turn of the event loop, after the paint has reached the screen.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* menu, std::function<void()> handler)
        : QObject(menu), handler_(std::move(handler)) {
        menu->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, [handler = handler_] { runGuarded(handler); });
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

// Qt fixes its scale factor when the application object is made, and only an
// application object can see the screens: a short-lived one looks first. Qt
// multiplies the screen's own factor by this one and draws text and lines at
// the screen's resolution, so the smaller windows stay crisp. Qt's painter
// draws nothing smaller than a screen pixel, though: under a total factor
// below 1 the windows would shrink and their contents not, so the program
// shrinks by Qt only as far as a screen that Qt enlarges allows, and draws
// itself smaller for the rest.
void fitProgramToScreen(int argc, char** argv) {
    qreal fit = 1;
    qreal scale = 1;
    {
        // The probe takes the arguments Qt knows out of the list; the application needs them still.
        std::vector<char*> arguments(argv, argv + argc);
        int count = argc;
        QGuiApplication probe(count, arguments.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            fit = scaleToFit(screen->availableGeometry().size());
            scale = std::max(fit, 1 / screen->devicePixelRatio());
        }
    }
    // What Qt cannot take off, the program's own zoom does.
    zoom::setFactor(fit / scale);
    if (scale < 1) {
        const qreal asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        qputenv("QT_SCALE_FACTOR", QByteArray::number((asked > 0 ? asked : 1.0) * scale));
    }
}

void startUp(LessonScreens when) {
    QCoreApplication::setApplicationName(QStringLiteral("ポルナ"));
    setApplicationIdentity();
    look::installFontSubstitutions();
    look::applyApplicationLook();
    installControlAccessibility();
    // Every screen asks for the rounded gothic; as the application's font it
    // also serves menus and message boxes, and no second family is loaded.
    QApplication::setFont(look::rounded(19));
    clearTerminationRequest();

    // The grids of the lesson screens bind to the data module's sources, so it comes first.
    DataModule1 = new TDataModule1;
    Form1 = new TForm1;
    if (when == LessonScreens::AtOnce)
        buildLessonScreens();
    else
        new AfterFirstPaint(Form1, buildLessonScreens);
    // Said over the menu, in the standard error report.
    if (const QString problem = takeStartProblem(); !problem.isEmpty())
        new AfterFirstPaint(Form1, [problem] { throw PorunaError(problem); });
}

void buildLessonScreens() {
    const std::span<const ScreenRow> rows = screenRows();
    if (rows.front().screen())
        return;
    for (const ScreenRow& row : rows) {
        ScreenFrame* screen = row.make(*DataModule1, Form1);
        QObject::connect(screen, &ScreenFrame::quitRequested, Form1, [] { ConfirmQuit(); });
    }
}

int runProgram() {
    Form1->show();
    return QApplication::exec();
}

void shutDown() {
    auto destroy = [](auto*& screen) {
        delete screen;
        screen = nullptr;
    };
    const std::span<const ScreenRow> rows = screenRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        row->destroy();
    destroy(Form1);
    destroy(DataModule1);
}

// Qt Multimedia keeps its sound-server connection in a library static that
// the runtime destroys after main; that teardown races the connection's own
// thread and now and then aborts the process on its way out, after a quit the
// child answered はい to. By now every screen, table and file is closed, so
// nothing is left for the statics to do.
void endProcess(int status) {
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check(); // what the runtime's own exit would have checked
#endif
    std::_Exit(status);
}
