// SPDX-License-Identifier: GPL-3.0-or-later
// TKKuupKast: a date box of three fields, dd.mm.yyyy. It tells whether the
// date is valid and whether it lies before the Gregorian reform, returns the
// date as a date value, and can read the entered date as a Julian-calendar
// date and return its Gregorian date.
//
// The flags always say what the text shown means under the current year
// limits and reading: after typing, pasting, a focus move, any setter,
// TKClear and loading alike. TKChange is raised after every change of the
// text that the user makes and whenever a flag changes.
//
// A program reads and writes the date through the user property kuupaev
// (kuupaev(), setKuupaev(), kuupaevChanged), a QDate of the Gregorian
// calendar in either reading. The date values TKKuupaev and TKKuupaevGr
// (days from 30.12.1899) serve programs that reach the box by name.
#pragma once

#include <tundkast/tkcontrol.h>

#include <QDate>
#include <QVariantMap>

#include <functional>

class TUNDKAST_EXPORT TKKuupKast : public TKControl
{
    Q_OBJECT
    Q_CLASSINFO("Description", "Kuupäeva kast (vormingus pp.kk.aaaa).")
    Q_PROPERTY(int TKAastaMaksimum READ TKAastaMaksimum WRITE setTKAastaMaksimum
               NOTIFY TKAastaMaksimumChanged DESIGNABLE false STORED false)
    Q_PROPERTY(int TKAastaMiinimum READ TKAastaMiinimum WRITE setTKAastaMiinimum
               NOTIFY TKAastaMiinimumChanged DESIGNABLE false STORED false)
    Q_PROPERTY(bool TKEnneGregoriust READ TKEnneGregoriust NOTIFY TKEnneGregoriustChanged
               DESIGNABLE false STORED false)
    Q_PROPERTY(double TKKuupaev READ TKKuupaev NOTIFY TKKuupaevChanged DESIGNABLE false STORED false)
    Q_PROPERTY(double TKKuupaevGr READ TKKuupaevGr NOTIFY TKKuupaevGrChanged DESIGNABLE false
               STORED false)
    Q_PROPERTY(bool TKKuupaevOige READ TKKuupaevOige NOTIFY TKKuupaevOigeChanged DESIGNABLE false
               STORED false)
    Q_PROPERTY(bool TKJuliuseKalender READ TKJuliuseKalender WRITE setTKJuliuseKalender
               NOTIFY TKJuliuseKalenderChanged DESIGNABLE false STORED false)
    // The value as a QDate, the documented way to read and write it, also
    // for forms, QDataWidgetMapper and bindings.
    Q_PROPERTY(QDate kuupaev READ kuupaev WRITE setKuupaev NOTIFY kuupaevChanged USER true)
    // The persisted year limits under the keys of the host's form files;
    // written as loaded, without clamping.
    Q_PROPERTY(int maksimum READ maksimum WRITE setMaksimum NOTIFY TKAastaMaksimumChanged
               DESIGNABLE true)
    Q_PROPERTY(int miinimum READ miinimum WRITE setMiinimum NOTIFY TKAastaMiinimumChanged
               DESIGNABLE true)

public:
    /*! An empty box for the years 100 to 2299, in the Gregorian reading. */
    explicit TKKuupKast(QWidget *parent = nullptr);
    ~TKKuupKast() override;

    /*! The Gregorian date of the entered day: the date as written in the
        Gregorian reading, the converted date in the Julian reading (Julian
        29.02.1700 gives 11.03.1700); an invalid QDate while the text is not a
        valid date. */
    QDate kuupaev() const;
    /*! True when the three fields form an existing date, in the calendar of
        the box's reading, with its year inside the limits and inside 100..9999. */
    bool TKKuupaevOige() const;
    /*! True when the date is not valid or, as written, lies before 15.10.1582. */
    bool TKEnneGregoriust() const;
    /*! The date as a date value (days from 30.12.1899) when the text is a valid
        date of the Gregorian calendar; 0.0 otherwise, so also for a day such as
        29.02.1700 that exists only in the Julian reading. */
    double TKKuupaev() const;
    /*! The entered date read as a Julian-calendar date, as a Gregorian date
        value (converted through the Julian day number); 0.0 when not valid.
        Days 1 and 2 of January 100 are first changed to 3 January 100 in the box. */
    double TKKuupaevGr();
    /*! True while the box reads its text as a date of the Julian calendar;
        false (the default) for the Gregorian calendar. */
    bool TKJuliuseKalender() const;
    /*! The largest year (2299 at first). */
    int TKAastaMaksimum() const;
    /*! The smallest year (100 at first). */
    int TKAastaMiinimum() const;

