#include "lessons/wordproblems/line_picture.h"

#include "controls/look.h"
#include "controls/zoom.h"

#include <QPainter>

namespace {

using Mark = LinePicture::LineMark;

// Rows and columns below count from 0 at the top-left of the strip.
constexpr int lineTop = 4; // the line fills rows 4 and 5
constexpr int lineThickness = 2;
constexpr int tickTop = 2; // a tick spans rows 2 to 7
constexpr int tickHeight = 6;
constexpr int tickWidth = 2;
constexpr int strokeWidth = 3;
constexpr int strokeRows = 4; // rows 0–3 above the line, 6–9 below it

// A tick: a bar over rows 2–7 at the edge.
void paintTick(QPainter& p, int width, bool atRight) {
    p.fillRect(QRect(atRight ? width - tickWidth : 0, tickTop, tickWidth, tickHeight), Qt::black);
}

// An arrowhead: two strokes, one pixel further out per row as they near the
// line, the outermost pixel one short of the edge (rows 3 and 6).
void paintArrowhead(QPainter& p, int width, bool atRight) {
    for (int i = 0; i < strokeRows; ++i) {
        const int reach = strokeRows - 1 - i; // how far short of the innermost position
        const int x = atRight ? width - 1 - strokeWidth - reach : 1 + reach;
        p.fillRect(QRect(x, i, strokeWidth, 1), Qt::black);
        p.fillRect(QRect(x, LinePicture::pictureHeight - 1 - i, strokeWidth, 1), Qt::black);
    }
}

void paintMark(QPainter& p, int width, Mark mark, bool atRight) {
    if (mark == Mark::Tick)
        paintTick(p, width, atRight);
    else if (mark == Mark::Arrowhead)
        paintArrowhead(p, width, atRight);
}

QString markName(Mark mark) {
    switch (mark) {
    case Mark::Tick:
        return QStringLiteral("たてせん");
    case Mark::Arrowhead:
        return QStringLiteral("やじるし");
    default:
        return QStringLiteral("なし");
    }
}

} // namespace

LinePicture::LinePicture(QWidget* parent) : QWidget(parent) {
    marksChanged();
}

void LinePicture::setLeftMark(LineMark mark) {
    left_ = mark;
    marksChanged();
}

void LinePicture::setRightMark(LineMark mark) {
    right_ = mark;
    marksChanged();
}

void LinePicture::marksChanged() {
    setAccessibleName(QStringLiteral("せん（ひだり：") + markName(left_) + QStringLiteral("、みぎ：") +
                      markName(right_) + QStringLiteral("）"));
    update();
}

// Drawn pixel by pixel at any zoom, and only as long as zoomed: a line and
// marks a pixel or two thick would break up if shrunk.
void LinePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    p.fillRect(QRect(0, 0, w, pictureHeight), look::windowBackground);
    p.fillRect(QRect(0, lineTop, w, lineThickness), Qt::black);
    paintMark(p, w, left_, false);
    paintMark(p, w, right_, true);
}

const QList<DiagramLine>& addSubDiagramLines() {
    static const QList<DiagramLine> lines{
        {2, {186, 466, 300, 17}, Mark::Tick, Mark::Arrowhead},
        {3, {486, 466, 100, 17}, Mark::None, Mark::Arrowhead},
        {4, {186, 496, 300, 17}, Mark::Tick, Mark::Tick},
        {5, {486, 496, 100, 17}, Mark::Arrowhead, Mark::Tick},
        {6, {186, 304, 400, 17}, Mark::Tick, Mark::Arrowhead},
        {7, {186, 336, 400, 17}, Mark::Tick, Mark::Tick},
        {8, {486, 280, 100, 17}, Mark::Tick, Mark::Tick},
    };
    return lines;
}

const QList<DiagramLine>& parenthesesDiagramLines() {
    static const QList<DiagramLine> lines{
        {2, {192, 304, 300, 17}, Mark::Tick, Mark::Tick},
        {3, {492, 304, 100, 17}, Mark::None, Mark::Arrowhead},
        {4, {592, 304, 67, 17}, Mark::None, Mark::Arrowhead},
        {5, {526, 320, 67, 17}, Mark::Arrowhead, Mark::Tick},
    };
    return lines;
}

QList<LinePicture*> addDiagramLines(QWidget* screen, const QList<DiagramLine>& lines) {
    QList<LinePicture*> pictures;
    for (const DiagramLine& line : lines) {
        auto* picture = new LinePicture(screen);
        picture->setObjectName(QStringLiteral("Image%1").arg(line.image));
        picture->setGeometry(zoom::box(line.frame));
        picture->setLeftMark(line.left);
        picture->setRightMark(line.right);
        picture->hide();
        pictures << picture;
    }
    return pictures;
}
