// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator of the time between two dates, in days or in years, months
// and days. Each date has its own Julian box; the unit boxes "aastat" and
// "kuud" are offered only when the dates lie far enough apart, "päeva" is
// always part of the answer.
#pragma once

#include "calculatordialog.h"

#include <memory>

class TKKuupKast;

namespace Ui {
class frmVahemik;
}

class frmVahemik : public CalculatorDialog {
    Q_OBJECT
public:
    explicit frmVahemik(tundrik::WindowHost *host, QWidget *parent = nullptr);
    ~frmVahemik() override;

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;
    void julianBoxToggled(FrameCheckBox *box) override;

private:
    // The two date values the answer counts between, and whether it counts
    // in the Julian calendar (both dates in the Julian reading).
    struct Readings {
        double first;
        double second;
        bool julianCalendar;
    };
    // forAnswer: read the Julian dates through TKKuupaevGr, which may also
    // correct the box's text; otherwise compute the same values quietly.
    Readings readings(bool forAnswer) const;
    void UpdateUnitBoxes();
    void dateChanged(TKKuupKast *other, FrameCheckBox *julianBox, bool beforeReform, bool valid);

    std::unique_ptr<Ui::frmVahemik> m_ui;
};
