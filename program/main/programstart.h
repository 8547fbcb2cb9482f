// Starts the program: the application object, fonts, icon, accessibility,
// the control library's "today", and the main window; returns when it closes.
#pragma once

int runTundrik(int argc, char *argv[]);
