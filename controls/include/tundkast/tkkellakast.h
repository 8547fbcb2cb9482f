// TKKellaKast: a time-of-day box of three fields, hh:mm:ss. It tells whether
// all three parts are filled in and returns the time as a text.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QVariant>

#include <memory>

class TUNDKAST_EXPORT TKKellaKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kellaaja kast.")
    Q_PROPERTY(QVariant TKKell READ TKKell DESIGNABLE false STORED false)

public:
    explicit TKKellaKast(QWidget *parent = nullptr);
    ~TKKellaKast() override;

    /*! "hh:mm:ss" (each part zero-filled) when all three fields are filled in;
        otherwise an invalid QVariant. */
    QVariant TKKell() const;

    QSize sizeHint() const override;

public Q_SLOTS:
    /*! Empties the three fields and raises TKChange(false). */
    void TKClear();
    /*! Moves the focus to the hour field. */
    void TKFocusInValidation();

Q_SIGNALS:
    /*! A field changed; TundMinSekMaaratud is a copy of the all-set flag. */
    void TKChange(bool &TundMinSekMaaratud);
    /*! Enter was typed while all three fields are filled in. */
    void TKEnterPress();
    /*! The time is complete; always right after a TKChange. */
    void TKFullChange();

protected:
    TKField *mainField() const override;
    int fieldKey(TKField *field, int key) override;
    bool fieldTab(TKField *field) override;
    void fieldChanged(TKField *field) override;
    void fieldValidate(TKField *field) override;
    void controlEntered(TKField *field) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
