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
    // The value as a number, for forms, QDataWidgetMapper and bindings.
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
    explicit TKArvuKast(QWidget *parent = nullptr);
    ~TKArvuKast() override;

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
    bool TKNegArvLubatud() const;
    /*! Allows or forbids a leading "-"; allowing it removes the maximum and the minimum. */
    void setTKNegArvLubatud(bool allowed);
    bool TKNullLubatud() const;
    /*! Allows or forbids the number 0; either way the minimum becomes 0. */
    void setTKNullLubatud(bool allowed);
    /*! The digit limit (0 = none). */
    int TKMaksimaalnePikkus() const;
    /*! Sets the digit limit: negative means none, more than 20 means 20. A longer
        number is cut to its leading digits and TKChange is raised. */
    void setTKMaksimaalnePikkus(int digits);
    /*! The maximum (0 = none). */
    int TKMaksimaalneVaartus() const;
    /*! Sets the maximum; ignored while negatives are allowed; a value not above
        the minimum becomes minimum + 1, or removes both limits when not positive.
        A larger number in the box is replaced by the maximum (cut to the digit
        limit, should the two disagree), raising TKChange. */
    void setTKMaksimaalneVaartus(int value);
    /*! The minimum (0 = none). */
    int TKMinimaalneVaartus() const;
    /*! Sets the minimum; ignored while negatives or zero are allowed; held below
        the maximum and at 0 without one. A smaller number in the box is replaced
        by the minimum (cut to the digit limit, should the two disagree),
        raising TKChange. */
    void setTKMinimaalneVaartus(int value);

    /*! The number while the box shows one inside the limits; 0 for an empty
        box, a number outside the limits, and a number that does not fit in
        qint64 (only a box without a maximum can hold one: 19 or 20 digits
        beyond ±9 223 372 036 854 775 807). TKArv gives such a number's text. */
    qint64 arv() const;
    /*! Shows a number, moved into the limits first: a negative number becomes
        0 while negatives are not allowed, then the number is held between the
        minimum and the maximum and to the digit limit's largest number. A 0
        the box does not take empties it. When the text changes TKChange is
        raised; TKFullChange is not. */
    void setArv(qint64 value);

    bool lubanegarv() const;
    /*! Stores the flag as loaded; the text is checked again. */
    void setLubanegarv(bool value);
    bool lubanull() const;
    /*! Stores the flag as loaded; the text is checked again. */
    void setLubanull(bool value);
    int maksimaalnev() const;
    /*! Stores the maximum as loaded, unclamped; the text is checked again. */
    void setMaksimaalnev(int value);
    int minimaalnev() const;
    /*! Stores the minimum as loaded, unclamped; the text is checked again. */
    void setMinimaalnev(int value);
    /*! The field's character limit (characters, not digits; 0 = none). */
    int maxpikkus() const;
    /*! Sets the character limit as loaded (a negative one means none); a
        longer number stays as it is, but is no longer inside the limits. */
    void setMaxpikkus(int characters);

    /*! Loads the persisted limits; keys match without regard to case, missing
        keys read as 0 or false, values of other types are converted as QVariant
        does. The text is checked again. */
    void loadPersisted(const QVariantMap &store);
    /*! The persisted limits under the keys "LubaNegArv", "LubaNull",
        "MaksimaalneV", "MinimaalneV", "MaxPikkus". */
    QVariantMap savePersisted() const;

    QSize sizeHint() const override;

public Q_SLOTS:
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
    void arvChanged(qint64 value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Private;
    Private *const d; // owned by TKControl
};
