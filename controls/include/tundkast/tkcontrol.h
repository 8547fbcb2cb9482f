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
    Q_PROPERTY(bool TKLubatud READ TKLubatud WRITE setTKLubatud DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKLukus READ TKLukus WRITE setTKLukus DESIGNABLE false STORED false)

public:
    ~TKControl() override;

    /*! The enabled flag of the control's main field; the control itself stays enabled. */
    bool TKLubatud() const;
    /*! Enables or disables every field of the control. */
    void setTKLubatud(bool enabled);
    /*! The read-only flag of the control's main field. */
    bool TKLukus() const;
    /*! Makes every field read-only (nothing can be typed, pasted or filled in) or editable. */
    void setTKLukus(bool locked);

protected:
    explicit TKControl(QWidget *parent);

    // Pixels at 96 DPI to device-independent pixels of this screen.
    int px(int pixels) const;
    TKField *addField(const QString &objectName, int left, int width, int maxLength);
    QLabel *addSeparator(const QString &objectName, const QString &text, int left);
    // The field whose flags TKLubatud and TKLukus report.
    virtual TKField *mainField() const = 0;

    // Hooks the fields call. fieldKey returns the character to insert (0 =
    // discard): a digit, '-' or 8 for Backspace; 13 is Enter.
    virtual int fieldKey(TKField *field, int key) = 0;
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
};
