#include "ui/keyboard_focus.h"

#include <QKeyEvent>
#include <QPointF>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace keyboard {

namespace {

QRect onScreen(const QWidget* control) {
    const QWidget* screen = control->window();
    return QRect(control->mapTo(screen, QPoint(0, 0)), control->size());
}

// A control off to one side counts twice how far it lies beside the way:
// Down from a button reaches the one under it before a nearer one in the next
// column, and Right from a short list the tall one beside it before a short
// one further on.
constexpr double sidewaysWeight = 2.0;

// How far apart two spans are; 0 where they overlap.
int gapBetween(int firstStart, int firstEnd, int secondStart, int secondEnd) {
    return std::max(0, std::max(firstStart, secondStart) - std::min(firstEnd, secondEnd));
}

} // namespace

bool reachable(const QWidget* control) {
    return control && control->isEnabled() && control->isVisibleTo(control->window());
}

QList<QWidget*> inReadingOrder(QList<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        const QRect ra = onScreen(a), rb = onScreen(b);
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    return controls;
}

void setTabChain(QWidget* screen, const QList<QWidget*>& order) {
    QList<QWidget*> chain = order;
    for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == screen && !chain.contains(w))
            chain << w;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

QWidget* neighbour(const QWidget* from, int arrowKey, const QList<QWidget*>& controls) {
    QPointF way;
    switch (arrowKey) {
    case Qt::Key_Left:
        way = {-1, 0};
        break;
    case Qt::Key_Right:
        way = {1, 0};
        break;
    case Qt::Key_Up:
        way = {0, -1};
        break;
    case Qt::Key_Down:
        way = {0, 1};
        break;
    default:
        return nullptr;
    }
    const QRect start = onScreen(from);
    const bool across = way.x() != 0;
    QWidget* nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (QWidget* control : controls) {
        if (control == from || !reachable(control))
            continue;
        const QRect there = onScreen(control);
        const QPointF offset = QRectF(there).center() - QRectF(start).center();
        const double ahead = offset.x() * way.x() + offset.y() * way.y();
        if (ahead <= 0)
            continue;
        const int sideways = across ? gapBetween(start.top(), start.bottom(), there.top(), there.bottom())
                                    : gapBetween(start.left(), start.right(), there.left(), there.right());
        if (const double distance = ahead + sidewaysWeight * sideways; distance < best) {
            best = distance;
            nearest = control;
        }
    }
    return nearest;
}

bool moveFocusByArrow(QKeyEvent* event, const QWidget* screen, const QList<QWidget*>& controls) {
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || event->modifiers() != Qt::NoModifier)
        return false;
    if (QWidget* from = screen->focusWidget(); from && controls.contains(from))
        if (QWidget* to = neighbour(from, key, controls))
            to->setFocus(Qt::TabFocusReason);
    event->accept();
    return true;
}

} // namespace keyboard
