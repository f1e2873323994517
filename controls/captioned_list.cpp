#include "controls/captioned_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int frame = 2;

// The digit an entry stands for ("０", "　７", "７　"), or -1.
int entryDigit(const QString& entry) {
    const QString bare = entry.trimmed();
    return bare.size() == 1 ? bare.at(0).digitValue() : -1;
}
} // namespace

CaptionedList::CaptionedList(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionedList::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QString CaptionedList::text() const {
    return index_ >= 0 ? items_.at(index_) : caption_;
}

void CaptionedList::setItems(const QStringList& items) {
    items_ = items;
    index_ = -1;
    current_ = -1;
    firstVisible_ = 0;
    update();
}

void CaptionedList::pick(int index) {
    if (index < 0 || index >= items_.size())
        return;
    index_ = index;
    setCurrent(index);
    update();
    emit changed(index);
}

void CaptionedList::resetSelection() {
    index_ = -1;
    current_ = -1;
    firstVisible_ = 0;
    update();
}

void CaptionedList::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

int CaptionedList::fieldHeight() const {
    return fontMetrics().height() + 2 * frame + 2;
}

int CaptionedList::rowHeight() const {
    // Rows share out the list's height when every entry fits, as a list sized
    // for its entries does; otherwise they keep the font's height and scroll.
    const int natural = std::max(1, fontMetrics().height() - 2);
    const int inner = height() - fieldHeight() - 2 * frame;
    if (items_.isEmpty() || inner < natural * items_.size())
        return natural;
    return std::min<int>(inner / items_.size(), natural + 6);
}

int CaptionedList::visibleRows() const {
    return std::max(1, (height() - fieldHeight() - 2 * frame) / rowHeight());
}

int CaptionedList::rowAt(int y) const {
    const int top = fieldHeight() + frame;
    if (y < top)
        return -1;
    const int row = firstVisible_ + (y - top) / rowHeight();
    return row < items_.size() ? row : -1;
}

void CaptionedList::setCurrent(int row) {
    current_ = row;
    if (row < firstVisible_)
        firstVisible_ = row;
    else if (row >= firstVisible_ + visibleRows())
        firstVisible_ = row - visibleRows() + 1;
    update();
}

int CaptionedList::entryForDigit(int digit) const {
    for (int i = 0; i < items_.size(); ++i)
        if (entryDigit(items_.at(i)) == digit)
            return i;
    return -1;
}

void CaptionedList::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor paper(Qt::white);

    auto sunkenBox = [&](const QRect& r) {
        p.fillRect(r, paper);
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(0xE0, 0xE0, 0xE0));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };

    // A disabled list (the drills' selectors between runs) greys its entries.
    const QColor ink = isEnabled() ? textColor_ : palette().color(QPalette::Disabled, QPalette::WindowText);
    const QRect field(0, 0, width(), fieldHeight());
    sunkenBox(field);
    p.setPen(ink);
    p.setClipRect(field.adjusted(frame, frame, -frame, -frame));
    p.drawText(field.adjusted(frame + 1, frame, -frame, -frame), Qt::AlignLeft | Qt::AlignVCenter, text());
    p.setClipping(false);

    const QRect list(0, fieldHeight(), width(), height() - fieldHeight());
    if (list.height() <= 0)
        return;
    sunkenBox(list);
    const QRect inner = list.adjusted(frame, frame, -frame, -frame);
    p.setClipRect(inner);
    const int rows = std::min<int>(visibleRows() + 1, items_.size() - firstVisible_);
    for (int i = 0; i < rows; ++i) {
        const int item = firstVisible_ + i;
        const QRect r(inner.left(), inner.top() + i * rowHeight(), inner.width(), rowHeight());
        if (item == index_) {
            p.fillRect(r, palette().color(QPalette::Highlight));
            p.setPen(palette().color(QPalette::HighlightedText));
        } else {
            p.setPen(ink);
        }
        p.drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items_.at(item));
        if (item == current_ && hasFocus()) {
            p.setPen(QPen(ink, 1, Qt::DotLine));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}

void CaptionedList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0)
        pick(row);
}

void CaptionedList::keyPressEvent(QKeyEvent* event) {
    if (items_.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int last = static_cast<int>(items_.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrent(std::max(0, current_ - 1));
        return;
    case Qt::Key_Down:
        setCurrent(std::min(last, current_ + 1));
        return;
    case Qt::Key_Home:
        setCurrent(0);
        return;
    case Qt::Key_End:
        setCurrent(last);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pick(current_ >= 0 ? current_ : 0);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isDigit()) {
        if (const int entry = entryForDigit(typed.at(0).digitValue()); entry >= 0) {
            pick(entry);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CaptionedList::wheelEvent(QWheelEvent* event) {
    const int maxFirst = std::max(0, static_cast<int>(items_.size()) - visibleRows());
    const int step = event->angleDelta().y() > 0 ? -1 : 1;
    firstVisible_ = std::clamp(firstVisible_ + step, 0, maxFirst);
    update();
}
