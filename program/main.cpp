#include "programstart.h"

int main(int argc, char *argv[])
{
    return runTundrik(argc, argv);
}
