// TKArvuKast: a box for a whole number of up to 20 digits, optionally
// negative, optionally limited by a minimum, a maximum and a digit count,
// shown in groups of three digits. Only numbers inside the limits can be
// typed or pasted; TKArvPiirides tells whether the content is such a number.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QVariant>
#include <QVariantMap>

#include <memory>

class TUNDKAST_EXPORT TKArvuKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kuni 20-kohalise täisarvu kast.")
    Q_PROPERTY(QVariant TKArv READ TKArv DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKArvPiirides READ TKArvPiirides DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKNegArvLubatud READ TKNegArvLubatud WRITE setTKNegArvLubatud DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKNullLubatud READ TKNullLubatud WRITE setTKNullLubatud DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMaksimaalnePikkus READ TKMaksimaalnePikkus WRITE setTKMaksimaalnePikkus DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMaksimaalneVaartus READ TKMaksimaalneVaartus WRITE setTKMaksimaalneVaartus DESIGNABLE false STORED false)
    Q_PROPERTY(int TKMinimaalneVaartus READ TKMinimaalneVaartus WRITE setTKMinimaalneVaartus DESIGNABLE false STORED false)
    // The persisted limits under the keys of the host's form files; written
    // as loaded, without the clamping of the properties above.
    Q_PROPERTY(bool lubanegarv READ lubanegarv WRITE setLubanegarv DESIGNABLE true)
    Q_PROPERTY(bool lubanull READ lubanull WRITE setLubanull DESIGNABLE true)
    Q_PROPERTY(int maksimaalnev READ maksimaalnev WRITE setMaksimaalnev DESIGNABLE true)
    Q_PROPERTY(int minimaalnev READ minimaalnev WRITE setMinimaalnev DESIGNABLE true)
    Q_PROPERTY(int maxpikkus READ maxpikkus WRITE setMaxpikkus DESIGNABLE true)

public:
    explicit TKArvuKast(QWidget *parent = nullptr);
    ~TKArvuKast() override;

    /*! The number as shown (sign, digits, group separators) while it is inside
        the limits; otherwise, and for an empty box, an invalid QVariant. */
    QVariant TKArv() const;
    /*! True when the content is a number inside the limits (or the box is empty and has no minimum). */
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
        A larger number in the box is replaced by the maximum, raising TKChange. */
    void setTKMaksimaalneVaartus(int value);
    /*! The minimum (0 = none). */
    int TKMinimaalneVaartus() const;
    /*! Sets the minimum; ignored while negatives or zero are allowed; held below
        the maximum and at 0 without one. A smaller number in the box is replaced
        by the minimum, raising TKChange. */
    void setTKMinimaalneVaartus(int value);

    bool lubanegarv() const;
    /*! Stores the flag as loaded; nothing else changes. */
    void setLubanegarv(bool value);
    bool lubanull() const;
    /*! Stores the flag as loaded; nothing else changes. */
    void setLubanull(bool value);
    int maksimaalnev() const;
    /*! Stores the maximum as loaded, unclamped, and applies the load rules. */
    void setMaksimaalnev(int value);
    int minimaalnev() const;
    /*! Stores the minimum as loaded, unclamped, and applies the load rules. */
    void setMinimaalnev(int value);
    /*! The field's character limit (characters, not digits; 0 = none). */
    int maxpikkus() const;
    /*! Sets the character limit as loaded (a negative one means none). */
    void setMaxpikkus(int characters);

    /*! Loads the persisted limits; keys match without regard to case, missing
        keys read as 0 or false, values of other types are converted as QVariant does. */
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
    /*! The content changed; ArvPiirides is a copy of the in-limits flag. */
    void TKChange(bool &ArvPiirides);
    /*! Enter was typed while the content is inside the limits. */
    void TKEnterPress();
    /*! The number is complete; always right after a TKChange. */
    void TKFullChange();

protected:
    TKField *mainField() const override;
    int fieldKey(TKField *field, int key) override;
    void fieldChanged(TKField *field) override;
    void controlEntered(TKField *field) override;
    void controlLeft(TKField *field) override;
    bool canPaste(TKField *field, const QString &text) const override;
    void doPaste(TKField *field, const QString &text) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
    void emitChange(bool complete);
    void applyLoadRules();
};
