#include "controls/captioned_list.h"

#include "controls/edges.h"
#include "controls/focus_ring.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {
constexpr int frame = 2;
const QColor boxShadow(0x80, 0x80, 0x80);
const QColor boxLight(0xE0, 0xE0, 0xE0);

// The digit an entry stands for ("０", "　７", "７　"), or -1.
int entryDigit(const QString& entry) {
    const QString bare = entry.trimmed();
    return bare.size() == 1 ? bare.at(0).digitValue() : -1;
}

// A box sunk into the screen, filled with paper.
void drawSunkenBox(QPainter& p, const QRect& r, const QColor& paper) {
    p.fillRect(r, paper);
    paintEdges(p, r, 1, boxShadow, boxLight);
}

bool picksOnKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}
} // namespace

// Paints an entry the way these lists always have, whatever the style: a plain
// row, the picked one highlighted, the cursor dotted while the list has the focus.
class CaptionedListEntries final : public QStyledItemDelegate {
public:
    explicit CaptionedListEntries(CaptionedList* list) : QStyledItemDelegate(list), list_(list) {}

    // The list stretches every row to its width.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, list_->rowHeight()};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const QColor ink = palette.color(QPalette::Text);
        p->save();
        p->setFont(option.font);
        if (option.state & QStyle::State_Selected) {
            p->fillRect(option.rect, palette.color(QPalette::Highlight));
            p->setPen(palette.color(QPalette::HighlightedText));
        } else {
            p->setPen(ink);
        }
        p->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    index.data().toString());
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(ink, 1, Qt::DotLine));
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

private:
    CaptionedList* list_;
};

CaptionedList::CaptionedList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setItemDelegate(new CaptionedListEntries(this));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setViewportMargins(frame, fieldHeight() + frame, frame, frame);
    applyLook();
}

void CaptionedList::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

QString CaptionedList::text() const {
    const int index = itemIndex();
    return index >= 0 ? model_->index(index).data().toString() : caption_;
}

void CaptionedList::setItems(const QStringList& items) {
    model_->setStringList(items);
    scrollToTop();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

QStringList CaptionedList::items() const {
    return model_->stringList();
}

int CaptionedList::itemIndex() const {
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    return picked.isEmpty() ? -1 : picked.first().row();
}

void CaptionedList::setItemIndex(int index) {
    if (index < 0 || index >= model_->rowCount())
        resetSelection();
    else
        showPicked(index);
}

void CaptionedList::pick(int index) {
    if (index < 0 || index >= model_->rowCount())
        return;
    showPicked(index);
    emit changed(index);
}

void CaptionedList::showPicked(int index) {
    const QModelIndex entry = model_->index(index);
    const QString before = text();
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
    update();
    if (text() != before)
        valueChanged();
}

// The field is the list's value: what a screen reader says the list holds.
void CaptionedList::valueChanged() {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, text());
    QAccessible::updateAccessibility(&event);
}

void CaptionedList::resetSelection() {
    ++timesEmptied_;
    const QString before = text();
    selectionModel()->clear();
    if (cursorOnFocus_ && hasFocus() && model_->rowCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
    scrollToTop();
    update();
    if (text() != before)
        valueChanged();
}

void CaptionedList::setTextColor(const QColor& color) {
    textColor_ = color;
    applyLook();
}

// Paper, highlight and the disabled ink come from the application's palette,
// never from a desktop theme's palette for lists: the screens choose the text
// colour and everything else stays as the program is drawn. The highlight is
// the same in an inactive window.
void CaptionedList::applyLook() {
    const QPalette app = QGuiApplication::palette();
    QPalette look = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        look.setColor(group, QPalette::Base, app.color(QPalette::Active, QPalette::Base));
        look.setColor(group, QPalette::Highlight, app.color(QPalette::Active, QPalette::Highlight));
        look.setColor(group, QPalette::HighlightedText,
                      app.color(QPalette::Active, QPalette::HighlightedText));
        look.setColor(group, QPalette::Text,
                      group == QPalette::Disabled ? app.color(QPalette::Disabled, QPalette::WindowText)
                                                  : textColor_);
    }
    setPalette(look);
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
    const int rows = model_->rowCount();
    if (rows == 0 || inner < natural * rows)
        return natural;
    return std::min(inner / rows, natural + 6);
}

void CaptionedList::paintBoxes() {
    QPainter p(this);
    const QColor paper = palette().color(QPalette::Base);
    const QRect field(0, 0, width(), fieldHeight());
    drawSunkenBox(p, field, paper);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.setClipRect(field.adjusted(frame, frame, -frame, -frame));
    p.drawText(field.adjusted(frame + 1, frame, -frame, -frame), Qt::AlignLeft | Qt::AlignVCenter, text());
    p.setClipping(false);
    const QRect list(0, fieldHeight(), width(), height() - fieldHeight());
    if (list.height() > 0)
        drawSunkenBox(p, list, paper);
    // The list the keys go to is outlined, so a child on the keyboard sees
    // which column a typed digit lands in.
    if (hasFocus())
        focus_ring::paint(p, rect(), paper, *this);
}

