#pragma once

#include "controls/look.h"

#include <QList>
#include <QRect>
#include <QString>

class RandomSource;

// 九九の ひょう: the 9 × 9 chart on Panel1 and the questions asked on its cells. Rectangles are in
// panel coordinates unless they say otherwise.

inline constexpr int chartSize = 9;
// Where the screen puts the panel when it shows the chart (window coordinates).
inline constexpr QRect chartPanelRect{176, 128, 424, 404};
inline constexpr int chartFontPixelSize = 21;

// Headings are black and bold; cells teal until asked, then red until the next つぎへ.
inline const QColor& chartPanelColour = look::white;
inline const QColor& chartHeadingColour = look::black;
inline const QColor& chartCellColour = look::teal;
inline const QColor& askedCellColour = look::red;

// Label107 stands at this left edge while a question is open, and goes back to its resting place on a
// menu choice; its top stays 550.
inline constexpr int chartQuestionLeft = 328;
inline constexpr int chartQuestionRestingLeft = 616;

// The caption of the asked cell until it is answered.
inline const QString askedCellCaption = QStringLiteral("?");
// Label6 under the chart: how to read it.
inline const QString chartReadingHint = QStringLiteral(
    "黒字の左の数（かけられる数）と 上の数（かける数） \rの まじわった ところが こたえ だよ。");

// A label on the panel: its objectName, its place and its caption.
struct ChartLabel {
    QString name;
    QRect rect;
    QString caption;
};

// A one-pixel grid line on the panel.
struct ChartLine {
    QString name;
    QRect rect;
};

// The number of the cell label of row r (multiplicand) and column c (multiplier), both 1 … 9:
// 16 + 9r + c, so Label26 is 1 x 1 and Label106 is 9 x 9.
int chartCellLabel(int row, int column);
// What a cell shows when it is not asked: its product.
QString chartProductText(int row, int column);

// Label8 … Label16, "1" … "9" down the left.
QList<ChartLabel> chartRowHeadings();
// Label17 … Label25, "1" … "9" along the top.
QList<ChartLabel> chartColumnHeadings();
// Label26 … Label106, row by row, each captioned with its product.
QList<ChartLabel> chartCells();
// Shape6 … Shape14 across, then Shape15 … Shape23 down.
QList<ChartLine> chartGridLines();

// One question on the chart: the cell of row × column, its label number and its product.
struct ChartQuestion {
    int row = 0;
    int column = 0;
    int cellLabel = 0;
    int answer = 0;
};

// Reseeds, then draws the row and the column (in that order), each 1 … 8: the last row and column are
// never asked.
ChartQuestion askChartCell(RandomSource& random);
// Label107 while the question is open: "r x c =".
QString chartQuestionText(int row, int column);
// Label107 once ◆ is chosen: "r x c = p".
QString chartAnswerText(int row, int column);
