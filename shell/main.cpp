// main.cpp -- the program's entry.
#include "shell/Hl_MNW.h"

int main(int argc, char** argv)
{
    MACIBM_command_line(argc, argv);
    return WinMain(0);
}
