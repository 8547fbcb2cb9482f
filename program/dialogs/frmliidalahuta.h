// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator of a new date: a date plus or minus a number of years,
// months and days. The limits of the three number boxes follow each other
// so that every result stays inside the years 100 to 2299; the Julian box is
// offered only for shifts by days across a century year that has
// 29 February in the Julian calendar but not in the Gregorian one.
#pragma once

#include "calculatordialog.h"

#include <memory>

namespace Ui {
class frmLiidaLahuta;
}

class frmLiidaLahuta : public CalculatorDialog {
    Q_OBJECT
public:
    explicit frmLiidaLahuta(tundrik::WindowHost *host, QWidget *parent = nullptr);
    ~frmLiidaLahuta() override;

    // True while the operation is adding ("Liida").
    bool addMode() const { return m_addMode; }

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;
    QWidget *closeFocusTarget() const override;

private:
    void UpdateLimits();
    void UpdateJulianBox();
    qint64 years() const;
    qint64 months() const;
    qint64 days() const;

    std::unique_ptr<Ui::frmLiidaLahuta> m_ui;
    bool m_addMode = true;
};
