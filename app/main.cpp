#include "main_window/Program.h"

int main(int argc, char *argv[])
{
    return brannock::runBrannock(argc, argv);
}
