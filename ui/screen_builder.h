#pragma once

#include <QColor>
#include <QFont>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;
class QLabel;

class CaptionLabel;
class CaptionedList;
class Shape;
class StatusBar;
class TCuteButton;

// Creates the controls of a screen, each under the object name that the
// handlers and the tests look it up by.
namespace build {

CaptionLabel* label(QWidget* parent, const QString& name, QPoint at, const QFont& font, const QColor& color,
                    const QString& caption = {});
// A label with a fixed box, for right-aligned numbers and the ○/× mark.
CaptionLabel* fixedLabel(QWidget* parent, const QString& name, const QRect& box, const QFont& font,
                         const QColor& color, Qt::Alignment alignment, const QString& caption = {});
TCuteButton* button(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                    const QColor& face, const QColor& text, const QFont& font);
CaptionedList* list(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                    const QStringList& items, const QFont& font, const QColor& color);
Shape* shape(QWidget* parent, const QString& name, const QRect& box, const QColor& brush, const QColor& pen);
QLabel* childPicture(QWidget* parent, const QString& name, QPoint at);
QPlainTextEdit* memo(QWidget* parent, const QString& name, const QRect& box, const QStringList& lines,
                     const QFont& font, const QColor& color);
// A status bar along the bottom edge: a first panel of the given width and the
// centred 50-pixel clock panel.
StatusBar* clockStatusBar(QWidget* parent, int firstPanelWidth);

} // namespace build

// Writes the current date and time into panel 1 of a screen's StatusBar1.
void showClock(QWidget* screen);
