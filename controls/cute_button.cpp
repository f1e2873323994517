#include "controls/cute_button.h"

#include "controls/edges.h"
#include "controls/focus_ring.h"
#include "controls/look.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// Raised: light above and on the left, dark below and on the right.
void drawBevel(QPainter& p, const QRect& outside, TCuteButton::BevelCut cut, int width,
               const QColor& highlight, const QColor& shadow) {
    if (cut == TCuteButton::BevelCut::None)
        return;
    const bool raised = cut == TCuteButton::BevelCut::Raised;
    paintEdges(p, outside, width, raised ? highlight : shadow, raised ? shadow : highlight);
}

Qt::Alignment textAlignment(TCuteButton::CaptionAlignment alignment, TCuteButton::CaptionLayout layout) {
    Qt::Alignment flags;
    switch (alignment) {
    case TCuteButton::CaptionAlignment::Left:
        flags = Qt::AlignLeft;
        break;
    case TCuteButton::CaptionAlignment::Right:
        flags = Qt::AlignRight;
        break;
    case TCuteButton::CaptionAlignment::Center:
        flags = Qt::AlignHCenter;
        break;
    }
    switch (layout) {
    case TCuteButton::CaptionLayout::Top:
        return flags | Qt::AlignTop;
    case TCuteButton::CaptionLayout::Bottom:
        return flags | Qt::AlignBottom;
    case TCuteButton::CaptionLayout::Center:
        break;
    }
    return flags | Qt::AlignVCenter;
}

template <typename T> bool assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

// The system colours are the enabled ones: a button created disabled still
// gets the bevel of an enabled one.
TCuteButton::TCuteButton(QWidget* parent)
    : QAbstractButton(parent), color_(palette().color(QPalette::Active, QPalette::Button)),
      bevelHighlight_(palette().color(QPalette::Active, QPalette::Light)),
      bevelShadow_(palette().color(QPalette::Active, QPalette::Dark)) {
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    dropDownTimer_.setSingleShot(true);
    connect(&dropDownTimer_, &QTimer::timeout, this, &TCuteButton::dropDownTimerFired);
}

void TCuteButton::setColor(const QColor& color) {
    if (assign(color_, color))
        update();
}

void TCuteButton::setFontColor(const QColor& color) {
    if (assign(fontColor_, color))
        update();
}

void TCuteButton::setBevelHighlightColor(const QColor& color) {
    if (assign(bevelHighlight_, color))
        update();
}

void TCuteButton::setBevelShadowColor(const QColor& color) {
    if (assign(bevelShadow_, color))
        update();
}

void TCuteButton::setBevelWidth(int width) {
    if (assign(bevelWidth_, std::max(width, 1)))
        update();
}

void TCuteButton::setBevelInner(BevelCut cut) {
    if (!flat_ && assign(bevelInner_, cut))
        update();
}

void TCuteButton::setBevelOuter(BevelCut cut) {
    if (assign(bevelOuter_, cut))
        update();
}

void TCuteButton::setFlat(bool flat) {
    if (!assign(flat_, flat))
        return;
    bevelInner_ = flat ? BevelCut::None : BevelCut::Raised;
    update();
}

// The disabled face only shows on a disabled button, so an enabled one need
// not repaint for it.
void TCuteButton::setDisabledColor(const QColor& color) {
    if (assign(disabledColor_, color) && !isEnabled())
        update();
}

void TCuteButton::setUseDisabledColor(bool use) {
    if (assign(useDisabledColor_, use) && !isEnabled())
        update();
}

void TCuteButton::setAlignment(CaptionAlignment alignment) {
    if (assign(alignment_, alignment))
        update();
}

void TCuteButton::setCaptionLayout(CaptionLayout layout) {
    if (assign(layout_, layout))
        update();
}

void TCuteButton::setMarginX(int margin) {
    if (assign(marginX_, std::max(margin, -1)))
        update();
}

void TCuteButton::setMarginY(int margin) {
    if (assign(marginY_, std::max(margin, -1)))
        update();
}

void TCuteButton::setShowFocusRect(bool show) {
    if (assign(showFocusRect_, show))
        update();
}

void TCuteButton::setTabFocusUp(bool up) {
    tabFocusUp_ = up;
}

void TCuteButton::setDropDownMenu(QMenu* menu) {
    if (dropDownMenu_ == menu)
        return;
    dropDownMenu_ = menu;
    update();
}

// Before any lowered shift: the face inside the bevels, less the margin on the
// side the caption is aligned to.
QRect TCuteButton::captionRect() const {
    const int inset = flat_ ? bevelWidth_ : 2 * bevelWidth_;
    QRect r = rect().adjusted(inset, inset, -inset, -inset);
    if (marginX_ > 0) {
        if (alignment_ == CaptionAlignment::Left)
            r.setLeft(r.left() + marginX_);
        else if (alignment_ == CaptionAlignment::Right)
            r.setRight(r.right() - marginX_);
    }
    if (marginY_ > 0) {
        if (layout_ == CaptionLayout::Top)
            r.setTop(r.top() + marginY_);
        else if (layout_ == CaptionLayout::Bottom)
            r.setBottom(r.bottom() - marginY_);
    }
    return r;
}

void TCuteButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), !isEnabled() && useDisabledColor_ ? disabledColor_ : color_);
    drawBevel(p, rect(), bevelOuter_, bevelWidth_, bevelHighlight_, bevelShadow_);
    const QRect insideOuter = rect().adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    drawBevel(p, insideOuter, bevelInner_, bevelWidth_, bevelHighlight_, bevelShadow_);

    // A pressed caption moves 2 px right and down with the face; what no
    // longer fits on the right or at the bottom is cut off rather than drawn
    // over the bevels.
    QRect place = captionRect();
    QRect clip = place;
    if (bevelOuter_ == BevelCut::Lowered) {
        place.translate(2, 2);
        clip.setTopLeft(clip.topLeft() + QPoint(2, 2));
    }
    const int flags = int(textAlignment(alignment_, layout_)) | Qt::TextSingleLine | Qt::TextShowMnemonic;
    p.setFont(font());
    if (isEnabled()) {
        p.setClipRect(clip);
        p.setPen(fontColor_);
        look::drawText(p, place, flags, text());
    } else {
        // Engraved: a light copy 1 px down-right shows through below the dark
        // one, both in the system button colours the bevels start with. The
        // disabled palette's own shades are too faint for a child to read.
        p.setClipRect(clip.translated(1, 1));
        p.setPen(palette().color(QPalette::Active, QPalette::Light));
        look::drawText(p, place.translated(1, 1), flags, text());
        p.setClipRect(clip);
        p.setPen(palette().color(QPalette::Active, QPalette::Dark));
        look::drawText(p, place, flags, text());
    }
    p.setClipping(false);

    // Beside the raised outer bevel, which a child hardly tells from the
    // resting face, a ring inside the bevels says where the keys go.
    if (hasFocus() && isEnabled())
        focus_ring::paint(p, insideOuter.adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_),
                          color_, *this);

    if (showFocusRect_ && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = clip.adjusted(2, 2, -2, -2);
        option.backgroundColor = color_;
        // Styles that draw it only after keyboard navigation would hide it
        // from a child who clicked; the option asks for it always.
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void TCuteButton::click() {
    if (swallowClick_) {
        swallowClick_ = false;
        return;
    }
    if (!egnoreContClick_) {
        emit clicked();
        return;
    }
    if (inClick_)
        return;
    // Clicks queued while the handler ran are delivered here and dropped by
    // the guard above.
    QPointer<TCuteButton> self(this);
    inClick_ = true;
    emit clicked();
    if (self)
        QCoreApplication::processEvents();
    if (self)
        inClick_ = false;
}

QPoint TCuteButton::cursorIn(const QWidget* widget) {
    return widget->mapFromGlobal(QCursor::pos());
}

void TCuteButton::pointerEntered(QPoint position) {
    if (hovered_)
        return;
    hovered_ = true;
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    QPointer<TCuteButton> self(this);
    emit mouseEnter(QGuiApplication::queryKeyboardModifiers() &
                        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
                    buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton), position);
    if (self)
        setBevelOuter((buttons & Qt::LeftButton) || mousePressed_ ? BevelCut::Lowered : BevelCut::Raised);
}

void TCuteButton::pointerLeft(QPoint position) {
    if (!hovered_)
        return;
    hovered_ = false;
    QPointer<TCuteButton> self(this);
    emit mouseLeave(QGuiApplication::queryKeyboardModifiers() &
                        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
                    QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton),
                    position);
    if (self && !(hasFocus() && tabFocusUp_))
        setBevelOuter(BevelCut::None);
}

void TCuteButton::enterEvent(QEnterEvent* event) {
    pointerEntered(event->position().toPoint());
    QAbstractButton::enterEvent(event);
}

void TCuteButton::leaveEvent(QEvent* event) {
    pointerLeft(cursorIn(this));
    QAbstractButton::leaveEvent(event);
}

void TCuteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    mousePressed_ = true;
    keyboardPress_ = false;
    hovered_ = true;
    setBevelOuter(BevelCut::Lowered);
    startDropDown();
}

// While the press holds the mouse, Qt sends no leave or enter until the
// release; the bevel still has to follow the pointer off and back on.
void TCuteButton::mouseMoveEvent(QMouseEvent* event) {
    if (mousePressed_) {
        const QPoint at = event->position().toPoint();
        if (rect().contains(at))
            pointerEntered(at);
        else
            pointerLeft(at);
    }
    QAbstractButton::mouseMoveEvent(event);
}

void TCuteButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mousePressed_) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    releaseMouseAt(event->position().toPoint());
}

void TCuteButton::releaseMouseAt(QPoint position) {
    const bool inside = rect().contains(position);
    const bool wasPressed = mousePressed_;
    mousePressed_ = false;
    dropDownTimer_.stop();
    const bool activeControl = window()->focusWidget() == this;
    setBevelOuter(inside || (tabFocusUp_ && activeControl) ? BevelCut::Raised : BevelCut::None);
    if (wasPressed && inside)
        click();
}

void TCuteButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (spaceHeld_ && key != Qt::Key_Space) {
        spaceHeld_ = false;
        dropDownTimer_.stop();
        setBevelOuter(bevelAfterKeyClick());
    }
    if (key == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat() && !spaceHeld_) {
            spaceHeld_ = true;
            keyboardPress_ = true;
            setBevelOuter(BevelCut::Lowered);
            startDropDown();
        }
        return;
    }
    // A held Enter repeats its key press; it is still one click.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        if (!event->isAutoRepeat())
            clickFromKey();
        return;
    }
    // Qt's button would move the focus with the arrow keys; this one leaves
    // every other key to its screen, as a plain control does.
    QWidget::keyPressEvent(event);
}

void TCuteButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && spaceHeld_) {
        releaseSpace();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TCuteButton::releaseSpace() {
    if (!spaceHeld_)
        return;
    spaceHeld_ = false;
    dropDownTimer_.stop();
    QPointer<TCuteButton> self(this);
    const QWidget* focusBefore = window()->focusWidget();
    click();
    if (self)
        setBevelOuter(bevelAfterClickFrom(focusBefore));
}

// Enter and the accelerator: a complete press in one go. The lowered bevel is
// painted at once so it shows while the click's handler runs.
void TCuteButton::clickFromKey() {
    keyboardPress_ = true;
    setBevelOuter(BevelCut::Lowered);
    repaint();
    QPointer<TCuteButton> self(this);
    const QWidget* focusBefore = window()->focusWidget();
    if (dropDownMenu_ && dropDownDelay_ <= 0)
        showDropDown();
    else
        click();
    if (self)
        setBevelOuter(bevelAfterClickFrom(focusBefore));
}

TCuteButton::BevelCut TCuteButton::bevelAfterClickFrom(const QWidget* focusBefore) const {
    const bool focusSentOn = isEnabled() && window()->focusWidget() != focusBefore;
    return focusSentOn ? BevelCut::None : bevelAfterKeyClick();
}

void TCuteButton::startDropDown() {
    if (!dropDownMenu_)
        return;
    if (dropDownDelay_ <= 0)
        showDropDown();
    else
        dropDownTimer_.start(dropDownDelay_);
}

void TCuteButton::dropDownTimerFired() {
    if (dropDownMenu_ && (keyboardPress_ ? spaceHeld_ : mousePressed_))
        showDropDown();
}

// The press that opened the menu ends with it, and the click its release
// would make is swallowed: the menu was the answer to that press.
void TCuteButton::showDropDown() {
    QPointer<TCuteButton> self(this);
    const QPointer<QMenu> menu = dropDownMenu_;
    const bool fromKeyboard = keyboardPress_;
    dropDownTimer_.stop();
    swallowClick_ = true;
    QCoreApplication::processEvents();
    if (self && menu)
        menu->exec(mapToGlobal(QPoint(0, height())));
    if (!self)
        return;
    if (fromKeyboard)
        releaseSpace();
    else if (mousePressed_)
        releaseMouseAt(cursorIn(this));
    swallowClick_ = false;
}

void TCuteButton::forgetPress() {
    mousePressed_ = false;
    spaceHeld_ = false;
    dropDownTimer_.stop();
}

bool TCuteButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // The only shortcut this button holds is its caption's accelerator,
        // which Qt's button grabs; it clicks at once rather than Qt's way,
        // a delayed animated click.
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        const QWidget* holder = parentWidget() ? parentWidget() : this;
        if (!isEnabled() || !holder->isVisible())
            return true;
        if (shortcut->isAmbiguous())
            setFocus(Qt::ShortcutFocusReason);
        else
            clickFromKey();
        return true;
    }
    return QAbstractButton::event(event);
}

// The window's activation can hand the focus over after the press that
// activated it has already lowered the bevel; the press wins.
void TCuteButton::focusInEvent(QFocusEvent* event) {
    if (tabFocusUp_ && !mousePressed_ && !spaceHeld_)
        setBevelOuter(BevelCut::Raised);
    QAbstractButton::focusInEvent(event);
}

// Qt moves the focus away from a button as it is disabled; disabling must
// leave the bevel as it was, so that focus loss changes nothing.
void TCuteButton::focusOutEvent(QFocusEvent* event) {
    spaceHeld_ = false;
    if (isEnabled())
        setBevelOuter(BevelCut::None);
    QAbstractButton::focusOutEvent(event);
}

// Qt asks a focused button that is being disabled to pass the focus on. The
// next button in the tab order would then look raised though nobody touched
// it; the focus is dropped instead, as a disabled button keeps its look.
bool TCuteButton::focusNextPrevChild(bool next) {
    if (!isEnabled())
        return false;
    return QWidget::focusNextPrevChild(next);
}

void TCuteButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            forgetPress();
        update();
    }
    QAbstractButton::changeEvent(event);
}
