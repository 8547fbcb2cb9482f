// SPDX-License-Identifier: GPL-3.0-or-later
// TKKellaKast: a time-of-day box of three fields, hh:mm:ss. It tells whether
// all three parts are filled in and returns the time as a text.
//
// The all-set flag always says what the fields show; TKChange is raised
// after every change of the text that the user makes and whenever the flag
// changes.
//
// A program reads and writes the time through the user property kell
// (kell(), setKell(), kellChanged); TKKell, the time as a text, serves
// programs that reach the box by name.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QTime>
#include <QVariant>

class TUNDKAST_EXPORT TKKellaKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kellaaja kast.")
    Q_PROPERTY(QVariant TKKell READ TKKell NOTIFY TKKellChanged DESIGNABLE false STORED false)
    // The value as a QTime, the documented way to read and write it, also
    // for forms, QDataWidgetMapper and bindings.
    Q_PROPERTY(QTime kell READ kell WRITE setKell NOTIFY kellChanged USER true)

public:
    /*! An empty box. */
    explicit TKKellaKast(QWidget *parent = nullptr);
    ~TKKellaKast() override;

    /*! The time when all three fields are filled in; an invalid QTime otherwise. */
    QTime kell() const;
    /*! "hh:mm:ss" (each part zero-filled) when all three fields are filled in;
        otherwise an invalid QVariant. */
    QVariant TKKell() const;

    /*! 70 × 22 pixels at 96 DPI, the box's fixed size. */
    QSize sizeHint() const override;

public Q_SLOTS:
    /*! Shows a time to the second (milliseconds are dropped); an invalid QTime
        empties the box. When the text changes TKChange is raised; TKFullChange
        is not. */
    void setKell(const QTime &time);
    /*! Empties the three fields and raises TKChange(false). */
    void TKClear();
    /*! Moves the focus to the hour field. */
    void TKFocusInValidation();

Q_SIGNALS:
    /*! The content changed or the flag changed; TundMinSekMaaratud is the
        all-set flag. */
    void TKChange(bool TundMinSekMaaratud);
    /*! Enter was typed while all three fields are filled in. */
    void TKEnterPress();
    /*! The time was completed; always right after a TKChange. */
    void TKFullChange();

    void TKKellChanged(const QVariant &time);
    /*! The value of kell changed. */
    void kellChanged(const QTime &time);

private:
    class Private;
    Private *const d; // owned by TKControl
};
