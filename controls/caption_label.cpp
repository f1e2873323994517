#include "controls/caption_label.h"

#include "ui/display_text.h"

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    setText(displayText(caption));
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
