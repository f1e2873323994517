#pragma once

#include <QLabel>

// A label that keeps its caption exactly as set, CR and CR LF included, and
// paints those as line breaks (QLabel itself does not break at a lone CR).
class CaptionLabel final : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    // A label that sizes itself to its caption; fixed-size labels keep their box.
    void setAutoSize(bool on) { autoSize_ = on; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString caption_;
    bool autoSize_ = true;
    // Measuring text loads a font engine for each size in use; a label out of
    // sight (every lesson screen at start-up) measures when it is shown.
    bool sizePending_ = false;
};
