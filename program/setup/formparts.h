// Building blocks of the three forms of this folder: controls placed by
// twips, the forms' fonts, the cancel button's Esc key and the rule that a
// drag off a pressed cancel button moves the focus on.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace setup::form {

QFont font(const char *family, double points, bool bold = false);
QFont sans(double points, bool bold = false);

// Sets geometry from twips (left, top, width, height) through the widget's screen DPI.
void place(QWidget *w, int left, int top, int width, int height);
// A captionless frame, an etched box as the forms draw it.
QFrame *frame(QWidget *parent, const QString &name, int left, int top, int width, int height);
QLabel *label(QWidget *parent, const QString &name, const QFont &font, int left, int top,
              int width, int height, const QString &text = QString());
QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &toolTip, const QFont &font, int left, int top, int width,
                    int height);

// Fixed client size in twips; the dialog has no help button and cannot be resized.
void setClientSize(QDialog *dialog, int width, int height);

// Esc presses cancel (as a click), wherever the focus is in the dialog.
void makeCancelButton(QDialog *dialog, QPushButton *cancel);

// While the left button is held on button and the pointer leaves it, the
// focus moves to whatever focusTarget() returns.
void moveFocusWhenDraggedOff(QPushButton *button, std::function<QWidget *()> focusTarget);

// Left and top of a dialog of size dialogSize over the main window's frame:
// horizontally centred, less shiftLeft pixels; its top at the main window's
// vertical centre less four sevenths of the dialog's height.
QPoint centredOver(const QRect &mainFrame, const QSize &dialogSize, int shiftLeft);

} // namespace setup::form
