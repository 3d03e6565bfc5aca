// dialog.h -- the program's own open and save dialog, and the folder listing it shares with the
// batch re-save and the instrument scan. Results are ints: 1 success, 0 failure.
#pragma once
#include <string>

//=== the folder listing =====================================================================
// Rebuilt by every listing; the name list widget draws it row by row.
enum { DIALOG_MAX_ENTRIES = 1000 };
extern std::string g_file[DIALOG_MAX_ENTRIES];      // entry name
extern std::string g_path[DIALOG_MAX_ENTRIES];      // working folder + name; a folder's ends in ':'
extern int         g_file_type[DIALOG_MAX_ENTRIES]; // 1 folder, else the file type of the extension, 0 none
extern int         g_file_count;                    // entries of the last listing

// Lists wrk_path (which must end in a separator, else a fatal alert) into the shared listing:
// folders, and the files file_type keeps (0 keeps every file), at most DIALOG_MAX_ENTRIES in the
// host's order, then sorted byte-wise by name. An unreadable folder lists nothing. Returns the count.
int  opensave_getitems(int file_type);
// Sets entry i's type from its name and says whether a listing of file_type keeps it (1) or not.
// Types 18 (terrain) and 19 (instrument bitmaps) keep bitmaps, less their numbered variants.
int  opensave_takeit(int i, int file_type);
void int_switch(int* a, int* b);

//=== the dialog =============================================================================
enum {
    DIALOG_NAME_LEN    = 30,        // a saved name keeps at most this many characters
    DIALOG_ENTRY_FIELD = 999        // mnw.entry_field while the save dialog takes typing
};
// Runs the dialog as window open_save (998 open, 999 save) for files of file_type, in its own
// frame loop; 1 when a file was chosen (then *file is its name and *path its full path), 0 when
// cancelled. The caller's window comes back either way. wrk_path is left at the last folder shown.
int dialog_opensave(int open_save, int file_type, std::string* file, std::string* path);
int dialog_opensave(int open_save, int file_type, char* file, char* path);   // char[500] each
