// dialog.h -- the program's own open and save dialog, and the folder listing it shares with the
// batch re-save and the instrument scan. Results are ints: 1 success, 0 failure.
#pragma once
#include <string>

//=== the folder listing =====================================================================
// Rebuilt by every listing; the name list widget draws it row by row.
enum { DIALOG_MAX_ENTRIES = 1000 };
extern std::string g_file[DIALOG_MAX_ENTRIES];      // entry name
extern std::string g_path[DIALOG_MAX_ENTRIES];      // working folder + name
extern int         g_file_type[DIALOG_MAX_ENTRIES]; // 1 folder, else the file type of the extension, 0 none
extern int         g_file_count;                    // entries of the last listing

//=== the dialog =============================================================================
// Runs the dialog as window open_save (998 open, 999 save) for files of file_type; 1 when a
// file was chosen (then *file is its name and *path its full path), 0 when cancelled.
int dialog_opensave(int open_save, int file_type, std::string* file, std::string* path);
