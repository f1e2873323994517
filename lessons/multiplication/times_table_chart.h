#pragma once

#include <QFrame>
#include <QList>

class CaptionLabel;

// Panel1 of the multiplication screen: the 9 × 9 times table with its headings and grid lines. The
// cells keep their captions and colours for the life of the screen; only the screen changes them.
class TimesTableChart final : public QFrame {
    Q_OBJECT
public:
    explicit TimesTableChart(QWidget* parent);

    // Every cell its product again, whatever it was asked; the colours stay.
    void showProducts();
    // Every cell teal.
    void resetColours();
    // The cell label numbered cellLabel (26 … 106) red, captioned "?".
    void ask(int cellLabel);
    // The asked cell shows the product of row × column; it stays red.
    void answer(int cellLabel, int row, int column);

private:
    // The labels and lines are made the first time the chart is used: a chart nobody has looked at
    // is all teal products anyway, and start-up need not make 117 widgets nobody sees.
    void build();
    CaptionLabel* cell(int cellLabel);

    QList<CaptionLabel*> cells_; // Label26 … Label106, row by row
};
