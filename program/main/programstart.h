// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program: answers the command line (see commandline.h), or makes
// the application object, fonts, icon, accessibility, the control library's
// "today" and the main window, and returns when the window closes.
#pragma once

int runTundrik(int argc, char *argv[]);
