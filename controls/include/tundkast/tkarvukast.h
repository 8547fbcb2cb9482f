// SPDX-License-Identifier: GPL-3.0-or-later
// TKArvuKast: a box for a whole number of up to 20 digits, optionally
// negative, optionally limited by a minimum, a maximum and a digit count,
// shown in groups of three digits. Only numbers inside the limits can be
// typed or pasted; TKArvPiirides tells whether the content is such a number.
//
// Whatever the limits, the text is a sign and digits, in whole groups of
// three or plain, and the flag always says what it means under the current
// limits: after typing, pasting, any setter, TKClear and loading alike.
// TKChange is raised after every change of the text and whenever the flag
// changes.
//
// A program reads and writes the number through the user property arv
// (arv(), setArv(), arvChanged). TKArv, the number's text, serves programs
// that reach the box by name, and the one number arv cannot hold: 19 or 20
// digits beyond the range of qint64.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QVariant>
#include <QVariantMap>

class TUNDKAST_EXPORT TKArvuKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kuni 20-kohalise täisarvu kast.")
    Q_PROPERTY(QVariant TKArv READ TKArv NOTIFY TKArvChanged DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKArvPiirides READ TKArvPiirides NOTIFY TKArvPiiridesChanged DESIGNABLE false
               STORED false)
    Q_PROPERTY(bool TKNegArvLubatud READ TKNegArvLubatud WRITE setTKNegArvLubatud
               NOTIFY TKNegArvLubatudChanged DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKNullLubatud READ TKNullLubatud WRITE setTKNullLubatud
               NOTIFY TKNullLubatudChanged DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMaksimaalnePikkus READ TKMaksimaalnePikkus WRITE setTKMaksimaalnePikkus
               NOTIFY TKMaksimaalnePikkusChanged DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMaksimaalneVaartus READ TKMaksimaalneVaartus WRITE setTKMaksimaalneVaartus
               NOTIFY TKMaksimaalneVaartusChanged DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMinimaalneVaartus READ TKMinimaalneVaartus WRITE setTKMinimaalneVaartus
               NOTIFY TKMinimaalneVaartusChanged DESIGNABLE false STORED false)
    // The value as a number, the documented way to read and write it, also
    // for forms, QDataWidgetMapper and bindings.
    Q_PROPERTY(qint64 arv READ arv WRITE setArv NOTIFY arvChanged USER true)
    // The persisted limits under the keys of the host's form files; written
    // as loaded, without the clamping of the properties above.
    Q_PROPERTY(bool lubanegarv READ lubanegarv WRITE setLubanegarv NOTIFY TKNegArvLubatudChanged
               DESIGNABLE true)
    Q_PROPERTY(bool lubanull READ lubanull WRITE setLubanull NOTIFY TKNullLubatudChanged
               DESIGNABLE true)
    Q_PROPERTY(int maksimaalnev READ maksimaalnev WRITE setMaksimaalnev
               NOTIFY TKMaksimaalneVaartusChanged DESIGNABLE true)
    Q_PROPERTY(int minimaalnev READ minimaalnev WRITE setMinimaalnev
               NOTIFY TKMinimaalneVaartusChanged DESIGNABLE true)
    Q_PROPERTY(int maxpikkus READ maxpikkus WRITE setMaxpikkus NOTIFY maxpikkusChanged
               DESIGNABLE true)

