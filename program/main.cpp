// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstart.h"

int main(int argc, char *argv[])
{
    return runTundrik(argc, argv);
}
