// dialog.cpp -- the open and save dialog and its folder listing.
#include "shell/dialog.h"

std::string g_file[DIALOG_MAX_ENTRIES];
std::string g_path[DIALOG_MAX_ENTRIES];
int         g_file_type[DIALOG_MAX_ENTRIES];
int         g_file_count;

// The dialog itself comes with the file-dialog work; until then nothing is ever chosen.
int dialog_opensave(int open_save, int file_type, std::string* file, std::string* path)
{
    (void)open_save; (void)file_type; (void)file; (void)path;
    return 0;
}
