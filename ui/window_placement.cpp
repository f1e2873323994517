#include "ui/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The frame a window will have: its own once it has been shown; before that,
// the one the window manager gave another window of the program, or the most
// a window manager adds.
QMargins expectedFrame(const QWidget* window) {
    if (const QMargins own = frameMargins(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible())
            if (const QMargins theirs = frameMargins(other); !theirs.isNull())
                return theirs;
    return frameAllowance;
}

// A window shown for the first time is placed by a guess at its frame; once the
// window manager has framed it, it is placed again by the frame it got.
class PlaceWhenFramed final : public QObject {
public:
    static constexpr char name[] = "placeWhenFramed";
    explicit PlaceWhenFramed(QWidget* window) : QObject(window) {
        setObjectName(QLatin1String(name));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Hide) {
            deleteLater();
        } else if (event->type() == QEvent::Paint && !frameMargins(window).isNull()) {
            deleteLater();
            centreOnScreen(window);
        }
        return false;
    }
};

} // namespace

qreal scaleToFit(const QSize& workArea) {
    const QSize room = workArea.shrunkBy(frameAllowance);
    return std::min(
        {1.0, qreal(room.width()) / largestWindow.width(), qreal(room.height()) / largestWindow.height()});
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QMargins margins = expectedFrame(window);
    if (frameMargins(window).isNull() &&
        !window->findChild<QObject*>(QLatin1String(PlaceWhenFramed::name), Qt::FindDirectChildrenOnly))
        new PlaceWhenFramed(window);
    QRect frame = window->geometry().marginsAdded(margins);
    frame.moveCenter(free.center());
    // A window larger than the free area keeps its title bar and top-left corner in sight.
    frame.moveLeft(std::max(frame.left(), free.left()));
    frame.moveTop(std::max(frame.top(), free.top()));
    // move() places the frame where Qt knows the frame, else the client area.
    const QPoint client = frame.topLeft() + QPoint(margins.left(), margins.top());
    window->move(client - (window->geometry().topLeft() - window->pos()));
}