// A mouse event sent to the list as a whole (by a test or an automation
// client) reaches the entry under it, as the window system's events do.
bool CaptionedList::forwardToEntries(QMouseEvent* event) {
    const QPointF at = viewport()->mapFrom(this, event->position());
    if (!viewport()->rect().contains(at.toPoint()))
        return false;
    QMouseEvent forwarded(event->type(), at, event->scenePosition(), event->globalPosition(), event->button(),
                          event->buttons(), event->modifiers(), event->pointingDevice());
    const QScopedValueRollback<bool> forwarding(forwarding_, true);
    QCoreApplication::sendEvent(viewport(), &forwarded);
    event->setAccepted(forwarded.isAccepted());
    return true;
}

bool CaptionedList::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        // The list's own paint events draw the field and the boxes; Qt
        // paints the entries in the viewport.
        paintBoxes();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // A disabled list takes no mouse event. One its entries did not take
        // comes back here from them and goes on to the screen: handed to them
        // again, it would go round for ever.
        if (forwarding_ || !isEnabled())
            return false;
        // A press on the field belongs to the list too, and picks nothing.
        if (!forwardToEntries(static_cast<QMouseEvent*>(event)))
            event->accept();
        return true;
    default:
        break;
    }
    return QListView::event(event);
}

void CaptionedList::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setViewportMargins(frame, fieldHeight() + frame, frame, frame);
    else if (event->type() == QEvent::ApplicationPaletteChange)
        applyLook();
}

// Row heights follow the list's height.
void CaptionedList::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    doItemsLayout();
}

void CaptionedList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    QListView::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    pressedRow_ = indexAt(event->position().toPoint()).row();
    if (pressedRow_ >= 0)
        pick(pressedRow_);
}

// The second press of a double click arrives as this event. On the entry the
// first press picked it is no second pick: a child's double click on ◆ must
// not submit twice. On another entry it is a press of its own.
void CaptionedList::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || indexAt(event->position().toPoint()).row() == pressedRow_)
        return;
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(), event->modifiers(),
                      event->pointingDevice());
    mousePressEvent(&press);
}

void CaptionedList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // A held key repeats its press; it still picks once.
    if (event->isAutoRepeat() && (picksOnKey(key) || entryForTyped(event->text()) >= 0)) {
        event->accept();
        return;
    }
    // Only the entry under the cursor is picked; with none there, nothing is.
    if (picksOnKey(key)) {
        if (currentIndex().isValid() && (pickedAgainByKey_ || currentIndex().row() != itemIndex()))
            pick(currentIndex().row());
        event->accept();
        return;
    }
    // Left and right are the screen's: they go to the list beside this one.
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        event->ignore();
        return;
    }
    // The cursor moves without picking, in every style. Qt's list starts a
    // cursor that is not there yet on the first entry, even for End.
    if (const auto move = cursorMoveFor(key)) {
        const QModelIndex next =
            *move == MoveEnd ? model_->index(model_->rowCount() - 1) : moveCursor(*move, event->modifiers());
        if (next.isValid())
            selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

// Coming from the keyboard, the cursor of a list that wants it stands on an
// entry at once, so Enter picks what the child sees; Qt does that only the
// first time a list is focused, and a list emptied for a new answer has lost
// its cursor. A list that does not want it gets none, not even the first time.
void CaptionedList::focusInEvent(QFocusEvent* event) {
    const bool cursorBefore = currentIndex().isValid();
    if (cursorOnFocus_ && event->reason() != Qt::MouseFocusReason && !cursorBefore && model_->rowCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
    QListView::focusInEvent(event);
    // Qt's list puts the cursor on the first entry the first time it is focused.
    if (!cursorOnFocus_ && !cursorBefore && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    update();
}

void CaptionedList::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    update();
}

std::optional<QAbstractItemView::CursorAction> CaptionedList::cursorMoveFor(int key) {
    switch (key) {
    case Qt::Key_Up:
        return QAbstractItemView::MoveUp;
    case Qt::Key_Down:
        return QAbstractItemView::MoveDown;
    case Qt::Key_Home:
        return QAbstractItemView::MoveHome;
    case Qt::Key_End:
        return QAbstractItemView::MoveEnd;
    case Qt::Key_PageUp:
        return QAbstractItemView::MovePageUp;
    case Qt::Key_PageDown:
        return QAbstractItemView::MovePageDown;
    default:
        return std::nullopt;
    }
}

int CaptionedList::entryForTyped(const QString& typed) const {
    if (typed.size() != 1 || !typed.at(0).isDigit())
        return -1;
    const QStringList entries = items();
    for (int i = 0; i < entries.size(); ++i)
        if (entryDigit(entries.at(i)) == typed.at(0).digitValue())
            return i;
    return -1;
}

void CaptionedList::keyboardSearch(const QString& search) {
    if (const int entry = entryForTyped(search); entry >= 0)
        pick(entry);
    else
        QListView::keyboardSearch(search);
}
