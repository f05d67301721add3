// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>
#include <QFont>
#include <QMetaType>
#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace quimbra {

// A window's layout as data: one row per control in tab order, measured in
// twips (15 twips are one pixel at 96 dots per inch), mirroring how the
// windows were drawn. buildControls() turns a table into widgets.

// Slider, ComboBox and Canvas (a custom-painted area, see Canvas in
// widgets.h) take the focus like buttons, lists and text boxes; so do
// CheckBox (its caption beside it) and SpinBox (a whole number with arrows).
// A ProgressBar does not. A Document is a page of formatted text to read,
// scroll and copy (the help).
enum class Kind { Button, ListBox, TextBox, Label, Frame, Slider, ComboBox, Canvas,
                  CheckBox, SpinBox, ProgressBar, Document, TextArea, Grid };

enum class Face { Sans, Mono }; // "MS Sans Serif" and "Courier", with fallbacks

struct FontSpec
{
    Face face = Face::Sans;
    double points = 8.25;
    bool bold = false;
};

// A control's colour: the toolkit's usual one, a fixed RGB, or the desktop's
// colours for the inside of text fields.
struct Colour
{
    enum Role { Default, Rgb, FieldBackground, FieldText } role = Default;
    QRgb rgb = 0;
};

inline constexpr Colour defaultColour{};
inline constexpr Colour rgb(int r, int g, int b)
{
    return {Colour::Rgb, qRgb(r, g, b)};
}
inline constexpr Colour fieldBackground{Colour::FieldBackground, 0};
inline constexpr Colour fieldText{Colour::FieldText, 0};

// The program's own colours, used by the layout tables and by the painted
// step views alike.
namespace palette {
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb blue = qRgb(0, 0, 255);
inline constexpr QRgb paleYellow = qRgb(255, 255, 192);
inline constexpr QRgb paleCyan = qRgb(192, 255, 255);
inline constexpr QRgb darkRed = qRgb(64, 0, 0);
inline constexpr QRgb magenta = qRgb(192, 0, 192);
} // namespace palette

// The fonts and colours that the layout tables share.
namespace fonts {
inline constexpr FontSpec sans825{Face::Sans, 8.25, false};
inline constexpr FontSpec sans825b{Face::Sans, 8.25, true};
inline constexpr FontSpec sans975b{Face::Sans, 9.75, true};
inline constexpr FontSpec sans12b{Face::Sans, 12, true};
inline constexpr FontSpec mono975{Face::Mono, 9.75, false};
inline constexpr FontSpec mono975b{Face::Mono, 9.75, true};
inline constexpr FontSpec mono12b{Face::Mono, 12, true};
} // namespace fonts

namespace colours {
inline constexpr Colour none = defaultColour;
inline constexpr Colour white{Colour::Rgb, palette::white};
inline constexpr Colour blue{Colour::Rgb, palette::blue};
inline constexpr Colour paleYellow{Colour::Rgb, palette::paleYellow};
inline constexpr Colour paleCyan{Colour::Rgb, palette::paleCyan};
inline constexpr Colour darkRed{Colour::Rgb, palette::darkRed};
inline constexpr Colour magenta{Colour::Rgb, palette::magenta};
} // namespace colours

enum Flag : unsigned { NoFlags = 0, Centred = 1, Bordered = 2 };

struct ControlSpec
{
    const char *name;
    int index; // -1 unless a member of a control array
    Kind kind;
    const char *container; // nullptr: the window itself, else a frame's name
    int left, top, width, height;
    const char *caption; // UTF-8; nullptr for none
    FontSpec font;
    Colour background, text;
    unsigned flags;
    const char *accessibleName; // what a screen reader says the control is for
};

struct FormLayout
{
    const char *name;
    const char *caption;
    int width, height; // client area
    Colour background;
    std::vector<ControlSpec> controls; // in tab order
    // A window that may be larger than a screen (a step view, the chart at a
    // large zoom): its controls stand on a page of the layout's size inside
    // a scroll area; the window opens no larger than its screen's free area
    // and can be resized, up to the page's size. The others keep their size.
    bool scrolls = false;
};

inline constexpr int TwipsPerPixel = 15;

// The zoom of all the program's windows, in percent of their drawn size
// (zoom.h steps it). Every twip measure and every font size is multiplied
// by it, on top of the screen's own scaling.
int zoomPercent();

// Sets that factor and places every window that buildControls() built again
// at it; returns those windows. Only the zoom (zoom.h) calls it: the layouts
// know nothing of keys, steps or screens.
QList<QWidget *> setLayoutZoom(int percent);

// Twips to pixels at a zoom, rounded to the nearest pixel.
inline constexpr int pxAt(int twips, int percent)
{
    return (twips * percent + TwipsPerPixel * 50) / (TwipsPerPixel * 100);
}

// Twips to pixels at the current zoom.
inline int px(int twips)
{
    return pxAt(twips, zoomPercent());
}

// The font of a layout at the current zoom.
QFont fontFor(const FontSpec &wanted);

// Whether Tab visits controls of this kind (labels and frames never take the focus).
bool takesFocus(Kind kind);

// Sizes the window from the table and creates its controls, frames first so
// that they can hold others. Sets the tab order and every objectName; members
// of a control array carry their index as the dynamic property "Index".
// The window and its controls remember their twips, so that a zoom step
// places them again (see zoom.h); a window built while zoomed comes up zoomed.
void buildControls(QWidget *window, const FormLayout &layout);

// Places a control at a rectangle in twips with a layout font, and remembers
// both for the zoom steps. buildControls() does it for every control of its
// table; a window that adds a control of its own can do the same.
void placeControl(QWidget *control, const QRect &twips, const FontSpec &font);

// Whether buildControls() built this window.
bool isLayoutWindow(const QWidget *window);

// The size in twips of the layout a window was built from (empty for other windows).
QSize layoutTwips(const QWidget *window);

// Sizes and places a window built by buildControls() and all its placed
// controls again at the current zoom.
void placeAgain(QWidget *window);

} // namespace quimbra

Q_DECLARE_METATYPE(quimbra::FontSpec)
