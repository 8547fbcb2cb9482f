// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator of a date's Julian day number or weekday. The same dialog
// serves both menu commands; the DayDescriptionMode its opener gives it
// decides which answer DayDescription gives. A date is read in the Gregorian or, by
// the Julian box, the Julian calendar; dates before the reform only in the
// Julian one, until "G" asks for the Gregorian reading of the answer.
#pragma once

#include "calculatordialog.h"

#include <memory>

namespace Ui {
class frmJuuliusePäev;
}

class frmJuuliusePaev : public CalculatorDialog {
    Q_OBJECT
public:
    // DayDescriptionMode: "JP" answers with the day number, any other text
    // with the weekday's name.
    frmJuuliusePaev(tundrik::WindowHost *host, const QString &DayDescriptionMode, QWidget *parent = nullptr);
    ~frmJuuliusePaev() override;

    QString dayDescriptionMode() const { return m_dayDescriptionMode; }

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;
    void showGregorianAnswer(bool gregorian) override;
    bool inputBeforeReform() const override;

private:
    std::unique_ptr<Ui::frmJuuliusePäev> m_ui;
    QString m_dayDescriptionMode;
};