public:
    /*! An empty box without limits (no sign, no zero, no maximum, minimum or
        digit limit). */
    explicit TKArvuKast(QWidget *parent = nullptr);
    ~TKArvuKast() override;

    /*! The number while the box shows one inside the limits; 0 for an empty
        box, for a number outside the limits, and for a number that does not
        fit in qint64 (only a box without a maximum can hold one: 19 or 20
        digits beyond ±9 223 372 036 854 775 807). TKArv gives such a number's
        text. */
    qint64 arv() const;
    /*! The number as shown (sign, digits, group separators) while it is inside
        the limits; otherwise, and for an empty box, an invalid QVariant. */
    QVariant TKArv() const;
    /*! True when the text is a number the box takes under its current limits:
        written in digits (in whole groups of three or plain), without leading
        zeros, negative only while negatives are allowed, 0 only while zero is
        allowed, with no more digits than the digit limit, and inside the
        minimum and the maximum. An empty box is inside the limits when it
        has no minimum. */
    bool TKArvPiirides() const;
    /*! Whether a leading "-" may be typed (false at first). */
    bool TKNegArvLubatud() const;
    /*! Whether 0 may be typed (false at first). */
    bool TKNullLubatud() const;
    /*! The digit limit; 0 for none (at first). */
    int TKMaksimaalnePikkus() const;
    /*! The maximum; 0 for none (at first). */
    int TKMaksimaalneVaartus() const;
    /*! The minimum; 0 for none (at first). */
    int TKMinimaalneVaartus() const;

    /*! The limits as a form stores them: as last loaded or set through the
        designable properties, unclamped. */
    bool lubanegarv() const;
    bool lubanull() const;
    int maksimaalnev() const;
    int minimaalnev() const;
    /*! The field's character limit (characters, not digits; 0 = none). */
    int maxpikkus() const;

    /*! Loads the persisted limits; keys match without regard to case, missing
        keys read as 0 or false, values of other types are converted as QVariant
        does (a text that is no number reads as 0). The values are stored
        unclamped; the text is checked again. */
    void loadPersisted(const QVariantMap &store);
    /*! The persisted limits under the keys "LubaNegArv", "LubaNull",
        "MaksimaalneV", "MinimaalneV", "MaxPikkus". */
    QVariantMap savePersisted() const;

    /*! 100 × 22 pixels at 96 DPI. */
    QSize sizeHint() const override;

public Q_SLOTS:
    /*! Shows a number, moved into the limits first: a negative number becomes
        0 while negatives are not allowed, then the number is held between the
        minimum and the maximum and to the digit limit's largest number. A 0
        the box does not take empties it. Every value is accepted so; when
        the text changes TKChange is raised, TKFullChange is not. */
    void setArv(qint64 value);
    /*! Allows or forbids a leading "-"; allowing it removes the maximum and the
        minimum. A negative number already shown stays, outside the limits
        once forbidden. */
    void setTKNegArvLubatud(bool allowed);
    /*! Allows or forbids the number 0; either way the minimum becomes 0. */
    void setTKNullLubatud(bool allowed);
    /*! Sets the digit limit: negative means none, more than 20 means 20. A longer
        number is cut to its leading digits and TKChange is raised. */
    void setTKMaksimaalnePikkus(int digits);
    /*! Sets the maximum; ignored while negatives are allowed; a value not above
        the minimum becomes minimum + 1, or removes both limits when not positive.
        A larger number in the box is replaced by the maximum (cut to the digit
        limit, should the two disagree), raising TKChange. */
    void setTKMaksimaalneVaartus(int value);
    /*! Sets the minimum; ignored while negatives or zero are allowed; held below
        the maximum and at 0 without one, a negative value becomes 0. A smaller
        number in the box is replaced by the minimum (cut to the digit limit,
        should the two disagree), raising TKChange. */
    void setTKMinimaalneVaartus(int value);

    /*! Stores the flag as loaded; the text is checked again. */
    void setLubanegarv(bool value);
    /*! Stores the flag as loaded; the text is checked again. */
    void setLubanull(bool value);
    /*! Stores the maximum as loaded, unclamped (0 or less: none); the text is
        checked again. */
    void setMaksimaalnev(int value);
    /*! Stores the minimum as loaded, unclamped; a minimum above the maximum
        leaves no number inside the limits. The text is checked again. */
    void setMinimaalnev(int value);
    /*! Sets the character limit as loaded (a negative one means none); a
        longer number stays as it is, but is no longer inside the limits. */
    void setMaxpikkus(int characters);

    /*! Empties the box and raises TKChange. */
    void TKClear();
    /*! Moves the focus into the box. */
    void TKFocusInValidation();

Q_SIGNALS:
    /*! The content changed or the flag changed; ArvPiirides is the in-limits flag. */
    void TKChange(bool ArvPiirides);
    /*! Enter was typed while the content is inside the limits. */
    void TKEnterPress();
    /*! The number was completed; always right after a TKChange. */
    void TKFullChange();

    void TKArvChanged(const QVariant &number);
    void TKArvPiiridesChanged(bool inLimits);
    void TKNegArvLubatudChanged(bool allowed);
    void TKNullLubatudChanged(bool allowed);
    void TKMaksimaalnePikkusChanged(int digits);
    void TKMaksimaalneVaartusChanged(int value);
    void TKMinimaalneVaartusChanged(int value);
    void maxpikkusChanged(int characters);
    /*! The value of arv changed. */
    void arvChanged(qint64 value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Private;
    Private *const d; // owned by TKControl
};
