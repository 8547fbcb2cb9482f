// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest calculator: whether a year of 100 to 2299 is a leap year of
// the Gregorian calendar. It keeps its own answer flag.
#pragma once

#include "calculatordialog.h"

#include <memory>

namespace Ui {
class frmLiigaasta;
}

class frmLiigaasta : public CalculatorDialog {
    Q_OBJECT
public:
    explicit frmLiigaasta(tundrik::WindowHost *host, QWidget *parent = nullptr);
    ~frmLiigaasta() override;

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;

private:
    std::unique_ptr<Ui::frmLiigaasta> m_ui;
};
