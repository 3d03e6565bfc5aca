// IO_LIST.h -- the folder listing shared by the file dialog, the batch re-save and the instrument
// scan. Rebuilt by every listing; the name list widget draws it row by row.
#pragma once
#include <string>

enum { IO_LIST_MAX = 1000 };
extern std::string g_file[IO_LIST_MAX];      // entry name
extern std::string g_path[IO_LIST_MAX];      // working folder + name; a folder's ends in ':'
extern int         g_file_type[IO_LIST_MAX]; // 1 folder, else the file type of the extension, 0 none
extern int         g_file_count;             // entries of the last listing

// Lists wrk_path (which must end in a separator, else a fatal alert) into the shared listing:
// folders, and the files file_type keeps (0 keeps every file), at most IO_LIST_MAX in the
// host's order, then sorted byte-wise by name. An unreadable folder lists nothing. Returns the count.
int  opensave_getitems(int file_type);
// Sets entry i's type from its name and says whether a listing of file_type keeps it (1) or not.
// Types 18 (terrain) and 19 (instrument bitmaps) keep bitmaps, less their numbered variants.
// Hidden files never show: "." and "..", and the temporaries a save writes.
int  opensave_takeit(int i, int file_type);

void IO_list_reset(void);                    // an empty listing; part of the start-up reset
