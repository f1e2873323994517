#pragma once

#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "tests/support/fakes.h"
#include "ui/lesson_screen.h"

#include <QStringList>
#include <QTest>

// Drives a lesson screen through its controls, as the child would, by short
// action words so a test table can list a whole exchange:
//   "menu <entry>"            pick a menu entry (0-based)
//   "mode", "next", "answer", "hint", "back"   click the mode button, つぎへ,
//                             こたえ/ステップ, ポイント, もくじへ
//   "open"                    show the screen
//   "pick <list> <entry>"     pick an entry of ComboBox<list>
class LessonDriver {
public:
    explicit LessonDriver(LessonScreen* screen) : screen_(screen) {}

    void run(const QStringList& actions) const {
        for (const QString& action : actions)
            act(action);
    }

    void act(const QString& action) const {
        const QStringList w = action.split(u' ');
        if (w[0] == QLatin1String("menu"))
            pick(screen_->comboBox(1), w.value(1).toInt());
        else if (w[0] == QLatin1String("pick"))
            pick(screen_->comboBox(w.value(1).toInt()), w.value(2).toInt());
        else if (w[0] == QLatin1String("open"))
            screen_->show();
        else if (const int button = buttonFor(w[0]); button > 0)
            QTest::mouseClick(screen_->cuteButton(button), Qt::LeftButton);
        else
            QTest::qFail(qPrintable(QStringLiteral("unknown action: ") + action), __FILE__, __LINE__);
    }

    QString caption(int label) const { return screen_->label(label)->caption(); }
    bool enabled(int button) const { return screen_->cuteButton(button)->isEnabled(); }

private:
    // Only what the child can reach: a list out of sight or disabled takes no pick.
    static void pick(CaptionedList* list, int entry) {
        if (!list->isVisible() || !list->isEnabled())
            QTest::qFail(qPrintable(list->objectName() + QStringLiteral(" cannot be picked now")), __FILE__,
                         __LINE__);
        else
            list->pick(entry);
    }

    static int buttonFor(const QString& word) {
        const QStringList words{QStringLiteral("back"), QStringLiteral("mode"), QStringLiteral("next"),
                                QStringLiteral("answer"), QStringLiteral("hint")};
        const int i = static_cast<int>(words.indexOf(word));
        return i < 0 ? 0 : i + 2;
    }

    LessonScreen* screen_;
};

// The file names of the cues played so far, in order.
inline QStringList playedCues(const RecordingMediaDevice& media) {
    QStringList played;
    for (const QString& event : media.events)
        if (event.startsWith(QLatin1String("play ")))
            played << event.mid(5);
    return played;
}
