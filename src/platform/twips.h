// Twip geometry (1440 to the inch) and the program's control colours.
#pragma once

#include <QColor>
#include <QRect>

class QWidget;

namespace twips {

// Pixels for a length in twips at the screen's logical DPI (15 twips a pixel at 96 DPI).
int px(int twips);
// Twips for a length in pixels.
int fromPx(int pixels);
QRect rect(int left, int top, int width, int height);
// Places a control at a twip position and size.
void place(QWidget* w, int left, int top, int width, int height);
// Gives a window its client size in twips.
void setClientSize(QWidget* w, int width, int height);
// Moves a window (its frame) to a twip position on the screen.
void moveTo(QWidget* w, int left, int top);

}  // namespace twips

namespace colours {
inline const QColor Yellow(255, 255, 0);  // input boxes
inline const QColor Aqua(0, 255, 255);    // descriptive labels
inline const QColor Green(0, 255, 0);     // result labels
inline const QColor Grey(0xC0, 0xC0, 0xC0);
}  // namespace colours

// Sets the background of a window, label or frame (and makes it paint it).
void setBackColour(QWidget* w, const QColor& colour);
// Sets the colour inside a text box, drop-down list or grid.
void setBoxColour(QWidget* w, const QColor& colour);
