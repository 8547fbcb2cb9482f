// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator of the calendar date of a Julian day number, in the
// Gregorian or, by the Julian box, the Julian calendar. Day numbers before
// 2 299 161 (15.10.1582) are shown in the Julian calendar until "G" asks for
// the Gregorian one.
#pragma once

#include "calculatordialog.h"

#include <memory>

namespace Ui {
class frmKuupäev;
}

class frmKuupaev : public CalculatorDialog {
    Q_OBJECT
public:
    explicit frmKuupaev(tundrik::WindowHost *host, QWidget *parent = nullptr);
    ~frmKuupaev() override;

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;
    void showGregorianAnswer(bool gregorian) override;
    bool inputBeforeReform() const override;

private:
    // The box's number, 0 while it is empty or outside 1 757 600 .. 2 561 100.
    qint32 dayNumber() const;

    std::unique_ptr<Ui::frmKuupäev> m_ui;
};
