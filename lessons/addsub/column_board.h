#pragma once

#include <QFont>
#include <QList>
#include <QString>

class CaptionLabel;
class QWidget;
class Shape;

// The written column both column screens work on: the rows of numbers on one
// right edge, standing on the line; the sign left of the last row; the row
// under the line; and the small marks and strike-through bars that go on the
// digits of the top row.
class ColumnBoard {
public:
    // How far apart the digits of a row stand: as the font sets them, or each
    // in a cell as wide as a strike-through bar, so that a bar crosses its
    // digit and leaves the neighbours clear.
    enum class DigitCells { Natural, StrikeWide };

    // Builds the rows, top row first, as Label<n> for the given numbers, the
    // sign Label11, the line Shape1 and the row under the line, Label9.
    ColumnBoard(QWidget* screen, const QList<int>& rowLabels, DigitCells cells = DigitCells::Natural);

    // A digit place: 0 the ones, 1 the tens, 2 the hundreds.
    // A small mark over that digit of the top row, right-aligned, its top edge at `top`.
    CaptionLabel* addMark(const QString& name, int place, int top) const;
    // A hidden bar that, shown, strikes through that digit of the top row at mid-height.
    Shape* addStrike(const QString& name, int place) const;

    // Writes the numbers into the rows, the last number into the last row;
    // rows above them keep what they show. The row under the line is emptied,
    // the sign written and the line shown.
    void draw(const QList<int>& numbers, const QString& sign) const;
    void writeUnderLine(const QString& text) const;

    Shape* line() const { return line_; }

private:
    // The middle of a place's digit in every row.
    int digitCentre(int place) const;

    QWidget* screen_;
    QFont rowFont_;
    int digitWidth_; // the ink's advance, as designed
    int spacing_;    // added after every digit, as designed
    QList<CaptionLabel*> rows_;
    CaptionLabel* sign_;
    Shape* line_;
    CaptionLabel* underLine_;
};
