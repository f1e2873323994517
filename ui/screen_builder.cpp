#include "ui/screen_builder.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/hint_memo.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "controls/status_bar.h"
#include "controls/zoom.h"
#include "core/clock.h"
#include "ui/child_picture.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace build {

namespace {
constexpr int statusBarHeight = 20;

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}
} // namespace

CaptionLabel* label(QWidget* parent, const QString& name, QPoint at, const QFont& font, const QColor& color,
                    const QString& caption) {
    auto* l = new CaptionLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    setTextColor(l, color);
    l->move(zoom::point(at));
    l->setCaption(caption);
    return l;
}

CaptionLabel* fixedLabel(QWidget* parent, const QString& name, const QRect& box, const QFont& font,
                         const QColor& color, Qt::Alignment alignment, const QString& caption) {
    auto* l = new CaptionLabel(parent);
    l->setObjectName(name);
    l->setAutoSize(false);
    l->setFont(font);
    setTextColor(l, color);
    l->setAlignment(alignment);
    l->setGeometry(zoom::box(box));
    l->setCaption(caption);
    return l;
}

TCuteButton* button(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                    const QColor& face, const QColor& text, const QFont& font) {
    auto* b = new TCuteButton(parent);
    b->setObjectName(name);
    b->setGeometry(zoom::box(box));
    b->setCaption(caption);
    b->setColor(face);
    b->setFontColor(text);
    b->setFont(font);
    return b;
}

CaptionedList* list(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                    const QStringList& items, const QFont& font, const QColor& color) {
    auto* l = new CaptionedList(parent);
    l->setObjectName(name);
    l->setGeometry(zoom::box(box));
    l->setFont(font);
    l->setTextColor(color);
    l->setItems(items);
    l->setCaption(caption);
    return l;
}

Shape* shape(QWidget* parent, const QString& name, const QRect& box, const QColor& brush, const QColor& pen) {
    auto* s = new Shape(parent);
    s->setObjectName(name);
    s->setGeometry(zoom::box(box));
    s->setBrushColor(brush);
    s->setPenColor(pen);
    return s;
}

QLabel* childPicture(QWidget* parent, const QString& name, QPoint at) {
    auto* image = new ChildPicture(parent);
    image->setObjectName(name);
    image->move(zoom::point(at));
    return image;
}

QPlainTextEdit* memo(QWidget* parent, const QString& name, const QRect& box, const QStringList& lines,
                     const QFont& font, const QColor& color) {
    auto* m = new HintMemo(parent);
    m->setObjectName(name);
    m->hide();
    m->setGeometry(zoom::box(box));
    m->setFont(font);
    setTextColor(m, color);
    m->setLines(lines);
    return m;
}

StatusBar* clockStatusBar(QWidget* parent, int firstPanelWidth) {
    auto* bar = new StatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFont(look::uiGothic(12, true));
    bar->setBackground(look::statusBarBackground);
    bar->addPanel(firstPanelWidth);
    bar->addPanel(50, Qt::AlignHCenter);
    const int height = zoom::length(statusBarHeight);
    bar->setGeometry(0, parent->height() - height, parent->width(), height);
    return bar;
}

} // namespace build

void showClock(QWidget* screen) {
    if (auto* bar = screen->findChild<StatusBar*>(QStringLiteral("StatusBar1")))
        bar->setPanelText(1, clockText(clockSource().now()));
}
