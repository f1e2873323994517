#include "lessons/multiplication/times_table_chart.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "controls/zoom.h"
#include "core/poruna_error.h"
#include "lessons/multiplication/times_table_chart_rules.h"
#include "ui/screen_builder.h"

namespace {

void setTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    label->setPalette(palette);
}

} // namespace

TimesTableChart::TimesTableChart(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, chartPanelColour);
    setPalette(palette);
    setAutoFillBackground(true);
    setGeometry(zoom::box(chartPanelRect));
    hide();
}

void TimesTableChart::build() {
    for (const ChartLine& line : chartGridLines())
        build::shape(this, line.name, line.rect, look::black, look::black);
    const QFont heading = look::rounded(chartFontPixelSize, true);
    for (const QList<ChartLabel>& headings : {chartRowHeadings(), chartColumnHeadings()})
        for (const ChartLabel& h : headings)
            build::fixedLabel(this, h.name, h.rect, heading, chartHeadingColour, Qt::AlignCenter, h.caption);
    const QFont regular = look::rounded(chartFontPixelSize);
    for (const ChartLabel& c : chartCells())
        cells_ << build::fixedLabel(this, c.name, c.rect, regular, chartCellColour, Qt::AlignCenter,
                                    c.caption);
}

CaptionLabel* TimesTableChart::cell(int cellLabel) {
    if (cells_.isEmpty())
        build();
    const int at = cellLabel - chartCellLabel(1, 1);
    if (at < 0 || at >= cells_.size())
        throw PorunaError(
            QStringLiteral("%1 に Label%2 が ありません。").arg(parentWidget()->objectName()).arg(cellLabel));
    return cells_.at(at);
}

void TimesTableChart::showProducts() {
    if (cells_.isEmpty()) {
        build();
        return;
    }
    const QList<ChartLabel> products = chartCells();
    for (int i = 0; i < cells_.size(); ++i)
        cells_.at(i)->setCaption(products.at(i).caption);
}

void TimesTableChart::resetColours() {
    for (CaptionLabel* c : cells_)
        setTextColour(c, chartCellColour);
}

void TimesTableChart::ask(int cellLabel) {
    CaptionLabel* asked = cell(cellLabel);
    setTextColour(asked, askedCellColour);
    asked->setCaption(askedCellCaption);
}

void TimesTableChart::answer(int cellLabel, int row, int column) {
    cell(cellLabel)->setCaption(chartProductText(row, column));
}