    /*! The year limits as a form stores them: as last loaded or set through
        the designable properties, unclamped. */
    int maksimum() const;
    int miinimum() const;
    /*! Loads "Maksimum" and "Miinimum" (keys without regard to case, missing
        keys and texts that are no number read as 0, values stored unclamped);
        the text is checked again. */
    void loadPersisted(const QVariantMap &store);
    /*! The year limits under the keys "Maksimum" and "Miinimum". */
    QVariantMap savePersisted() const;

    /*! Gives the box its own source of the day that a double-click fills in,
        so that a host takes it from its own clock. An empty function (the
        default) returns to the library's source, Tundkast::today(). When the
        source gives an invalid QDate a double-click fills in nothing. */
    void setTodayProvider(std::function<QDate()> provider);

    /*! 84 × 22 pixels at 96 DPI, the box's fixed size. */
    QSize sizeHint() const override;

public Q_SLOTS:
    /*! Shows a date: an invalid QDate empties the box; a valid one is written
        in the box's reading (in the Julian reading as its Julian-calendar day),
        moved into the year limits first (a date before them becomes 1 January
        of the smallest year, one after them 31 December of the largest). When
        the text changes TKChange is raised; TKFullChange is not. Limits that
        hold no year at all (a loaded minimum above the maximum) empty the box. */
    void setKuupaev(const QDate &date);
    /*! Chooses the calendar the text is checked in. While set, 29 February of
        every year divisible by 4 is valid (29.02.1700); 30 February never is.
        The text shown is checked again at once and TKChange is raised when a
        flag changes. */
    void setTKJuliuseKalender(bool julian);
    /*! Sets the largest year, clamped to 2000..3999; a larger year in the box
        is replaced by it and TKChange is raised with the flags of the new text. */
    void setTKAastaMaksimum(int year);
    /*! Sets the smallest year, clamped to 100..1999; a smaller year in the box
        is replaced by it and TKChange is raised with the flags of the new text.
        A wider range only checks the text again (TKChange if a flag changed). */
    void setTKAastaMiinimum(int year);
    /*! Stores the largest year as loaded, unclamped (below 100 no year is
        valid); the text is checked again. */
    void setMaksimum(int year);
    /*! Stores the smallest year as loaded, unclamped (a year below 100 stays
        invalid; one above the maximum leaves no valid year); the text is
        checked again. */
    void setMiinimum(int year);

    /*! Empties the three fields and raises TKChange(true, false). */
    void TKClear();
    /*! Moves the focus to the day field. */
    void TKFocusInValidation();

Q_SIGNALS:
    /*! The content changed or a flag changed; the parameters are the two flags. */
    void TKChange(bool EnneGregoriust, bool KuupaevOige);
    /*! Enter was typed while the date is valid. */
    void TKEnterPress();
    /*! The date was completed and is valid; always right after a TKChange. */
    void TKFullChange();

    void TKAastaMaksimumChanged(int year);
    void TKAastaMiinimumChanged(int year);
    void TKEnneGregoriustChanged(bool beforeReform);
    void TKKuupaevOigeChanged(bool valid);
    void TKKuupaevChanged(double dateValue);
    void TKKuupaevGrChanged(double dateValue);
    /*! The calendar of the reading changed. */
    void TKJuliuseKalenderChanged(bool julian);
    /*! The value of kuupaev changed. */
    void kuupaevChanged(const QDate &date);

private:
    class Private;
    Private *const d; // owned by TKControl
};
