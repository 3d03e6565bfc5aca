// main.cpp -- the program's entry: a command given on the command line runs without a window;
// otherwise the editor starts (on the aircraft file named, if any).
#include "shell/Hl_MNW.h"
#include "shell/ww_cli.h"

int main(int argc, char** argv)
{
    const int status = CLI_run(argc, argv);
    if (status >= 0) return status;
    MACIBM_command_line(argc, argv);
    return WinMain(0);
}
