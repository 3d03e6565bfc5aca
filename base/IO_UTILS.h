// IO_UTILS.h -- paths, the safe save, memory-mapped files and their scanners.
// Results are ints: 1 success, 0 failure.
#pragma once
#include <string>
#include <cstdio>

//=== paths ==================================================================================
// Paths inside the program use ':' between folders. At open time they become host paths, and
// aircraft made elsewhere may spell a folder or file in any letter case, so each component is
// matched without regard to case when the exact name is missing.
std::string IO_host_path(const std::string& path);
FILE* IO_fopen(const std::string& path, const char* mode);          // IO_host_path, then fopen
int   IO_file_exists(const std::string& path);
int   IO_make_folders(const std::string& path);                     // every folder of a file's path
int   lo_case_strcmp_len(const char* a, const char* b, int len);    // 0 when equal ignoring case
// path begins with start, ignoring case and taking ':', '/' and '\\' as the same separator.
int   IO_path_starts_with(const std::string& path, const std::string& start);

//=== the safe save ==========================================================================
// Every file the program saves replaces the old one only once the new one is whole on the disk:
// writer fills f, a new temporary file in path's own folder (".NAME.PID-N.tmp", hidden from
// every listing), returns 1 when it wrote everything; the temporary is then flushed to disk and
// renamed over path. If any step fails the temporary is removed, a file already at path is left
// exactly as it was, and 0 is returned (IO_save_error tells why). path uses ':' or '/' between
// folders; a three-letter extension is written in lower case; a link at path stays a link and
// the file it points at is replaced, keeping its permissions. A save also removes the
// temporaries that earlier saves killed mid-write left in the same folder.
int IO_safe_replace(const std::string& path, int (*writer)(FILE* f, void* ctx), void* ctx);
// For writers: len bytes to f in pieces, so that a test can stop a save part-way. 1 when all went.
int IO_save_write(FILE* f, const void* data, long len);
const std::string& IO_save_error(void);     // the reason the last failed save gave
// Tests: called before each step of a save; a nonzero answer makes the step fail as the system
// call would, with that answer as errno. For IO_SAVE_WRITE, bytes_done is how much of the
// temporary file has been written so far.
enum { IO_SAVE_CREATE = 1, IO_SAVE_WRITE, IO_SAVE_SYNC, IO_SAVE_RENAME };
extern int (*IO_save_fault_hook)(int step, long bytes_done);

//=== memory-mapped files ====================================================================
class XMappedFile {
public:
    XMappedFile(const char* inFileName, unsigned char** MAP_add);
    ~XMappedFile();
    XMappedFile(const XMappedFile&) = delete;
    XMappedFile& operator=(const XMappedFile&) = delete;

    unsigned char* retry(const char* path);  // release the current view and map path afresh
    unsigned char* begin() const { return mBegin; }
    unsigned char* end() const { return mEnd; }
    long size() const { return (long)(mEnd - mBegin); }
    int ok() const { return mBegin != nullptr; }

private:
    void release();
    unsigned char* mBegin = nullptr;
    unsigned char* mEnd = nullptr;
    int   mFile = -1;                        // file descriptor
    void* mFileMapping = nullptr;            // the mapping (same address as mBegin on this host)
    long  mMappedSize = 0;
};

//=== typed headers and scanners over mapped files ===========================================
// The read position *c_use and the size c_max travel with every scanner; none reads past c_max.
extern int rev_inf_bin;                     // 1: the file being read is big-endian ("a")
extern std::string IO_notice_text;          // notice line of a type 22/23 header, as last read

// -1 when s holds any character other than digits, '+' or '-'; otherwise the decimal value of
// its digits (signs are ignored).
int str_to_int(const std::string& s);

// Check the typed header of a mapped file and leave *c_use on its first data byte, *c_max at
// its size. A req_version_str beginning "NOT AERODECK" accepts any non-empty foreign file.
int MAP_check_file(int ftype, XMappedFile* MAP_file, unsigned char* MAP_add, int* c_use, int* c_max,
                   const char* req_version_str);
// The same check over size bytes at data, wherever they are held.
int MAP_check_bytes(int ftype, const unsigned char* data, long size, int* c_use, int* c_max,
                    const char* req_version_str);

// Little-endian fields (big-endian when rev_inf_bin). At the end of the data each returns 0 and
// leaves *c_use at c_max.
unsigned char  BIN_MAP_chr_scan(const unsigned char* MAP_add, int* c_use, int c_max);
unsigned short BIN_MAP_shr_scan(const unsigned char* MAP_add, int* c_use, int c_max);   // 2 bytes
unsigned int   BIN_MAP_int_scan(const unsigned char* MAP_add, int* c_use, int c_max);   // 4 bytes, unsigned
int            BIN_MAP_lon_scan(const unsigned char* MAP_add, int* c_use, int c_max);   // 4 bytes, signed

void IO_utils_reset(void);                  // no save hook, no error, little-endian; start-up reset
