#include "tests/support/screen_driver.h"

#include "app/menu_screen.h"
#include "app/screens.h"
#include "core/seam.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// The window system's clock for the child's input, in milliseconds.
unsigned long inputTime = 0;

// The text a key types, as a keyboard sends it.
QString keyText(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return QString(QChar(key).toLower());
    if (key == Qt::Key_Space)
        return QStringLiteral(" ");
    return key == Qt::Key_Return || key == Qt::Key_Enter ? QStringLiteral("\r") : QString();
}

// The fake a seam holds; nullptr where it holds another.
template <class Fake, class Interface> Fake* installed() {
    return dynamic_cast<Fake*>(&Seam<Interface>::get());
}

int buttonOf(const QString& word) {
    static const QHash<QString, int> buttons{
        {QStringLiteral("back"), 2}, {QStringLiteral("mode"), 3},   {QStringLiteral("start"), 3},
        {QStringLiteral("next"), 4}, {QStringLiteral("answer"), 5}, {QStringLiteral("stop"), 5},
        {QStringLiteral("hint"), 6}, {QStringLiteral("result"), 6},
    };
    return buttons.value(word);
}

} // namespace

void ScreenDriver::run(const QStringList& actions) const {
    for (const QString& action : actions)
        act(action);
}

void ScreenDriver::act(const QString& action) const {
    if (beforeEach)
        beforeEach(action);
    const QString word = action.section(u' ', 0, 0);
    const QString arg = action.section(u' ', 1);
    const auto lists = answerListsOf(screen_->objectName());
    if (word == "open") {
        screen_->show();
    } else if (word == "close") {
        input_ == Input::WindowSystem ? screen_->windowHandle()->close() : screen_->close();
    } else if (const int number = buttonOf(word)) {
        if (QWidget* b = usable(QStringLiteral("CuteButton%1").arg(number)))
            click(b, b->rect().center(), Qt::LeftButton, false);
    } else if (word == "menu" || word == "time") {
        pick(word == "menu" ? 1 : 2, arg.toInt());
    } else if (word == "pick" || word == "double-pick") {
        pick(arg.section(u' ', 0, 0).toInt(), arg.section(u' ', 1).toInt(), word != "pick");
    } else if (word == "submit") {
        pick(lists ? lists->submit : 0, 0);
    } else if ((word == "right" || word == "wrong") && lists) {
        const int value = lessonState().correctAnswer;
        enterAnswer(*lists, word == "right" ? value : value + (value % 10 == 9 ? -1 : 1));
    } else if (word.endsWith("click")) {
        const Qt::MouseButton button = word.startsWith("right") ? Qt::RightButton : Qt::LeftButton;
        const QStringList xy = arg.mid(3).split(u',');
        if (arg.startsWith("at "))
            click(screen_, QPoint(xy.value(0).toInt(), xy.value(1).toInt()), button, word.contains("double"));
        else if (QWidget* w = usable(arg))
            click(w, w->rect().center(), button, word.contains("double"));
    } else if (word == "key") {
        key(QKeySequence::fromString(arg)[0].key());
    } else if (word == "help" || word == "version") {
        for (QAction* a : screen_->findChildren<QAction*>())
            if (a->text() == (word == "help" ? "使い方" : "バージョン情報"))
                a->trigger();
    } else if (auto* random = installed<ScriptedRandom, RandomSource>(); word == "draws" && random) {
        for (const QString& d : arg.split(u','))
            random->script({d.toInt()});
    } else if (auto* clock = installed<FixedClock, Clock>(); (word == "wait" || word == "tick") && clock) {
        pass(*clock, arg.toInt(), word == "tick");
    } else if (word == "clock" && clock) {
        clock->at.setTime(QTime::fromString(arg, "hh:mm:ss"));
    } else {
        fail(QStringLiteral("cannot do here: ") + action);
    }
}

QWidget* ScreenDriver::own(const QString& name) const {
    for (QWidget* w : screen_->findChildren<QWidget*>(name))
        if (w->window() == screen_->window())
            return w;
    return nullptr;
}

