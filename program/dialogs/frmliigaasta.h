// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest calculator: whether a year of 100 to 2299 is a leap year of
// the Gregorian calendar. It keeps its own answer flag.
#pragma once

#include "calculatordialog.h"

class TKArvuKast;

class frmLiigaasta : public CalculatorDialog {
    Q_OBJECT
public:
    explicit frmLiigaasta(tundrik::WindowHost *host, QWidget *parent = nullptr);

protected:
    QWidget *focusTarget() const override;
    void showAnswer() override;
    void clearInputs() override;

private:
    TKArvuKast *m_takAasta = nullptr;
};
