#pragma once
// The window's fonts and colours. The game was drawn with two Japanese
// Gothic faces, a fixed-pitch one for buttons and lists and a proportional
// one for the help text; the IPA fonts are their free equivalents. Sizes are
// pixel heights, so the window looks the same on any screen resolution.

#include <QColor>
#include <QFont>
#include <QStringList>

class QPushButton;
class QWidget;

// The fixed-pitch Gothic (IPAGothic).
QFont GothicFont(int pixels, bool bold);
// The proportional Gothic (IPAPGothic).
QFont PGothicFont(int pixels, bool bold);

// The named system colours of the classic desktop the window was designed on.
inline const QColor kColorBtnFace(0xF0, 0xF0, 0xF0);
inline const QColor kColorInactiveCaption(0xBF, 0xCD, 0xDB);
inline const QColor kColorWindowText(0x00, 0x00, 0x00);

// Gives a widget a background of its own and a text colour.
void SetColors(QWidget* widget, const QColor& background, const QColor& text);
// Only the text colour.
void SetTextColor(QWidget* widget, const QColor& text);

// A command button at its place in a panel. It starts disabled (a button
// set or its owner enables it) and takes no keyboard focus: the window
// takes the keys.
QPushButton* MakeCommandButton(QWidget* parent, const char* caption, int left, int top, int width, int height);

// The four board sizes as 新規 lists them.
QStringList BoardSizeCaptions();
