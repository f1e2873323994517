#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QPainter;
class QRect;

// Colours and fonts the screens are drawn with.
namespace look {
inline const QColor navy{0x00, 0x00, 0x80};
inline const QColor olive{0x80, 0x80, 0x00};
inline const QColor green{0x00, 0x80, 0x00};
inline const QColor teal{0x00, 0x80, 0x80};
inline const QColor black{0x00, 0x00, 0x00};
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor darkRed{0xC6, 0x00, 0x00};
inline const QColor skyBlue{0xA6, 0xCA, 0xF0};
inline const QColor moneyGreen{0xC0, 0xDC, 0xC0};
inline const QColor cream{0xFF, 0xFB, 0xF0};
inline const QColor windowBackground{0xEA, 0xEA, 0xFF};
inline const QColor statusBarBackground{0xD0, 0xD0, 0xFF};
inline const QColor topicFace{0xBD, 0xE8, 0xD7};
inline const QColor nextFace{0xFF, 0xA6, 0xFF};

inline const QString roundedFamily = QStringLiteral("HG丸ｺﾞｼｯｸM-PRO");
inline const QString uiGothicFamily = QStringLiteral("MS UI Gothic");

// The rounded gothic the screens ask for, at a pixel size as designed (zoomed here).
QFont rounded(int pixelSize, bool bold = false);
QFont uiGothic(int pixelSize, bool bold = false);

// Draws text as QPainter::drawText does, but keeps a synthesised bold as bold
// on a scaled painter (a 125 %, 150 % or 200 % screen). Every caption drawn in
// a bold font goes through here.
void drawText(QPainter& painter, const QRect& rect, int flags, const QString& text);

// Maps the font names the screens ask for to the fonts this platform has.
void installFontSubstitutions();

// The one light palette every window is drawn with, whatever the desktop's
// theme: each colour role set, so a dark theme has nothing left to change.
QPalette applicationPalette();
// Fusion, which draws with that palette, and the palette itself, for the
// application; the style draws the labels' and headers' texts with drawText above.
void applyApplicationLook();
} // namespace look
