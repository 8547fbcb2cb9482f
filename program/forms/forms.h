// SPDX-License-Identifier: GPL-3.0-or-later
// How every window of the program is built. A window declares its controls
// in a Qt Designer form (a .ui file that AUTOUIC compiles) and calls
// finish() after setupUi; it takes everything else from here: the conversion
// of twips to pixels, the forms' fonts and colours, the program icon, the
// cancel button's Esc key, the drag-off rule of buttons, and the help topics
// with their "Appi" pop-up menu.
//
// Windows not yet declared in a form lay out their controls from a table of
// twips (1/1440 inch) with the builders below, which name each control with
// its name from the design (its objectName, letters with diacritics kept), so
// a test or a screen reader finds it; a window sets what is its own (a font,
// an alignment) afterwards.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>

#include <functional>

class QAbstractButton;
class QMenu;
class QWidget;

namespace forms {

// ---- Twips -----------------------------------------------------------------

// Twips to pixels through the logical DPI of a screen, so that a layout
// keeps its proportions with the fonts, whose point sizes follow the same
// DPI; at 96 DPI 15 twips are one pixel. Each value rounds to the nearest
// pixel on its own; negative twips give negative pixels.
struct Twips {
    double dpiX = 96;
    double dpiY = 96;

    // The screen the widget is on (the primary screen for nullptr).
    static Twips of(const QWidget *w);

