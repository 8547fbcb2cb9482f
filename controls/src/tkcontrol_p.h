// SPDX-License-Identifier: GPL-3.0-or-later
// The private part of every control, behind TKControl's d-pointer: its
// fields, the internal-update flag, the focus bookkeeping, the enabled and
// locked flags, and the hooks through which the fields hand keys, changes,
// focus moves, clicks and pastes to the control's own rules. Each control's
// private part derives from this class and implements the hooks.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QList>

class QLabel;
class TKField;

class TUNDKAST_NO_EXPORT TKControl::Private
{
public:
    explicit Private(TKControl *control);
    virtual ~Private();

    static Private *of(TKControl *control) { return control->d.get(); }

    // ---- hooks the fields call ---------------------------------------------
    // A key typed in a field: Qt::Key_0 .. Qt::Key_9 and Qt::Key_Minus for
    // those characters, Qt::Key_Backspace, Qt::Key_Return or Qt::Key_Enter;
    // every other character arrives as Qt::Key_unknown. Returns true when the
    // field is to apply the key (insert the character at the caret, or delete
    // the character before it), false when the key is discarded or the
    // control did the edit itself.
    virtual bool fieldKey(TKField *field, Qt::Key key) = 0;
    // Tab in a field; true when the control took the focus move itself.
    virtual bool fieldTab(TKField *field);
    // Change processing of a field's text; not called while updating internally.
    virtual void fieldChanged(TKField *field) = 0;
    // Focus left the field for another field (or left the control).
    virtual void fieldValidate(TKField *field);
    // Focus came into the control from outside, arriving at field.
    virtual void controlEntered(TKField *field);
    // Focus left the control from field (after fieldValidate).
    virtual void controlLeft(TKField *field);
    // A double-click on a field; true when the control handled it.
    virtual bool fieldDoubleClicked(TKField *field);
    // True when text may be pasted into field as it stands now.
    virtual bool canPaste(TKField *field, const QString &text) const;
    // Inserts text that canPaste accepted.
    virtual void doPaste(TKField *field, const QString &text);
    // Brings the flags up to date with the fields after the control changed a
    // text on its own account (zero-filling on a focus move and the like):
    // raises TKChange when a flag changed, and the property change signals.
    virtual void updateState() = 0;

    // ---- what the fields report ----------------------------------------------
    void onFieldTextChanged(TKField *field);
    void fieldFocusIn(TKField *field, Qt::FocusReason reason);
    void fieldFocusOut(TKField *field, Qt::FocusReason reason);

    // ---- building blocks of the controls -------------------------------------
    // Pixels at 96 DPI to device-independent pixels of the control's screen.
    int px(int pixels) const;
    TKField *addField(const QString &objectName, int left, int width, int maxLength);
    QLabel *addSeparator(const QString &objectName, const QString &text, int left);
    // The character code of a key as modTundkast::FilterDigitKey takes it:
    // 8 for Backspace, '0' .. '9' for the digits, 0 for every other key.
    static int characterCode(Qt::Key key);
    // Moves the focus to field without running the entry rules of the control.
    void focusField(TKField *field);
    // Sets a field's text and caret on the control's own account: no change
    // processing runs.
    void setTextInternally(TKField *field, const QString &text, int caret = -1);
    // Detaches the fields from this part as the control is destroyed, so
    // that focus moves during the destruction reach nothing half gone.
    void detachFields();

    TKControl *const control;
    QList<TKField *> fields;
    bool enabled = true;
    bool locked = false;

private:
    int internal = 0;
    bool focusInside = false;
    bool movingFocus = false;
    bool entering = false;
};
