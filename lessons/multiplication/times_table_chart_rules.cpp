#include "lessons/multiplication/times_table_chart_rules.h"

#include "core/random_source.h"

namespace {

constexpr int headingHeight = 27;
constexpr QSize cellSize{39, 27};

// Rows step 40 pixels down from 50, columns 42 across from 43.
int rowTop(int row) {
    return 50 + 40 * (row - 1);
}

int columnLeft(int column) {
    return 43 + 42 * (column - 1);
}

QString labelName(int number) {
    return QStringLiteral("Label") + QString::number(number);
}

} // namespace

int chartCellLabel(int row, int column) {
    return 16 + 9 * row + column;
}

QString chartProductText(int row, int column) {
    return QString::number(row * column);
}

QList<ChartLabel> chartRowHeadings() {
    QList<ChartLabel> headings;
    for (int row = 1; row <= chartSize; ++row)
        headings.append({labelName(7 + row), QRect(0, rowTop(row), 40, headingHeight), QString::number(row)});
    return headings;
}

QList<ChartLabel> chartColumnHeadings() {
    QList<ChartLabel> headings;
    for (int column = 1; column <= chartSize; ++column)
        headings.append({labelName(16 + column),
                         QRect(columnLeft(column), 10, column == 1 ? 39 : 40, headingHeight),
                         QString::number(column)});
    return headings;
}

QList<ChartLabel> chartCells() {
    QList<ChartLabel> cells;
    for (int row = 1; row <= chartSize; ++row)
        for (int column = 1; column <= chartSize; ++column)
            cells.append({labelName(chartCellLabel(row, column)),
                          QRect(QPoint(columnLeft(column), rowTop(row)), cellSize),
                          chartProductText(row, column)});
    return cells;
}

QList<ChartLine> chartGridLines() {
    // The fifth line lies at 202, two pixels below the rhythm of the others.
    static constexpr int tops[] = {40, 80, 120, 160, 202, 240, 280, 320, 360};
    QList<ChartLine> lines;
    int shape = 6;
    for (int top : tops)
        lines.append(
            {QStringLiteral("Shape") + QString::number(shape++), QRect(0, top, chartPanelRect.width(), 1)});
    for (int column = 1; column <= chartSize; ++column)
        lines.append({QStringLiteral("Shape") + QString::number(shape++),
                      QRect(42 * column, 0, 1, chartPanelRect.height())});
    return lines;
}

ChartQuestion askChartCell(RandomSource& random) {
    random.reseed();
    ChartQuestion q;
    q.row = random.R(8) + 1;
    q.column = random.R(8) + 1;
    q.cellLabel = chartCellLabel(q.row, q.column);
    q.answer = q.row * q.column;
    return q;
}

QString chartQuestionText(int row, int column) {
    return QString::number(row) + QStringLiteral(" x ") + QString::number(column) + QStringLiteral(" =");
}

QString chartAnswerText(int row, int column) {
    return chartQuestionText(row, column) + u' ' + chartProductText(row, column);
}
