#include "tests/support/random_child.h"

#include "app/confirm_quit.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "core/poruna_error.h"
#include "lessons/drills/drill_screen.h"
#include "lessons/drills/drill_screen_rules.h"
#include "lessons/multiplication/multiplication_screen_texts.h"
#include "tests/support/fakes.h"
#include "tests/support/screen_driver.h"
#include "tests/support/screen_promises.h"
#include "tests/support/seeded_random.h"
#include "tests/support/temp_kyozai.h"
#include "ui/screen_frame.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>

namespace {

const QString quitQuestion = QStringLiteral("おわっても いいの？");
const QString versionText = QStringLiteral("ポルナ\r\nVersion 1.2");

// The screen in front: the open lesson screen, else the menu.
QWidget* frontScreen() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : Form1;
}

QString frontName() {
    QWidget* front = frontScreen();
    return front ? front->objectName() : QStringLiteral("(none)");
}

// Every box the program shows, with the screen it stood over, answered at once.
struct ShownBox {
    QString kind; // confirm, information, error
    QString text;
    QString screen;
};

class ChildBoxes final : public MessageBoxes {
public:
    ConfirmAnswer confirm(const QString& text) override {
        shown << ShownBox{QStringLiteral("confirm"), text, frontName()};
        if (whileOpen)
            whileOpen();
        lastAnswer = answer();
        return lastAnswer;
    }
    void information(const QString& text) override {
        shown << ShownBox{QStringLiteral("information"), text, frontName()};
        if (whileOpen)
            whileOpen();
    }
    void errorReport(const QString& text) override {
        shown << ShownBox{QStringLiteral("error"), text, frontName()};
    }

    std::function<ConfirmAnswer()> answer;
    // Runs while a question or a notice stands open, as the events of its loop would.
    std::function<void()> whileOpen;
    ConfirmAnswer lastAnswer = ConfirmAnswer::No;
    QList<ShownBox> shown;
};

// Opens a cue as the real device does — the file must be there and be a
// WAV — and plays it into nothing.
class CheckedMediaDevice final : public MediaDevice {
public:
    void open(const QString& file) override {
        opened_.clear();
        if (!isWave(file))
            throw PorunaError(QStringLiteral("not a WAV file: ") + file);
        opened_ = file;
    }
    void play() override {}
    MediaMode mode() const override { return opened_.isEmpty() ? MediaMode::NotReady : MediaMode::Stopped; }

private:
    bool isWave(const QString& file) {
        const auto known = checked_.constFind(file);
        if (known != checked_.cend())
            return *known;
        QFile f(file);
        const QByteArray header = f.open(QIODevice::ReadOnly) ? f.read(12) : QByteArray();
        const bool wave = header.size() == 12 && header.startsWith("RIFF") && header.mid(8) == "WAVE";
        checked_.insert(file, wave);
        return wave;
    }

    QString opened_;
    QHash<QString, bool> checked_;
};

template <class Interface> class Installed {
public:
    explicit Installed(Interface* fake) : old_(Seam<Interface>::install(std::unique_ptr<Interface>(fake))) {}
    ~Installed() { Seam<Interface>::install(std::move(old_)); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    std::unique_ptr<Interface> old_;
};

// Holds back the program's own clock, start-up and countdown timers: time
// passes only when the child lets it, so that a seed replays exactly.
class TimerGate final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
};

class ShowWatch final : public QObject {
public:
    std::function<void(QObject*)> shown;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous() && shown)
            shown(watched);
        return false;
    }
};

// The drill problem on screen, made in this showing of the screen.
struct DrillShown {
    int number = 0; // Label3's "もんだい：N"
    OpenEquation problem;
    bool judged = false;
};

QList<QStringList> rowsOfDorill(const QString& file) {
    QList<QStringList> rows;
    for (const QVariantList& row :
         rowsInFile(file, QStringLiteral("select NB, MND, KAI, KOT, HNT from dorill order by rowid"))) {
        QStringList texts;
        for (const QVariant& v : row)
            texts << v.toString();
        rows << texts;
    }
    return rows;
}

QtMessageHandler previousHandler = nullptr;
QStringList* warningsOfTheRun = nullptr;

void recordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // What the offscreen platform cannot do (raise a window, grab the
    // keyboard for a menu) is nothing the program does.
    const bool platformNote = message.startsWith(QLatin1String("This plugin does not support"));
    if (platformNote)
        return;
    if (warningsOfTheRun && type != QtDebugMsg && type != QtInfoMsg)
        *warningsOfTheRun << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

