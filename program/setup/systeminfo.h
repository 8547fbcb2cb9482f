// SPDX-License-Identifier: GPL-3.0-or-later
// What the About window shows of the operating system and the screen, read
// once when the window opens. Tests give their own values.
#pragma once

#include <QRect>

class QWidget;

namespace setup {

struct SystemInfo {
    // 1 = the Windows 95 family, 2 = the Windows NT family, 0 = neither (as here).
    int platform = 0;
    int versionMajor = 0;
    int versionMinor = 0; // 0..99
    int build = 0;        // 0..65535
    // The desktop work area (the screen less docks and panels) in pixels.
    QRect workArea;
};

// This machine: platform 0, the running kernel's release from uname()
// (6.1.55 gives major 6, minor 1, build 55) and the available geometry of the
// screen that widget is on (of the primary screen for nullptr).
SystemInfo currentSystemInfo(const QWidget *widget);

// Reads "major.minor.patch..." as the kernel reports its release; missing or
// unreadable parts are 0, the minor part is kept to 0..99, the build to 0..65535.
SystemInfo versionFromRelease(const char *release);

} // namespace setup
