#pragma once

#include <Parlox/parloxtypes.h>

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

// The layout arithmetic of the message dialog, free of widgets: everything is derived from the
// average letter width and the line height of the dialog font, the measured text and the
// button set.
namespace Parlox::DialogLayout {

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0.
int mulDiv(int a, int b, int c);

// The dialog-unit base of a font from the extent of "A..Za..z" (52 letters).
struct FontUnits {
    int cx = 0; // average letter width: extent width div 52
    int cy = 0; // line height: extent height
};
FontUnits fontUnits(QSize extentOfLetters);

// Margins, spacings and button size in pixels.
struct Metrics {
    int horzMargin = 0;
    int vertMargin = 0;
    int horzSpacing = 0;
    int vertSpacing = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int buttonSpacing = 0;
};
Metrics metrics(FontUnits units);

inline constexpr int IconSize = 32;

// Where everything goes, in client coordinates.
struct Layout {
    QSize block;        // icon and text together
    int groupWidth = 0; // the row of buttons
    QSize client;       // the dialog's fixed client size
    std::optional<QRect> icon;
    QRect label;
    QList<QRect> buttons; // one per button present, in bit order
};
// textSize is the word-wrapped measurement of the text (its right and bottom).
Layout layout(const Metrics &m, QSize textSize, bool hasIcon, int buttonCount);

// Top-left corner of a window of the given size (frame included) centred on the screen.
QPoint centredPosition(const QRect &screen, QSize window);

// One button of the set: its component name (also its caption's message name) and the modal
// result it gives; Help gives none.
struct ButtonInfo {
    TMsgDlgBtn button;
    const char *name;
    TModalResult result;
};
// All eleven, in bit order: the order they appear in.
const std::array<ButtonInfo, 11> &buttonTable();

int buttonCount(TMsgDlgButtons buttons);
// OK, else Yes, else Retry; none when the set holds none of them.
std::optional<TMsgDlgBtn> defaultButton(TMsgDlgButtons buttons);
// Cancel, else No, else OK; none when the set holds none of them.
std::optional<TMsgDlgBtn> cancelButton(TMsgDlgButtons buttons);

} // namespace Parlox::DialogLayout