struct RandomChild::Run {
    Run(unsigned s, int n, bool t) : seed(s), total(n), trace(t), rng(s ^ 0x9e3779b9u) {}

    unsigned seed;
    int total;
    bool trace;
    std::mt19937 rng;

    int fired = 0;
    int life = 0;
    int starts = 0;
    int opened = 0;
    int judged = 0;
    int marks = 0;
    int timeOuts = 0;
    bool quitting = false;
    bool finished = false;
    QString failure;
    QStringList trail;
    QStringList warnings;

    ChildBoxes* boxes = new ChildBoxes;
    FixedClock* clock = new FixedClock;
    int boxesChecked = 0;

    QString dorillFile;
    QList<QStringList> rows; // what dorill must hold
    std::optional<DrillShown> drillProblem;
    std::optional<std::pair<ScreenFrame*, int>> awaited;
    QString lastResult; // the result labels of the drill in front, as last seen
    bool drillTouched = false;

    TimerGate gate;
    ShowWatch watch;

    int uniform(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return uniform(100) < percent; }

    void note(const QString& event) {
        const QString line = QStringLiteral("#%1 %2: %3").arg(fired).arg(frontName(), event);
        trail << line;
        if (trail.size() > 14)
            trail.removeFirst();
        if (trace)
            fprintf(stderr, "%s\n", qPrintable(line));
    }

    void fail(const QString& what) {
        if (!failure.isEmpty())
            return;
        failure = QStringLiteral("seed %1, event %2 of %3: %4\nthe last events:\n  %5")
                      .arg(seed)
                      .arg(fired)
                      .arg(total)
                      .arg(what, trail.join(QStringLiteral("\n  ")));
    }

    void post(std::function<void()> call) {
        QMetaObject::invokeMethod(Form1, std::move(call), Qt::QueuedConnection);
    }

    // --- one life of the program ---

    void attach() {
        // The clocks and the countdowns tick only as the child lets time pass.
        for (QTimer* t : Form1->findChildren<QTimer*>())
            if (t->objectName() == QLatin1String("Timer1") || t->objectName() == QLatin1String("Timer3"))
                t->installEventFilter(&gate);
        watch.shown = [this](QObject* screen) {
            ++opened;
            if (qobject_cast<DrillScreen*>(screen)) {
                drillProblem.reset();
                drillTouched = true;
            }
        };
        for (ScreenFrame* screen : Form1->findChildren<ScreenFrame*>())
            screen->installEventFilter(&watch);
        for (ScreenFrame* screen : Form1->findChildren<ScreenFrame*>())
            if (CaptionedList* submit = markedSubmitList(screen))
                QObject::connect(submit, &CaptionedList::changed, screen, [this, screen] { marked(screen); });
        for (DrillScreen* drill : Form1->findChildren<DrillScreen*>()) {
            // Connected after the screen's own handlers, so these see what they did.
            QObject::connect(drill->cuteButton(3), &TCuteButton::clicked, drill,
                             [this, drill] { problemMade(drill, true); });
            QObject::connect(drill->cuteButton(4), &TCuteButton::clicked, drill,
                             [this, drill] { problemMade(drill, false); });
            QObject::connect(drill->comboBox(drill->rules().submitComboBox), &CaptionedList::changed, drill,
                             [this, drill] { submitted(drill); });
        }
    }

    void problemMade(DrillScreen* drill, bool start) {
        drillTouched = true;
        if (start)
            rows.clear();
        drillProblem.reset();
        const QString number = drill->label(3)->caption();
        if (const auto problem = readOpenEquation(drill->label(4)->caption()))
            if (number.startsWith(QStringLiteral("もんだい：")))
                drillProblem = DrillShown{number.mid(5).toInt(), *problem};
    }