    int x(int twips) const;
    int y(int twips) const;
    // Left, top, width, height in twips.
    QRect rect(int left, int top, int width, int height) const;
    QRect rect(const QRect &twips) const;
    QSize size(int width, int height) const;
    // Twips per pixel across, rounded to an integer (halves to even).
    int perPixelX() const;
};

// ---- Forms -----------------------------------------------------------------
//
// A window's form (.ui) lays it out in pixels at 96 DPI, that is in twips
// divided by 15, so that Qt Designer shows it at its size on a normal
// screen. The form says the controls, their objectNames, geometry, fonts,
// texts, tooltips, tab order and names for screen readers (accessibleName
// and the dynamic property "a11y", see tell() below); the Tundkast boxes
// come into it through the control library's Designer plugin, with their
// persisted limits as properties. The window class holds
// std::unique_ptr<Ui::X>, calls setupUi(this) and then finish(this) once;
// finish() applies what a form cannot say, read from dynamic properties
// (stdset="0") that the form sets:
//
//   on any control
//     points           double  the font's size in points where the form's whole
//                              points cannot say it (9.75, 13.5)
//     twips            QRect   the exact geometry in twips where it is not a
//                              whole number of pixels at 96 DPI (the form's
//                              geometry holds it rounded)
//     textColour       QColor  the text colour, through the light/dark rule
//     textColourRole   string  the text in a colour of the inherited palette
//                              (a QPalette::ColorRole key: "Highlight")
//     greyWhenDisabled bool    a disabled control shows the style's grey
//                              instead of its colour
//     background       QColor  a filled background, through the light/dark rule
//     line             string  the control is a line of one pixel in a colour
//                              of the style: "shadow" (QPalette::Dark),
//                              "highlight" (QPalette::Light), or "etched": the
//                              highlight half of an etched line, which keeps
//                              its offset in pixels from the line drawn just
//                              before it
//     helpTopic        int     a help context number (setHelpTopic)
//     index            int     the control is element <index> of a control
//                              array, whose elements share one objectName: the
//                              form names it "<array>_<index>" (Designer wants
//                              names of their own) and it is given "<array>"
//   on a button
//     dragOffFocus     string  objectNames separated by spaces: the drag-off
//                              rule gives the focus to the first of them that
//                              is enabled
//   on the window
//     cancelButton     string  objectName of the button Esc clicks
//                              (makeCancelButton)
//
// finish() rescales every geometry from the form's pixels through the
// logical DPI of the window's screen, exactly as the twips they stand for
// (see Twips): the controls inside the window and inside its plain frames
// (QFrame and QWidget containers; a control's own parts are its own), and
// the client area, fixed at its size: a dialog's own size, a main window's
// central widget's minimum size, with the menu bar's height added. A window
// that adds controls of its own in form units (rows beyond those of its form)
// does so before finish().
namespace formProperty {
inline constexpr char points[] = "points";
inline constexpr char twips[] = "twips";
inline constexpr char textColour[] = "textColour";
inline constexpr char textColourRole[] = "textColourRole";
inline constexpr char greyWhenDisabled[] = "greyWhenDisabled";
inline constexpr char background[] = "background";
inline constexpr char line[] = "line";
inline constexpr char helpTopic[] = "helpTopic";
inline constexpr char index[] = "index";
inline constexpr char dragOffFocus[] = "dragOffFocus";
inline constexpr char cancelButton[] = "cancelButton";
} // namespace formProperty

// Twips in one pixel of a form (at 96 DPI).
inline constexpr int twipsPerFormPixel = 15;

// Applies the dynamic properties above and the DPI once, after setupUi. A
// name that finds no control (a misspelt cancel button or focus target) is
// a warning, never a crash.
void finish(QWidget *window);

// The font w has after finish(): its form font at its exact size.
QFont formFont(const QWidget *w);

// ---- Windows ---------------------------------------------------------------

// The title bar of a fixed-size dialog: its title and a close button.
void setDialogTitleBar(QWidget *dialog);
// Left and top of a window of the given size over its owner's frame:
// horizontally centred, less shiftLeft pixels, its top at the owner's
// vertical centre less four sevenths of the window's height.
QPoint centredOver(const QRect &ownerFrame, const QSize &size, int shiftLeft);

// ---- Fonts -----------------------------------------------------------------

// The forms name the fonts of their original platform; these are mapped to
// fonts every Linux desktop of ours has: "MS Sans Serif" and "Arial" to
// Liberation Sans, "MS Serif" and "Book Antiqua" to Liberation Serif,
// "Fixedsys" to DejaVu Sans Mono. Safe to call more than once.
void installFontSubstitutions();

QFont font(const char *family, double points, bool bold = false);
// "MS Sans Serif", the forms' own font.
QFont sans(double points, bool bold = false);

// ---- Colours ---------------------------------------------------------------

namespace colour {
inline const QColor darkBlue{0, 0, 128};
inline const QColor blue{0, 0, 192};
inline const QColor darkRed{192, 0, 0};
inline const QColor red{255, 0, 0};
inline const QColor silver{192, 192, 192};
} // namespace colour

// One rule for light and dark desktops. The colours of the forms hold as
// they are on a light palette. On a dark palette (its window colour darker
// than its text) each becomes the shade of its own hue that reads there: a
// text colour the least lighter shade that reaches a contrast of 4.5 : 1
// against the background it is drawn on, a background colour its mirror in
// lightness, so that the window stays dark. Widgets given a colour here
// follow a change of the desktop's palette while they live.

// The contrast ratio of two colours (WCAG 2): 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);
bool isDark(const QPalette &palette);
// The shade of a text colour on a background of a light or dark palette.
QColor textShade(const QColor &colour, const QColor &background, bool dark);
// The shade of a background colour on a light or dark palette.
QColor backgroundShade(const QColor &colour, bool dark);
// The colour the widget's background is drawn in: its own when it fills
// its background, else that of the nearest parent that does, else its window's.
QColor drawnBackground(const QWidget *w);

// Whether a disabled control keeps its colour or shows the style's grey.
enum class WhenDisabled { SameColour, StyleGrey };
// The widget's text in the colour (through the rule above).
void setTextColour(QWidget *w, const QColor &colour,
                   WhenDisabled disabled = WhenDisabled::SameColour);
// The widget's text in a colour of the palette it inherits (the system's
// highlight colour, say), through the rule above.
void setTextColour(QWidget *w, QPalette::ColorRole role,
                   WhenDisabled disabled = WhenDisabled::SameColour);
// The text colour given to the widget above, as given (before any shading);
// invalid for a widget given none.
QColor textColourOf(const QWidget *w);
// Fills the widget's background with the colour (through the rule above).
void setBackground(QWidget *w, const QColor &colour);

// ---- The program icon ------------------------------------------------------

// The clock face with its small flag, in every drawn size (32 to 256 pixels).
QIcon programIcon();

// ---- Buttons ---------------------------------------------------------------

// Esc anywhere in the window clicks the cancel button, if it is enabled.
// (A QDialog has this of its own; other windows get it here.)
void makeCancelButton(QWidget *window, QAbstractButton *cancel);

// The drag-off rule: when the pointer leaves the button with exactly the
// left mouse button held, the pending click is cancelled (releasing does
// not click, also after moving back) and then runs; it says where the focus
// goes.
void onDragOff(QAbstractButton *button, std::function<void()> then);

// ---- Screen readers --------------------------------------------------------

// What a screen reader is told of a control is set where the control is
// built: its accessible name, and for a label the dynamic property "a11y",
// words that say how the label is read (a form sets both as properties):
//   readout          the name is "<accessible name>, <current text>"
//   hideWhenEmpty    a readout without text is left out
//   hidden           a caption or unit that a readout's name already says
//   image            a picture: named while it shows one, else left out
//   todayWhenItalic  a week label in italic type adds ", tänane nädal"
//   holidayMarks     a holiday row adds its red and its flag
//   weekdayHeader    a three-letter weekday header reads as the whole name
inline constexpr char accessibilityProperty[] = "a11y";
void tell(QWidget *w, const QString &name, const QString &how = QString());

// ---- Help ------------------------------------------------------------------

// The short help text of a context number, or an empty string for a number
// without a topic: 11 to 14 explain the main window's readout groups
// (Internet time, Unix time, the Julian dates, the clock difference), 20,
// 30 and 40 the calculators' Julian check boxes (a date read in either
// calendar, the date of a day number, a date shifted by days).
QString helpTopic(int context);

// Gives w the help text of a context number as its What's This text and,
// for a screen reader, as its accessible description.
void setHelpTopic(QWidget *w, int context);

// The pop-up menu "Appi" (mnuAbi) with its one item "&Mis see on?"
// (mnuAbiM), owned by the window; choosing the item runs whatIsThis. The
// window also gets Shift+F1, which starts What's This from the keyboard.
QMenu *helpMenu(QWidget *window, std::function<void()> whatIsThis);

} // namespace forms