// Only what the child can reach.
QWidget* ScreenDriver::usable(const QString& name) const {
    QWidget* w = own(name);
    if (!w || !w->isVisible() || !w->isEnabled()) {
        fail(QStringLiteral("%1 of %2 cannot be used now").arg(name, screen_->objectName()));
        return nullptr;
    }
    return w;
}

void ScreenDriver::fail(const QString& what) const {
    if (failed)
        failed(what);
    else
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}

void ScreenDriver::click(QWidget* w, QPoint at, Qt::MouseButton button, bool twice) const {
    if (input_ == Input::Direct) {
        if (!twice) {
            QTest::mouseClick(w, button, {}, at);
            return;
        }
        // As a mouse sends two clicks in a row.
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, w->mapToGlobal(at), button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
            QApplication::sendEvent(w, &event);
        }
        return;
    }
    // Straight into the GUI's window system events, one after the other, with
    // nothing else delivered in between (QTest's own helpers run the event loop
    // after each). A second press soon after the first, at the same point, is
    // a double click.
    QWidget* top = w->window();
    QWindow* window = top->windowHandle();
    const QPointF local = w->mapTo(top, at);
    const QPointF global = window->mapToGlobal(local);
    for (int press = 0; press < (twice ? 2 : 1); ++press) {
        qt_handleMouseEvent(window, local, global, button, button, QEvent::MouseButtonPress, Qt::NoModifier,
                            int(inputTime += 10));
        qt_handleMouseEvent(window, local, global, Qt::NoButton, button, QEvent::MouseButtonRelease,
                            Qt::NoModifier, int(inputTime += 10));
    }
    inputTime += 5000; // the next click is a click of its own
}

void ScreenDriver::pick(int number, int entry, bool twice) const {
    auto* l = qobject_cast<CaptionedList*>(usable(QStringLiteral("ComboBox%1").arg(number)));
    if (!l)
        return;
    if (input_ == Input::Direct && !twice)
        l->pick(entry);
    else
        click(l->viewport(), l->visualRect(l->model()->index(entry, 0)).center(), Qt::LeftButton, twice);
}

// The digits of the value above 0, each in the list of its place, then ◆.
void ScreenDriver::enterAnswer(const AnswerLists& lists, int value) const {
    for (const ListPlace& l : lists.digits) {
        if (l.place == 10000 && value >= 10000)
            pick(l.comboBox, 0);
        else if (const int digit = value / l.place % 10; l.place < 10000 && digit > 0)
            pick(l.comboBox, digit);
    }
    pick(lists.submit, 0);
}

void ScreenDriver::key(int key) const {
    if (input_ == Input::Direct) {
        QTest::keyClick(screen_->focusWidget() ? screen_->focusWidget() : screen_, Qt::Key(key));
        return;
    }
    QWindow* window = screen_->windowHandle();
    qt_handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, keyText(key));
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, keyText(key));
}

// Each second the clock moves on and the countdowns tick; then the clocks show the time.
void ScreenDriver::pass(FixedClock& clock, int seconds, bool ticking) const {
    auto running = [this](const char* name) {
        QList<QPointer<QTimer>> timers;
        for (QTimer* t : screen_->findChildren<QTimer*>(QLatin1String(name)))
            timers << t;
        return timers;
    };
    const QList<QPointer<QTimer>> countdowns = ticking ? running("Timer3") : QList<QPointer<QTimer>>{};
    for (int s = 0; s < seconds; ++s) {
        clock.at = clock.at.addSecs(1);
        for (const QPointer<QTimer>& t : countdowns)
            if (t && t->isActive())
                QMetaObject::invokeMethod(t, "timeout");
    }
    if (ticking)
        for (const QPointer<QTimer>& t : running("Timer1"))
            if (t && t->isActive())
                QMetaObject::invokeMethod(t, "timeout");
}

QStringList playedCues(const RecordingMediaDevice& media) {
    QStringList played;
    for (const QString& event : media.events)
        if (event.startsWith(QLatin1String("play ")))
            played << event.mid(5);
    return played;
}

ProgramScreen::ProgramScreen(const QString& screen) {
    screen_ = Form1->findChild<QWidget*>(screen);
    lessonState().soundsEnabled = 1;
}