    // ◆ on a drill: the problem of this showing is judged once, with what the lists show.
    void submitted(DrillScreen* drill) {
        drillTouched = true;
        if (!drillProblem || drillProblem->judged)
            return;
        int entered = 0;
        for (const DrillDigitSelector& selector : drill->rules().digitSelectors) {
            const int index = drill->comboBox(selector.comboBox)->itemIndex();
            if (index >= 0)
                entered +=
                    selector.place == DigitPlace::TenThousands ? 10000 : index * placeValue(selector.place);
        }
        const int correct = drillProblem->problem.value();
        QStringList problem;
        for (int n : drillProblem->problem.numbers)
            problem << QString::number(n);
        rows << QStringList{QString::number(drillProblem->number),
                            QStringLiteral("\u3000") + problem.join(drillProblem->problem.op),
                            QString::number(correct), QString::number(entered),
                            entered == correct ? QStringLiteral(" ○") : QStringLiteral(" ×")};
        drillProblem->judged = true;
        ++judged;
    }

    // ◆ on a lesson screen: the mark agrees with the digits shown, judged
    // against the answer the problem awaited before the event.
    void marked(ScreenFrame* screen) {
        ++marks;
        if (awaited && awaited->first == screen)
            if (const QString broken = markBroken(screen, awaited->second); !broken.isEmpty())
                fail(screen->objectName() + QStringLiteral(": ") + broken);
    }

    // The answer the screen in front awaits; kept once judged, for a second ◆ on the same problem.
    void rememberAwaited() {
        auto* screen = qobject_cast<ScreenFrame*>(QApplication::activeModalWidget());
        const std::optional<int> answer = screen ? awaitedAnswer(screen) : std::nullopt;
        if (answer)
            awaited = std::make_pair(screen, *answer);
        else if (!screen || !markedSubmitList(screen) || !markedSubmitList(screen)->isVisible())
            awaited.reset();
    }

    void step(int of) {
        // A はい ends the loop once the events already waiting are delivered; this may be one of them.
        if (of != life || terminationRequested())
            return;
        if (!failure.isEmpty()) {
            // Broken during the last event, as a ◆ was judged.
            requestTermination();
            return;
        }
        // A screen just closed: its loop ends once this round of events is
        // delivered. A child's next click comes after that.
        const int loops = QApplication::activeModalWidget() ? 2 : 1;
        if (QThread::currentThread()->loopLevel() > loops) {
            post([this, of] { step(of); });
            return;
        }
        check();
        if (!failure.isEmpty()) {
            requestTermination();
            return;
        }
        if (fired >= total) {
            finish(of);
            return;
        }
        post([this, of] { step(of); });
        ++fired;
        fireEvent();
    }

