// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the program's name, version and description, the
// operating system's platform and version and the size of the desktop's work
// area. It changes nothing; "&Olgu" or Esc closes it.
#pragma once

#include "systeminfo.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmTKp;
}

class frmTKp : public QDialog {
    Q_OBJECT
public:
    explicit frmTKp(const setup::SystemInfo &info, QWidget *parent = nullptr);
    ~frmTKp() override;

    // Places the window over the main window: centred horizontally, its top
    // level with the top of the main window's client area.
    void placeOver(const QRect &mainFrame, int mainInnerHeight);

    // The texts of the lines, as the labels show them.
    static QString versionLine(int major, int minor, int revision);
    static QString platformLine(int platform);
    static QString osVersionLine(int major, int minor, int build);
    static QString workAreaLine(const QRect &workArea);

private:
    std::unique_ptr<Ui::frmTKp> m_ui;
};
