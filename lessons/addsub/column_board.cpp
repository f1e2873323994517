#include "lessons/addsub/column_board.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "controls/zoom.h"
#include "ui/screen_builder.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

// Every row, the line and the row under it end on one right edge; the last
// row stands at the same height whatever the number of rows above it.
constexpr int rowsLeft = 600;
constexpr int rowsRight = 700;
constexpr int rowHeight = 40;
constexpr int lastRowTop = 328;
constexpr int signLeft = 584;
constexpr QRect lineBox{580, 372, 121, 2};
constexpr QRect underLineBox{580, 378, 120, 40};
constexpr int rowPixels = 35;
constexpr int markPixels = 21;
constexpr int strikeWidth = 28;
constexpr int strikeHeight = 2;

// A box whose right edge is moved out by the spacing after the last digit, so
// that the ink of every row still ends on the same edge.
QRect spacedBox(const QRect& box, int spacing) {
    return box.adjusted(0, 0, spacing, 0);
}

} // namespace

ColumnBoard::ColumnBoard(QWidget* screen, const QList<int>& rowLabels, DigitCells cells)
    : screen_(screen), rowFont_(look::rounded(rowPixels)),
      digitWidth_(zoom::designed(QFontMetrics(rowFont_).horizontalAdvance(u'0'))),
      spacing_(cells == DigitCells::StrikeWide ? std::max(0, strikeWidth - digitWidth_) : 0) {
    if (spacing_ > 0)
        rowFont_.setLetterSpacing(QFont::AbsoluteSpacing, zoom::length(spacing_));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    int top = lastRowTop - rowHeight * (static_cast<int>(rowLabels.size()) - 1);
    for (int number : rowLabels) {
        const QRect box(rowsLeft, top, rowsRight - rowsLeft, rowHeight);
        rows_ << build::fixedLabel(screen, QStringLiteral("Label%1").arg(number), spacedBox(box, spacing_),
                                   rowFont_, look::navy, right);
        top += rowHeight;
    }
    sign_ =
        build::label(screen, QStringLiteral("Label11"), QPoint(signLeft, lastRowTop), rowFont_, look::navy);
    line_ = build::shape(screen, QStringLiteral("Shape1"), lineBox, look::red, look::navy);
    underLine_ = build::fixedLabel(screen, QStringLiteral("Label9"), spacedBox(underLineBox, spacing_),
                                   rowFont_, look::navy, right);
}

int ColumnBoard::digitCentre(int place) const {
    // The rows are right-aligned and every digit is as wide as the others.
    return rowsRight - place * (digitWidth_ + spacing_) - digitWidth_ / 2;
}

CaptionLabel* ColumnBoard::addMark(const QString& name, int place, int top) const {
    const QFont font = look::rounded(markPixels);
    const QFontMetrics metrics(font);
    // A one-digit mark ends where it stands centred over the row's digit.
    const int markDigit = zoom::designed(metrics.horizontalAdvance(u'0'));
    const int right = digitCentre(place) + (markDigit + 1) / 2;
    const int width = 2 * markDigit;
    return build::fixedLabel(screen_, name,
                             QRect(right - width, top, width, zoom::designed(metrics.height())), font,
                             look::navy, Qt::AlignRight | Qt::AlignTop);
}

Shape* ColumnBoard::addStrike(const QString& name, int place) const {
    // Mid-height of the digits as the top row paints them: from its baseline,
    // half the height a digit's ink rises above it.
    const QFontMetrics metrics(rowFont_);
    const QRect ink = metrics.tightBoundingRect(QStringLiteral("0"));
    const int middle = zoom::designed(rows_.first()->y() + metrics.ascent() + ink.top() + ink.height() / 2);
    const QRect box(digitCentre(place) - strikeWidth / 2, middle - strikeHeight / 2, strikeWidth,
                    strikeHeight);
    Shape* bar = build::shape(screen_, name, box, look::black, look::black);
    bar->hide();
    return bar;
}

void ColumnBoard::draw(const QList<int>& numbers, const QString& sign) const {
    const qsizetype first = rows_.size() - numbers.size();
    for (qsizetype i = 0; i < numbers.size(); ++i)
        rows_.at(first + i)->setCaption(QString::number(numbers.at(i)));
    underLine_->setCaption(QString());
    sign_->setCaption(sign);
    line_->show();
}

void ColumnBoard::writeUnderLine(const QString& text) const {
    underLine_->setCaption(text);
}
