#pragma once

#include "lessons/wordproblems/line_picture.h"
#include "lessons/wordproblems/word_problem_diagram.h"
#include "ui/lesson_screen.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// One label of a diagram: its number ("LabelN"), where it stands, and
// the caption it has for good (letters, row names) or none (numbers).
struct DiagramLabel {
    int number;
    QPoint at;
    QString caption = {};
};

// What sets one story screen apart from the other.
struct WordProblemLayout {
    QString objectName;
    QString windowCaption;
    int height;
    QString title;
    QRect titleFrame;
    QString stepCaption; // the ステップ button as laid out
    QPoint problemAt;
    QPoint stepTextAt;
    QPoint verdictAt;
    QPoint pictureAt;
    QRect hintBox;
    QStringList hintLines;
    int kinds;
    int steps;
    DiagramControls controls;
    QList<DiagramLine> lines;
    QList<DiagramLabel> numbers;
    QColor numberColor;
    bool numbersOnWindowColour;   // painted over the lines they stand on
    QList<DiagramLabel> letters;  // red bold, marking the ends of the answer's segment
    QList<DiagramLabel> rowNames; // navy, left of the rows
    QString testPrompt = {};      // where it is not the shared one
};

// The frame the two story-problem screens share: no menu, つぎへ from the
// start, a rotation of story kinds that starts over on every showing, and the
// ステップ walk through a line diagram.
class WordProblemScreen : public LessonScreen {
    Q_OBJECT
protected:
    WordProblemScreen(QWidget* parent, const WordProblemLayout& layout);

    // The story starts over at its first kind on every showing.
    void onShow() override;
    void beforeNextProblem() override;

    // Adds a step to the diagram: its text in Label6, its lines (moved to their
    // row first), its numbers and its letters or row names. Nothing shown
    // before is hidden.
    void showDiagramStep(const DiagramStep& step);
    // Hides the lines and empties the number labels: the diagram starts afresh.
    void clearDiagram();

private:
    LinePicture* diagramLine(int image) const;

    QMap<int, LinePicture*> lines_; // by image number
    int kinds_;
    DiagramControls controls_;
};
