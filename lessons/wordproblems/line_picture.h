#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

// One line of a story diagram: a 10-pixel strip at the top of the control
// (the control itself is 17 high), on the window colour, with a 2-pixel black
// line across and a mark at each end. Drawn in logical pixels, so it stays
// crisp at any device pixel ratio; below the strip the screen shows through.
class LinePicture final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(LineMark leftMark READ leftMark WRITE setLeftMark)
    Q_PROPERTY(LineMark rightMark READ rightMark WRITE setRightMark)
public:
    // An arrowhead points away from the line: right at the right end, left
    // at the left end.
    enum class LineMark { None, Tick, Arrowhead };
    Q_ENUM(LineMark)

    static constexpr int pictureHeight = 10;
    static constexpr int controlHeight = 17;

    explicit LinePicture(QWidget* parent = nullptr);

    LineMark leftMark() const { return left_; }
    LineMark rightMark() const { return right_; }
    void setLeftMark(LineMark mark);
    void setRightMark(LineMark mark);

    QSize sizeHint() const override { return {100, controlHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void marksChanged();

    LineMark left_ = LineMark::None;
    LineMark right_ = LineMark::None;
};

// A line picture of a screen's diagram as laid out: where it starts and its marks.
struct DiagramLine {
    int image; // "ImageN"
    QRect frame;
    LinePicture::LineMark left;
    LinePicture::LineMark right;
};

// Form9's Image2 … Image8 and Form10's Image2 … Image5.
const QList<DiagramLine>& addSubDiagramLines();
const QList<DiagramLine>& parenthesesDiagramLines();

// Makes the pictures of a diagram on `screen`, hidden, each named "ImageN".
QList<LinePicture*> addDiagramLines(QWidget* screen, const QList<DiagramLine>& lines);
