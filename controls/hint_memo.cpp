#include "controls/hint_memo.h"

HintMemo::HintMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void HintMemo::setLines(const QStringList& lines) {
    pendingText_ = lines.join(u'\n');
    textPending_ = true;
    if (isVisible()) {
        textPending_ = false;
        setPlainText(pendingText_);
    }
}

void HintMemo::showEvent(QShowEvent* event) {
    if (textPending_) {
        textPending_ = false;
        setPlainText(pendingText_);
    }
    QPlainTextEdit::showEvent(event);
}
