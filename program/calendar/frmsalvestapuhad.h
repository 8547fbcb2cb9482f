// SPDX-License-Identifier: GPL-3.0-or-later
// The years of the iCalendar saving, asked by the holidays window: from one
// year to another, at most a hundred of them, both the shown year at first.
// "&Salvesta…" (or Enter in a box) accepts while the range is whole, "&Loobu"
// or Esc gives up.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmSalvestaPühad;
}

class frmSalvestaPuhad : public QDialog {
    Q_OBJECT
public:
    frmSalvestaPuhad(int year, QWidget *parent);
    ~frmSalvestaPuhad() override;

    // The range as the boxes hold it; 0 for an empty box.
    int first() const;
    int last() const;

private:
    // Both years inside the boxes' limits, in order, and at most a hundred.
    bool valid() const;

    std::unique_ptr<Ui::frmSalvestaPühad> m_ui;
};
