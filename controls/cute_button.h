#pragma once

#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>

// The push button of every screen: a solid face with a raised inner bevel and
// an outer bevel that tells the child what the button is doing — none at rest,
// raised under the pointer or with the focus, lowered while pressed. A disabled
// button keeps its bevel and shows its caption engraved.
//
// Qt's push button presses, releases and clicks it from the mouse and the
// space bar and keeps the caption's accelerator. Enter and the accelerator
// click at once here (Qt's Enter goes with a dialog's default button, its
// accelerator clicks 100 ms late); the drop-down menu, the bevel and the
// painting are this button's own.
class TCuteButton : public QPushButton {
    Q_OBJECT
public:
    enum class BevelCut { None, Lowered, Raised };
    Q_ENUM(BevelCut)
    enum class CaptionAlignment { Left, Right, Center };
    Q_ENUM(CaptionAlignment)
    enum class CaptionLayout { Top, Center, Bottom };
    Q_ENUM(CaptionLayout)

    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor bevelHighlightColor READ bevelHighlightColor WRITE setBevelHighlightColor)
    Q_PROPERTY(QColor bevelShadowColor READ bevelShadowColor WRITE setBevelShadowColor)
    Q_PROPERTY(int bevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(BevelCut bevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(BevelCut bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)
    Q_PROPERTY(QColor disabledColor READ disabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool useDisabledColor READ useDisabledColor WRITE setUseDisabledColor)
    Q_PROPERTY(CaptionAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(CaptionLayout captionLayout READ captionLayout WRITE setCaptionLayout)
    Q_PROPERTY(int marginX READ marginX WRITE setMarginX)
    Q_PROPERTY(int marginY READ marginY WRITE setMarginY)
    Q_PROPERTY(bool showFocusRect READ showFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool tabFocusUp READ tabFocusUp WRITE setTabFocusUp)
    Q_PROPERTY(QMenu* dropDownMenu READ dropDownMenu WRITE setDropDownMenu)
    Q_PROPERTY(int dropDownDelay READ dropDownDelay WRITE setDropDownDelay)
    Q_PROPERTY(bool egnoreContClick READ egnoreContClick WRITE setEgnoreContClick)

    explicit TCuteButton(QWidget* parent = nullptr);

    // One line; an "&" marks the accelerator letter (Alt+letter clicks).
    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }
    void setColor(const QColor& color);
    QColor color() const { return color_; }
    void setFontColor(const QColor& color);
    QColor fontColor() const { return fontColor_; }

    void setBevelHighlightColor(const QColor& color);
    QColor bevelHighlightColor() const { return bevelHighlight_; }
    void setBevelShadowColor(const QColor& color);
    QColor bevelShadowColor() const { return bevelShadow_; }
    void setBevelWidth(int width);
    int bevelWidth() const { return bevelWidth_; }
    // Ignored while the button is flat.
    void setBevelInner(BevelCut cut);
    BevelCut bevelInner() const { return isFlat() ? BevelCut::None : bevelInner_; }
    // The button sets this itself from the pointer, the focus and presses.
    void setBevelOuter(BevelCut cut);
    BevelCut bevelOuter() const { return bevelOuter_; }
    // Flat drops the inner bevel; turning it off again makes it raised. (Qt's
    // own setFlat() turns it off to the inner bevel the button had before.)
    void setFlat(bool flat);

    void setDisabledColor(const QColor& color);
    QColor disabledColor() const { return disabledColor_; }
    void setUseDisabledColor(bool use);
    bool useDisabledColor() const { return useDisabledColor_; }

    void setAlignment(CaptionAlignment alignment);
    CaptionAlignment alignment() const { return alignment_; }
    // Vertical placement of the caption (QWidget's own layout() is the child
    // layout, which this button never has).
    void setCaptionLayout(CaptionLayout layout);
    CaptionLayout captionLayout() const { return layout_; }
    // Distance of the caption from the edge it is aligned to; -1 means none,
    // and anything smaller is kept as -1.
    void setMarginX(int margin);
    int marginX() const { return marginX_; }
    void setMarginY(int margin);
    int marginY() const { return marginY_; }

    void setShowFocusRect(bool show);
    bool showFocusRect() const { return showFocusRect_; }
    // Keeps the outer bevel raised while the button has the focus.
    void setTabFocusUp(bool up);
    bool tabFocusUp() const { return tabFocusUp_; }

    // A delay of 0 or less turns a press into "show the menu"; a positive
    // delay keeps the click and shows the menu only when the press is held
    // that many milliseconds.
    void setDropDownMenu(QMenu* menu);
    QMenu* dropDownMenu() const { return dropDownMenu_; }
    void setDropDownDelay(int milliseconds) { dropDownDelay_ = milliseconds; }
    int dropDownDelay() const { return dropDownDelay_; }

    // Drops clicks that arrive while a click is still being handled, so a
    // child hammering the button gets one click, not a queue of them.
    void setEgnoreContClick(bool ignore) { egnoreContClick_ = ignore; }
    bool egnoreContClick() const { return egnoreContClick_; }

    QSize sizeHint() const override { return {75, 25}; }

signals:
    // The modifiers and mouse buttons held at that moment and the pointer
    // position in the button's coordinates.
    void mouseEnter(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint position);
    void mouseLeave(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The whole face takes a press, whatever bevel the style would draw.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QRect captionRect() const;
    void pointerEntered(QPoint position);
    void pointerLeft(QPoint position);
    void clickFromKey();
    void startDropDown();
    void showDropDown();
    void clickStarted();
    void clickHandled();
    BevelCut bevelAfterKeyClick() const { return tabFocusUp_ ? BevelCut::Raised : BevelCut::None; }
    // After a click from the keyboard: as bevelAfterKeyClick(), unless the
    // click's handler sent the focus on to another control and this button,
    // still enabled, is left without it (a disabled one keeps its bevel).
    BevelCut bevelAfterClickFrom(const QWidget* focusBefore) const;
    static QPoint cursorIn(const QWidget* widget);

    QColor color_;
    QColor fontColor_{Qt::black};
    QColor bevelHighlight_;
    QColor bevelShadow_;
    int bevelWidth_ = 1;
    BevelCut bevelInner_ = BevelCut::Raised;
    BevelCut bevelOuter_ = BevelCut::None;
    QColor disabledColor_{128, 128, 128};
    bool useDisabledColor_ = false;
    CaptionAlignment alignment_ = CaptionAlignment::Center;
    CaptionLayout layout_ = CaptionLayout::Center;
    int marginX_ = -1;
    int marginY_ = -1;
    bool showFocusRect_ = false;
    bool tabFocusUp_ = true;
    QPointer<QMenu> dropDownMenu_;
    int dropDownDelay_ = 0;
    bool egnoreContClick_ = false;

    bool hovered_ = false;
    bool spacePress_ = false; // the space bar, not the mouse, pressed the button down
    bool inClick_ = false;
    QTimer dropDownTimer_;
};
