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

// Input that presses or clicks a button.
bool makesClick(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Shortcut:
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    default:
        return false;
    }
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
    : QPushButton(parent), color_(palette().color(QPalette::Active, QPalette::Button)),
      bevelHighlight_(palette().color(QPalette::Active, QPalette::Light)),
      bevelShadow_(palette().color(QPalette::Active, QPalette::Dark)) {
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // An auto-default button would become its lesson screen's (a dialog's)
    // default, the first one as the screen opens, and Return that a control
    // leaves to the screen, as the read-only hint does, would click it.
    // Return clicks only the button with the focus (keyPressEvent).
    setAutoDefault(false);
    // First of all the click's receivers, so that the guard is up before any
    // screen's handler runs.
    connect(this, &QAbstractButton::clicked, this, &TCuteButton::clickStarted);
    dropDownTimer_.setSingleShot(true);
    connect(&dropDownTimer_, &QTimer::timeout, this, [this] {
        if (dropDownMenu_ && isDown())
            showDropDown();
    });
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
    if (!isFlat() && assign(bevelInner_, cut))
        update();
}

void TCuteButton::setBevelOuter(BevelCut cut) {
    if (assign(bevelOuter_, cut))
        update();
}

void TCuteButton::setFlat(bool flat) {
    if (flat == isFlat())
        return;
    bevelInner_ = BevelCut::Raised;
    QPushButton::setFlat(flat);
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
    const int inset = isFlat() ? bevelWidth_ : 2 * bevelWidth_;
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
    drawBevel(p, insideOuter, bevelInner(), bevelWidth_, bevelHighlight_, bevelShadow_);

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

// The guard stays up until the click's handler has returned and the input
// that came in meanwhile has been delivered; clickHandled() lifts it.
void TCuteButton::clickStarted() {
    if (!egnoreContClick_ || inClick_)
        return;
    inClick_ = true;
    QMetaObject::invokeMethod(this, &TCuteButton::clickHandled, Qt::QueuedConnection);
}

// What came in while the handler ran is delivered now, and event() drops the
// presses, releases and keys among it. This runs as a posted event itself, and
// the event loop does not deliver posted events inside that, so they are sent
// on here.
void TCuteButton::clickHandled() {
    const QPointer<TCuteButton> self(this);
    QCoreApplication::sendPostedEvents();
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
        setBevelOuter((buttons & Qt::LeftButton) || isDown() ? BevelCut::Lowered : BevelCut::Raised);
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
    QPushButton::enterEvent(event);
}

void TCuteButton::leaveEvent(QEvent* event) {
    pointerLeft(cursorIn(this));
    QPushButton::leaveEvent(event);
}

void TCuteButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isDown())
        return;
    spacePress_ = false;
    hovered_ = true;
    setBevelOuter(BevelCut::Lowered);
    startDropDown();
}

// While the press holds the mouse, Qt sends no leave or enter until the
// release; the bevel still has to follow the pointer off and back on, which
// Qt's button tells by letting go of its press and taking it up again.
void TCuteButton::mouseMoveEvent(QMouseEvent* event) {
    const bool wasDown = isDown();
    QPushButton::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (isDown() != wasDown)
        isDown() ? pointerEntered(at) : pointerLeft(at);
}

// Before Qt's button clicks, so that a handler that sends the focus on has
// the last word on the bevel.
void TCuteButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        const bool activeControl = window()->focusWidget() == this;
        setBevelOuter(inside || (tabFocusUp_ && activeControl) ? BevelCut::Raised : BevelCut::None);
    }
    QPushButton::mouseReleaseEvent(event);
}

void TCuteButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool space = key == Qt::Key_Space && event->modifiers() == Qt::NoModifier;
    // Any other key lets go of a press the space bar holds; its release then
    // clicks nothing.
    if (!space && spacePress_ && isDown()) {
        setDown(false);
        setBevelOuter(bevelAfterKeyClick());
    }
    if (space) {
        const bool wasDown = isDown();
        QPushButton::keyPressEvent(event);
        if (!wasDown && isDown()) {
            spacePress_ = true;
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
    const bool clicks = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QPointer<TCuteButton> self(this);
    const QWidget* focusBefore = window()->focusWidget();
    QPushButton::keyReleaseEvent(event);
    if (clicks && self)
        setBevelOuter(bevelAfterClickFrom(focusBefore));
}

// Enter and the accelerator: a complete press in one go. The lowered bevel is
// painted at once so it shows while the click's handler runs.
void TCuteButton::clickFromKey() {
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

// The press that opened the menu ends with it, and its release clicks
// nothing: the menu was the answer to that press.
void TCuteButton::showDropDown() {
    QPointer<TCuteButton> self(this);
    dropDownTimer_.stop();
    dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
    if (!self)
        return;
    // Qt's button is told the press went up off the button, so that neither
    // the real release nor a move back onto the button takes it up again.
    const QPointF off(-1, -1);
    QMouseEvent up(QEvent::MouseButtonRelease, off, mapToGlobal(off), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QPushButton::mouseReleaseEvent(&up);
    setBevelOuter(rect().contains(cursorIn(this)) ? BevelCut::Raised : bevelAfterKeyClick());
}

bool TCuteButton::event(QEvent* event) {
    if (inClick_ && makesClick(event))
        return true;
    // The caption's accelerator clicks at once, as Enter does, rather than
    // Qt's way, a delayed animated click.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        clickFromKey();
        return true;
    }
    return QPushButton::event(event);
}

// The window's activation can hand the focus over after the press that
// activated it has already lowered the bevel; the press wins.
void TCuteButton::focusInEvent(QFocusEvent* event) {
    if (tabFocusUp_ && !isDown())
        setBevelOuter(BevelCut::Raised);
    QPushButton::focusInEvent(event);
}

// Qt moves the focus away from a button as it is disabled; disabling must
// leave the bevel as it was, so that focus loss changes nothing.
void TCuteButton::focusOutEvent(QFocusEvent* event) {
    if (isEnabled())
        setBevelOuter(BevelCut::None);
    QPushButton::focusOutEvent(event);
}

// Qt asks a focused button that is being disabled to pass the focus on. The
// next button in the tab order would then look raised though nobody touched
// it; the focus is dropped instead, as a disabled button keeps its look.
bool TCuteButton::focusNextPrevChild(bool next) {
    if (!isEnabled())
        return false;
    return QWidget::focusNextPrevChild(next);
}
