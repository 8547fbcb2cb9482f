// TKKuupKast: a date box of three fields, dd.mm.yyyy. It tells whether the
// date is valid and whether it lies before the Gregorian reform, returns the
// date as a date value, and can read the entered date as a Julian-calendar
// date and return its Gregorian date.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QVariantMap>

#include <memory>

class TUNDKAST_EXPORT TKKuupKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kuupäeva kast (vormingus pp.kk.aaaa).")
    Q_PROPERTY(int TKAastaMaksimum READ TKAastaMaksimum WRITE setTKAastaMaksimum DESIGNABLE false STORED false)
    Q_PROPERTY(int TKAastaMiinimum READ TKAastaMiinimum WRITE setTKAastaMiinimum DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKEnneGregoriust READ TKEnneGregoriust DESIGNABLE false STORED false)
    Q_PROPERTY(double TKKuupaev READ TKKuupaev DESIGNABLE false STORED false)
    Q_PROPERTY(double TKKuupaevGr READ TKKuupaevGr DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKKuupaevOige READ TKKuupaevOige DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKJuliuseKalender READ TKJuliuseKalender WRITE setTKJuliuseKalender
               NOTIFY TKJuliuseKalenderChanged DESIGNABLE false STORED false)
    // The persisted year limits under the keys of the host's form files;
    // written as loaded, without clamping.
    Q_PROPERTY(int maksimum READ maksimum WRITE setMaksimum DESIGNABLE true)
    Q_PROPERTY(int miinimum READ miinimum WRITE setMiinimum DESIGNABLE true)

public:
    explicit TKKuupKast(QWidget *parent = nullptr);
    ~TKKuupKast() override;

    int TKAastaMaksimum() const;
    /*! Sets the largest year, clamped to 2000..3999; a larger year in the box
        is replaced by it, the date is checked again and TKChange is raised. */
    void setTKAastaMaksimum(int year);
    int TKAastaMiinimum() const;
    /*! Sets the smallest year, clamped to 100..1999; a smaller year in the box
        is replaced by it, the date is checked again and TKChange is raised. */
    void setTKAastaMiinimum(int year);
    /*! True when the date lies before 15.10.1582 or is not valid. */
    bool TKEnneGregoriust() const;
    /*! The date as a date value (days from 30.12.1899) when the text is a valid
        date of the Gregorian calendar; 0.0 otherwise, so also for a day such as
        29.02.1700 that exists only in the Julian reading. */
    double TKKuupaev() const;
    /*! The entered date read as a Julian-calendar date, as a Gregorian date
        value (converted through the Julian day number); 0.0 when not valid.
        Days 1 and 2 of January 100 are first changed to 3 January 100 in the box. */
    double TKKuupaevGr();
    /*! True when the three fields form an existing date, in the calendar of
        the box's reading, with its year inside the limits. */
    bool TKKuupaevOige() const;
    /*! True while the box reads its text as a date of the Julian calendar;
        false (the default) for the Gregorian calendar. */
    bool TKJuliuseKalender() const;
    /*! Chooses the calendar the text is checked in. While set, 29 February of
        every year divisible by 4 is valid (29.02.1700); 30 February never is.
        The text shown is checked again at once and TKChange is raised when a
        flag changes. */
    void setTKJuliuseKalender(bool julian);

    int maksimum() const;
    /*! Stores the largest year as loaded (unclamped) and resets the flags as loading does. */
    void setMaksimum(int year);
    int miinimum() const;
    /*! Stores the smallest year as loaded (unclamped) and resets the flags as loading does. */
    void setMiinimum(int year);
    /*! Loads "Maksimum" and "Miinimum" (keys without regard to case, missing
        keys read as 0); the flags become before-reform true, valid false. */
    void loadPersisted(const QVariantMap &store);
    /*! The year limits under the keys "Maksimum" and "Miinimum". */
    QVariantMap savePersisted() const;

    QSize sizeHint() const override;

public Q_SLOTS:
    /*! Empties the three fields and raises TKChange(true, false). */
    void TKClear();
    /*! Moves the focus to the day field. */
    void TKFocusInValidation();

Q_SIGNALS:
    /*! A field changed; the parameters are copies of the two flags. */
    void TKChange(bool &EnneGregoriust, bool &KuupaevOige);
    /*! Enter was typed while the date is valid. */
    void TKEnterPress();
    /*! The date is complete and valid; always right after a TKChange. */
    void TKFullChange();
    /*! The calendar of the reading changed. */
    void TKJuliuseKalenderChanged(bool julian);

protected:
    TKField *mainField() const override;
    int fieldKey(TKField *field, int key) override;
    bool fieldTab(TKField *field) override;
    void fieldChanged(TKField *field) override;
    void fieldValidate(TKField *field) override;
    void controlEntered(TKField *field) override;
    bool fieldDoubleClicked(TKField *field) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
    void evaluate();
    void emitChange(bool complete);
};
