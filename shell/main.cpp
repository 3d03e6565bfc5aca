// main.cpp -- the program's entry.
#include "shell/Hl_MNW.h"

int main(int, char**)
{
    return WinMain(0);
}
