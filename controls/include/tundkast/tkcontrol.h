// SPDX-License-Identifier: GPL-3.0-or-later
// The common base of the three controls: the text fields, the sunken border,
// the internal-update flag and the enabled/locked properties they share.
// Hosts use the controls themselves, not this class.
#pragma once

#include <tundkast/tundkast_export.h>

#include <QList>
#include <QWidget>

class TKField;
class QLabel;

class TUNDKAST_EXPORT TKControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool TKLubatud READ TKLubatud WRITE setTKLubatud NOTIFY TKLubatudChanged
               DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKLukus READ TKLukus WRITE setTKLukus NOTIFY TKLukusChanged
               DESIGNABLE false STORED false)

public:
    ~TKControl() override;

    /*! The control's own enabled flag, as last set by setTKLubatud (true at
        first). It does not follow the enabled state of a parent: a box inside
        a disabled frame still reads true, and takes input again as soon as the
        frame is enabled. */
    bool TKLubatud() const;
    /*! Enables or disables every field of the control; the control itself stays enabled. */
    void setTKLubatud(bool enabled);
    /*! The control's read-only flag, as last set by setTKLukus (false at first). */
    bool TKLukus() const;
    /*! Makes every field read-only (nothing can be typed, pasted or filled in) or editable. */
    void setTKLukus(bool locked);

Q_SIGNALS:
    void TKLubatudChanged(bool enabled);
    void TKLukusChanged(bool locked);

protected:
    explicit TKControl(QWidget *parent);

    // Pixels at 96 DPI to device-independent pixels of this screen.
    int px(int pixels) const;
    TKField *addField(const QString &objectName, int left, int width, int maxLength);
    QLabel *addSeparator(const QString &objectName, const QString &text, int left);

    // Hooks the fields call.
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

    // The character code of a key as modTundkast::FilterDigitKey takes it:
    // 8 for Backspace, '0' .. '9' for the digits, 0 for every other key.
    static int characterCode(Qt::Key key);

    // Moves the focus to field without running the entry rules of the control.
    void focusField(TKField *field);
    // Sets a field's text and caret on the control's own account: no change
    // processing runs.
    void setTextInternally(TKField *field, const QString &text, int caret = -1);
    bool updatingInternally() const { return m_internal > 0; }

    void paintEvent(QPaintEvent *event) override;

    QList<TKField *> m_fields;

private:
    friend class TKField;
    void onFieldTextChanged(TKField *field);
    void fieldFocusIn(TKField *field, Qt::FocusReason reason);
    void fieldFocusOut(TKField *field, Qt::FocusReason reason);

    int m_internal = 0;
    bool m_focusInside = false;
    bool m_movingFocus = false;
    bool m_entering = false;
    bool m_enabled = true;
    bool m_locked = false;
};