    void finish(int of) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            perform(popup, QStringLiteral("key Esc"), QStringLiteral("on the menu"));
            post([this, of] { finish(of); });
            return;
        }
        QWidget* front = frontScreen();
        TCuteButton* quit = buttonOf(front, front == Form1 ? 2 : 1);
        if (!quit || !quit->isVisible() || !quit->isEnabled()) {
            fail(QStringLiteral("no おわる to press"));
            requestTermination();
            return;
        }
        quitting = true;
        post([this, of] {
            if (of != life || terminationRequested())
                return;
            fail(QStringLiteral("おわる and はい did not end the program"));
            requestTermination();
        });
        perform(front, QStringLiteral("click ") + quit->objectName(), QStringLiteral("おわる, はい"));
    }

    void ended(int status) {
        if (!failure.isEmpty())
            return;
        check();
        const bool askedLast =
            !boxes->shown.isEmpty() && boxes->shown.last().kind == QLatin1String("confirm");
        if (!askedLast || boxes->lastAnswer == ConfirmAnswer::No || !terminationRequested())
            fail(QStringLiteral("the program ended without a はい to the quit question"));
        else if (status != 0)
            fail(QStringLiteral("the program ended with status %1").arg(status));
        drillTouched = true;
        drillProblem.reset();
        awaited.reset();
        checkRows();
        finished = fired >= total && quitting;
    }

    // --- the promises ---

    void check() {
        checkBoxes();
        if (!warnings.isEmpty())
            fail(QStringLiteral("Qt warned: ") + warnings.first());
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !qobject_cast<ScreenFrame*>(modal))
            fail(QStringLiteral("an unexpected window in front: %1 %2")
                     .arg(QLatin1String(modal->metaObject()->className()), modal->objectName()));
        int visibleScreens = 0;
        for (ScreenFrame* screen : Form1->findChildren<ScreenFrame*>(Qt::FindDirectChildrenOnly))
            visibleScreens += screen->isVisible() ? 1 : 0;
        if (visibleScreens > (modal ? 1 : 0))
            fail(QStringLiteral("%1 lesson screens are showing").arg(visibleScreens));
        if (auto* screen = qobject_cast<ScreenFrame*>(modal))
            if (const QString broken = brokenPromise(screen); !broken.isEmpty())
                fail(screen->objectName() + QStringLiteral(": ") + broken);
        if (drillTouched)
            checkRows();
        if (auto* drill = qobject_cast<DrillScreen*>(modal))
            checkResult(drill);
        rememberAwaited();
    }

    // A result, when it is shown, counts the run whose rows dorill holds.
    void checkResult(DrillScreen* drill) {
        const QString result = drill->label(5)->caption() + u'|' + drill->label(6)->caption();
        if (result == lastResult)
            return;
        lastResult = result;
        if (drill->label(5)->caption().isEmpty())
            return;
        const int problems = drill->label(5)->caption().section(u' ', -1).toInt();
        const int right = drill->label(6)->caption().section(u' ', -1).toInt();
        const auto marks = std::count_if(rows.cbegin(), rows.cend(), [](const QStringList& row) {
            return row.value(4) == QStringLiteral(" ○");
        });
        if (right != marks || problems < rows.size())
            fail(QStringLiteral("%1: the result counts %2 right of %3, the run's rows %4 right of %5")
                     .arg(drill->objectName())
                     .arg(right)
                     .arg(problems)
                     .arg(marks)
                     .arg(rows.size()));
    }

    bool legitimate(const ShownBox& box) const {
        if (box.kind == QLatin1String("confirm"))
            return box.text == quitQuestion;
        if (box.kind != QLatin1String("information"))
            return false;
        if (box.screen == QLatin1String("Form1"))
            return box.text == versionText;
        if (box.screen == QLatin1String("Form12"))
            return box.text == multiplicationScreen::noTestMessage;
        const auto* drill = Form1->findChild<DrillScreen*>(box.screen);
        return drill && box.text == drill->rules().timeOutMessage;
    }

    void checkBoxes() {
        for (; boxesChecked < boxes->shown.size(); ++boxesChecked) {
            const ShownBox& box = boxes->shown.at(boxesChecked);
            const auto* drill = Form1->findChild<DrillScreen*>(box.screen);
            if (drill && box.text == drill->rules().timeOutMessage)
                ++timeOuts;
            if (!legitimate(box))
                fail(QStringLiteral("%1 box on %2: %3").arg(box.kind, box.screen, box.text));
        }
    }

    void checkRows() {
        drillTouched = false;
        const QList<QStringList> inFile = rowsOfDorill(dorillFile);
        if (inFile == rows)
            return;
        int i = 0;
        while (i < inFile.size() && i < rows.size() && inFile[i] == rows[i])
            ++i;
        fail(QStringLiteral("dorill holds %1 rows, the judged answers of the run are %2; row %3 is [%4], "
                            "the answer was [%5]")
                 .arg(inFile.size())
                 .arg(rows.size())
                 .arg(i + 1)
                 .arg(inFile.value(i).join(u'|'), rows.value(i).join(u'|')));
    }

    // --- the child's events ---

    // One event, in the driver's words, noted first: what the child does to
    // the screen `on`, through the window system.
    void perform(QWidget* on, const QString& action, const QString& about = {}) {
        note(about.isEmpty() ? action : action + QStringLiteral(" (") + about + u')');
        ScreenDriver driver(on, ScreenDriver::Input::WindowSystem);
        driver.failed = [this](const QString& what) { fail(what); };
        driver.act(action);
    }

    static TCuteButton* buttonOf(QWidget* front, int number) {
        for (TCuteButton* b : front->findChildren<TCuteButton*>(QStringLiteral("CuteButton%1").arg(number)))
            if (b->window() == front)
                return b;
        return nullptr;
    }

    template <class W> static QList<W*> usableOn(QWidget* front) {
        QList<W*> found;
        for (W* w : front->findChildren<W*>())
            if (w->window() == front && w->isVisible() && w->isEnabled())
                found << w;
        return found;
    }

    void fireEvent() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popupEvent(popup);
            return;
        }
        QWidget* front = frontScreen();
        const int roll = uniform(1000);
        bool done = false;
        if (roll < 260)
            done = clickButton(front, false);
        else if (roll < 530)
            done = pickEntry(front, false);
        else if (roll < 570)
            done = pickEntry(front, true);
        else if (roll < 590)
            done = clickButton(front, true);
        else if (roll < 720)
            done = pressKey(front);
        else if (roll < 760)
            done = clickAnywhere(front);
        else if (roll < 820)
            done = passTime();
        else if (roll < 835)
            done = leave(front, 2); // もくじへ
        else if (roll < 847)
            done = leave(front, 1); // おわる
        else if (roll < 852)
            done = closeBox(front);
        else if (roll < 865)
            done = openHelpMenu(front);
        else
            done = answerRight(front);
        if (!done && !pickEntry(front, false) && !clickButton(front, false))
            clickAnywhere(front);
    }

    // おわる and もくじへ; on the menu おわる is CuteButton2, and its topic buttons are no way out.
    static bool leaves(QWidget* front, const TCuteButton* b) {
        const QString name = b->objectName();
        if (front == Form1)
            return name == QLatin1String("CuteButton2");
        return name == QLatin1String("CuteButton1") || name == QLatin1String("CuteButton2");
    }

    bool clickButton(QWidget* front, bool twice) {
        QList<TCuteButton*> buttons;
        for (TCuteButton* b : usableOn<TCuteButton>(front))
            if (!leaves(front, b))
                buttons << b;
        if (buttons.isEmpty())
            return false;
        press(buttons[uniform(int(buttons.size()))], twice);
        return true;
    }

    bool leave(QWidget* front, int button) {
        const int number = front == Form1 ? (button == 1 ? 2 : 0) : button;
        TCuteButton* b = number ? buttonOf(front, number) : nullptr;
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        press(b, chance(5));
        return true;
    }

    void press(TCuteButton* b, bool twice) {
        const QString mouse = chance(4) ? QStringLiteral("right-") : QString();
        perform(b->window(),
                mouse + (twice ? QStringLiteral("double-click ") : QStringLiteral("click ")) +
                    b->objectName(),
                b->caption());
    }

    bool pickEntry(QWidget* front, bool twice) {
        const QList<CaptionedList*> lists = usableOn<CaptionedList>(front);
        if (lists.isEmpty())
            return false;
        CaptionedList* list = lists[uniform(int(lists.size()))];
        const int rows = list->model()->rowCount();
        if (rows == 0)
            return false;
        const int row = uniform(rows);
        const QRect entry = list->visualRect(list->model()->index(row, 0));
        if (!entry.intersects(list->viewport()->rect()))
            return false;
        perform(front,
                QStringLiteral("%1 %2 %3")
                    .arg(twice ? QStringLiteral("double-pick") : QStringLiteral("pick"),
                         list->objectName().mid(8), QString::number(row)),
                list->items().value(row));
        return true;
    }

    bool pressKey(QWidget* front) {
        static const QList<Qt::Key> keys{Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Home,   Qt::Key_End,
                                         Qt::Key_PageUp, Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Space,
                                         Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Left,
                                         Qt::Key_Right,  Qt::Key_A};
        QWidget* focus = front->focusWidget();
        const QString at = QStringLiteral("on ") + (focus ? focus->objectName() : QStringLiteral("no focus"));
        if (chance(45))
            perform(front, QStringLiteral("key %1").arg(uniform(10)), at);
        else
            perform(front, QStringLiteral("key ") + QKeySequence(keys[uniform(int(keys.size()))]).toString(),
                    at);
        return true;
    }

    bool clickAnywhere(QWidget* front) {
        const QPoint at(uniform(front->width()), uniform(front->height()));
        const bool twice = chance(10);
        perform(front, QStringLiteral("%1 at %2,%3")
                           .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"))
                           .arg(at.x())
                           .arg(at.y()));
        return true;
    }

    bool passTime() {
        // A child in a timed drill may well let its five minutes run out.
        const auto* drill = qobject_cast<DrillScreen*>(QApplication::activeModalWidget());
        const QTimer* countdown = drill ? drill->findChild<QTimer*>(QStringLiteral("Timer3")) : nullptr;
        const int roll = uniform(100);
        const int longWait = countdown && countdown->isActive() ? 60 : 90;
        passSeconds(roll < 60 ? 1 + uniform(3) : roll < longWait ? 5 + uniform(56) : 300);
        return true;
    }

    // On every screen: the clock moves on, the countdowns and the clocks tick.
    void passSeconds(int seconds, const QString& about = {}) {
        perform(Form1, QStringLiteral("tick %1").arg(seconds), about);
    }

    bool closeBox(QWidget* front) {
        if (front == Form1)
            return false; // the menu's close box ends the program without a question
        perform(front, QStringLiteral("close"));
        return true;
    }

    // A click at a point of a widget of the front window, or of a pop-up menu.
    void clickOn(QWidget* w, QPoint at, const QString& about) {
        const QPoint p = w->mapTo(w->window(), at);
        perform(w->window(), QStringLiteral("click at %1,%2").arg(p.x()).arg(p.y()), about);
    }

    bool openHelpMenu(QWidget* front) {
        if (front != Form1)
            return false;
        QMenuBar* bar = Form1->menuBar();
        const QList<QAction*> menus = bar->actions();
        if (menus.isEmpty())
            return false;
        clickOn(bar, bar->actionGeometry(menus.first()).center(), menus.first()->text());
        return true;
    }

    void popupEvent(QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        const int roll = uniform(100);
        if (menu && roll < 70) {
            const QList<QAction*> actions = menu->actions();
            QAction* a = actions[uniform(int(actions.size()))];
            clickOn(menu, menu->actionGeometry(a).center(), a->text());
        } else if (roll < 85) {
            perform(popup, QStringLiteral("key Esc"), QStringLiteral("on the menu"));
        } else {
            const QPoint at(uniform(Form1->width()), uniform(Form1->height()));
            clickOn(Form1, at, QStringLiteral("beside the menu"));
        }
    }

    bool answerRight(QWidget* front) {
        auto* screen = qobject_cast<ScreenFrame*>(front);
        const std::optional<RightAnswer> answer = screen ? rightAnswer(screen) : std::nullopt;
        if (!answer)
            return false;
        for (const auto& [list, entry] : answer->picks)
            perform(front, QStringLiteral("pick %1 %2").arg(list->objectName().mid(8)).arg(entry),
                    QStringLiteral("the right answer"));
        if (answer->submit)
            perform(front, QStringLiteral("pick %1 0").arg(answer->submit->objectName().mid(8)),
                    QStringLiteral("◆"));
        return true;
    }
};

