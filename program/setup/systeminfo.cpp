// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeminfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <sys/utsname.h>

#include <algorithm>
#include <cctype>

namespace setup {

namespace {

// The next run of digits from p, or -1 when p stands on no digit; p moves past
// the digits and one following separator.
int nextNumber(const char *&p)
{
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return -1;
    long value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        value = std::min(value * 10 + (*p - '0'), 1000000L);
        ++p;
    }
    if (*p == '.')
        ++p;
    return int(value);
}

} // namespace

SystemInfo versionFromRelease(const char *release)
{
    SystemInfo info;
    if (!release)
        return info;
    const char *p = release;
    const int major = nextNumber(p);
    const int minor = major < 0 ? -1 : nextNumber(p);
    const int build = minor < 0 ? -1 : nextNumber(p);
    info.versionMajor = std::max(major, 0);
    info.versionMinor = std::clamp(minor, 0, 99);
    info.build = std::clamp(build, 0, 65535);
    return info;
}

SystemInfo currentSystemInfo(const QWidget *widget)
{
    utsname names{};
    SystemInfo info = uname(&names) == 0 ? versionFromRelease(names.release) : SystemInfo();
    info.platform = 0;
    const QScreen *screen = widget && widget->screen() ? widget->screen()
                                                       : QGuiApplication::primaryScreen();
    if (screen)
        info.workArea = screen->availableGeometry();
    return info;
}

} // namespace setup
