// fuzz_pictures.h -- what the picture fuzzers share: a scratch folder, fatal alerts as exceptions,
// seeds made at start and handed to libFuzzer, and the input written as a file for the loaders.
#pragma once
#include "shell/Hl_MNW.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

struct fuzz_fatal_alert {};

inline void fuzz_throw_on_fatal(int type, const char*, const char*, const char*, const char*, const char*, int)
{
    if (type == 17) throw fuzz_fatal_alert();   // the loader's verdict on a malformed picture
}

inline std::string& fuzz_dir(void) { static std::string d; return d; }

inline void fuzz_remove_dir(void) { std::error_code ec; std::filesystem::remove_all(fuzz_dir(), ec); }

// Fatal alerts throw, the gamma table is plain, and a fresh folder (removed at exit) holds the
// input and the seeds.
inline void fuzz_pictures_setup(const char* name)
{
    g_alert_hook = fuzz_throw_on_fatal;
    for (int i = 0; i < 256; i++) win_gamma[i] = (unsigned char)i;
    fuzz_dir() = std::string("/tmp/ww-fuzz-") + name + "-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(fuzz_dir());
    atexit(fuzz_remove_dir);
}

// libFuzzer reads its flags after LLVMFuzzerInitialize, so the seeds join them here.
inline void fuzz_add_seeds(int* argc, char*** argv, const std::vector<std::string>& seeds)
{
    std::string list;
    for (const std::string& p : seeds) { if (!list.empty()) list += ','; list += p; }
    static std::vector<char*> args;
    static std::string flag;
    flag = "-seed_inputs=" + list;
    args.assign(*argv, *argv + *argc);
    args.push_back(flag.data());
    args.push_back(nullptr);
    *argc = (int)args.size() - 1;
    *argv = args.data();
}

inline int fuzz_write_input(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size) fwrite(data, 1, size, f);
    fclose(f);
    return 1;
}