RandomChild::RandomChild(unsigned seed, int events, bool trace)
    : d_(std::make_unique<Run>(seed, events, trace)) {}

RandomChild::~RandomChild() = default;

QString RandomChild::summary() const {
    const Run& r = *d_;
    return QStringLiteral(
               "%1 starts, %2 lesson screens opened, %3 drill answers, %4 marks on lesson screens, "
               "%5 time-outs")
        .arg(r.starts)
        .arg(r.opened)
        .arg(r.judged)
        .arg(r.marks)
        .arg(r.timeOuts);
}

QString RandomChild::run() {
    Run& r = *d_;
    TempKyozai kyozai;
    r.dorillFile = kyozai.kyozai(QStringLiteral("dorill.db"));
    r.rows = rowsOfDorill(r.dorillFile);
    r.clock->at = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
    // The child takes a while to read a box now and then; a drill's five
    // minutes may run out meanwhile.
    r.boxes->whileOpen = [&r] {
        if (!r.quitting && r.chance(15)) {
            r.passSeconds(r.chance(30) ? 300 : 1 + r.uniform(20), QStringLiteral("with the box open"));
        }
    };
    r.boxes->answer = [&r] {
        if (r.quitting)
            return ConfirmAnswer::Yes;
        const int roll = r.uniform(100);
        return roll < 92 ? ConfirmAnswer::No : roll < 96 ? ConfirmAnswer::Yes : ConfirmAnswer::ClosedByBox;
    };
    Installed<RandomSource> random(new SeededRandom(r.seed));
    Installed<Clock> clock(r.clock);
    Installed<MediaDevice> media(new CheckedMediaDevice);
    Installed<HelpViewer> help(new RecordingHelpViewer);
    Installed<MessageBoxes> boxes(r.boxes);
    warningsOfTheRun = &r.warnings;
    previousHandler = qInstallMessageHandler(recordWarning);

    while (r.failure.isEmpty() && !r.finished) {
        lessonState() = LessonState{};
        startUp();
        ++r.starts;
        const int life = ++r.life;
        r.attach();
        r.post([&r, life] { r.step(life); });
        const int status = runProgram();
        r.ended(status);
        shutDown();
    }

    qInstallMessageHandler(previousHandler);
    warningsOfTheRun = nullptr;
    return r.failure;
}
