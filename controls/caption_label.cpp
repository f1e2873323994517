#include "controls/caption_label.h"

#include "core/display_text.h"

#include <QAccessible>
#include <QGuiApplication>

// Until a screen gives the label its colour, the text is in the application's
// colour, not in what a desktop theme chooses for labels.
CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPalette app = QGuiApplication::palette();
    QPalette look = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setColor(group, QPalette::WindowText, app.color(group, QPalette::WindowText));
    setPalette(look);
}

void CaptionLabel::setCaption(const QString& caption) {
    // QLabel announces a new text itself; a caption that changes only how it
    // marks its line breaks paints the same text and is announced here.
    const QString shown = displayText(caption);
    const bool renamedUnseen = caption != caption_ && shown == text();
    caption_ = caption;
    setText(shown);
    if (renamedUnseen && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (!autoSize_)
        return;
    if (isVisible()) {
        adjustSize();
    } else {
        sizePending_ = true;
    }
}

void CaptionLabel::showEvent(QShowEvent* event) {
    if (sizePending_) {
        sizePending_ = false;
        adjustSize();
    }
    QLabel::showEvent(event);
}
