// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: a picture of every window, each in the state tests/common/
// everywindow.h opens it in, saved as <objectName>.png in the folder given.
// The pictures are the windows' own pixels (no frame of a window manager),
// the same from run to run, so two builds can be compared pixel for pixel:
//   xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb
//       build/tests/showcase/windows_showcase shots/96
// and with QT_FONT_DPI=120 in the environment for shots/120.
#include "everywindow.h"

#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: windows_showcase FOLDER [objectName...]\n");
        return 2;
    }
    dialogtest::setUpApplication();
    // A steady text cursor, so that a focused field looks the same in every picture.
    QApplication::setCursorFlashTime(0);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    QStringList names = everywindow::names();
    if (argc > 2) {
        names.clear();
        for (int i = 2; i < argc; ++i)
            names << QString::fromLocal8Bit(argv[i]);
    }
    int failed = 0;
    for (const QString &name : names) {
        bool saved = false;
        const bool opened = everywindow::open(name, [&](QWidget *w) {
            QTest::qWait(200);
            saved = w->grab().save(dir.filePath(name + QStringLiteral(".png")));
        });
        if (!opened || !saved) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), opened ? "not saved" : "did not open");
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
