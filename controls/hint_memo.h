#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A read-only multi-line hint. Its text is laid out the first time it is shown:
// every lesson screen has one, and laying them all out at start-up would load
// fonts nobody sees yet.
class HintMemo final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HintMemo(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString pendingText_;
    bool textPending_ = false;
};
