#pragma once

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "core/lesson_state.h"
#include "tests/support/fakes.h"
#include "tests/support/program.h"
#include "tests/support/screen_promises.h"
#include "tests/support/temp_kyozai.h"
#include "ui/media_player.h"

#include <QStringList>
#include <QWidget>
#include <functional>

// Drives a screen as the child would, through its own controls found by name
// (LabelN, ComboBoxN, CuteButtonN, …), by short action words, so that a table
// can list a whole exchange:
//   open, close           show the screen; its close box
//   back, mode, next, answer, hint        もくじへ and CuteButton3 … 6: the mode
//   start, stop, result   button or スタート, つぎへ, こたえ/ステップ or ストップ,
//                         ポイント or けっか
//   menu <i>, time <i>    pick entry i of ComboBox1, of ComboBox2
//   pick <list> <i>       pick entry i of ComboBox<list>; double-pick: two clicks on it
//   submit                ◆
//   right, wrong          the problem's answer (LessonState's), or it with
//                         another ones digit: its digits above 0 picked, then ◆
//   click <name>          a control by name (also double-click, right-click,
//                         right-double-click); "click at <x>,<y>" a point of the screen
//   key <key>             a key (as QKeySequence names it) to the control with the focus
//   help, version         the menu's ヘルプ → 使い方, バージョン情報
//   draws <a,b,…>         the scripted random source hands these out next
//   wait <n>              n seconds pass on the fake clock
//   tick <n>              n seconds pass, each ticking the countdowns (Timer3)
//                         that run, and then the clocks (Timer1) show the time
//   clock <hh:mm:ss>      the fake clock shows this time of day
// A control out of sight or disabled takes nothing: that is a failure.
class ScreenDriver {
public:
    // Direct: QTest's clicks and keys and the lists' own pick, given to the
    // control itself, as a test drives. WindowSystem: presses and keys through
    // the window system at the control's place, to whatever stands there,
    // delivered at once with nothing in between, as the random child drives.
    enum class Input { Direct, WindowSystem };

    explicit ScreenDriver(QWidget* screen, Input input = Input::Direct) : screen_(screen), input_(input) {}
    virtual ~ScreenDriver() = default;

    void run(const QStringList& actions) const;
    void act(const QString& action) const;

    QWidget* screen() const { return screen_; }
    // A control of the screen's own window by name; nullptr where there is none.
    template <class T = QWidget> T* child(const QString& name) const { return qobject_cast<T*>(own(name)); }
    CaptionLabel* label(int n) const { return child<CaptionLabel>(QStringLiteral("Label%1").arg(n)); }
    CaptionedList* list(int n) const { return child<CaptionedList>(QStringLiteral("ComboBox%1").arg(n)); }
    TCuteButton* button(int n) const { return child<TCuteButton>(QStringLiteral("CuteButton%1").arg(n)); }
    QString caption(int n) const { return label(n) ? label(n)->caption() : QString(); }
    bool enabled(int n) const { return button(n) && button(n)->isEnabled(); }

    // Runs before each action, with it: where a test scripts what the action draws.
    std::function<void(const QString&)> beforeEach;
    // Told what could not be done; fails the running test where not set.
    std::function<void(const QString&)> failed;

protected:
    ScreenDriver() = default;
    QWidget* screen_ = nullptr;

private:
    QWidget* own(const QString& name) const;
    QWidget* usable(const QString& name) const;
    void fail(const QString& what) const;
    void click(QWidget* w, QPoint at, Qt::MouseButton button, bool twice) const;
    void pick(int list, int entry, bool twice = false) const;
    void enterAnswer(const AnswerLists& lists, int value) const;
    void key(int key) const;
    void pass(FixedClock& clock, int seconds, bool ticking) const;

    Input input_ = Input::Direct;
};

// The file names of the cues played so far on the fake device, in order.
QStringList playedCues(const RecordingMediaDevice& media);

// A lesson screen alone, as a fresh program makes it, with the fakes it plays
// through, driven. It is built silent: sound is on once it stands.
template <class Form> class ScreenAlone : public ScreenDriver {
public:
    ScreenAlone() {
        screen_ = &screen;
        lessonState().soundsEnabled = 1;
    }
    QStringList cues() const { return playedCues(*platform.media); }

    FakePlatform platform;
    MediaPlayer player;

private:
    struct FreshState {
        FreshState() { lessonState() = LessonState{}; }
    } fresh_;

public:
    Form screen;
};

// The whole program started on a fresh copy of the tables, one of its
// screens driven.
class ProgramScreen : public ScreenDriver {
public:
    explicit ProgramScreen(const QString& screen);
    QStringList cues() const { return playedCues(*platform.media); }

    TempKyozai folder;
    StartedProgram program;
    FakePlatform& platform = program.platform;
};
