// The command line, end to end: the real program run on files the tests make.
#include "tests/support/ww_test.h"
#include "tests/support/ww_full_acf.h"
#include "tests/support/old_acf_file.h"
#include "editor/PLN_MAIN.h"
#include "model/IO_ACF.h"
#include "base/hl_string.h"
#include "base/IO_TYPED.h"
#include "shell/Hl_MNW.h"
#include <gtest/gtest.h>
#include <png.h>
#include <csignal>
#include <cstdio>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct run_result {
    int status;
    std::string out, err;
};

// The program with args (shell words), its status, standard output and standard error.
run_result run(const std::string& args, const std::string& env = "")
{
    const std::string err = ww_temp_dir("cli-err") + "err";
    const std::string cmd = env + " '" WW_AERODECK_DIR "Wing-Wright' " + args + " 2>'" + err + "'";
    run_result r{-1, "", ""};
    FILE* p = popen(cmd.c_str(), "r");
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = ww_read_bytes(err);
    return r;
}

// A row of characters is one text: the last extent of a character array.
template <class T>
int text_width(void)
{
    if constexpr (std::rank_v<T> == 0) return 1;
    else return (int)std::extent_v<T, std::rank_v<T> - 1>;
}

class Cli : public ::testing::Test {
protected:
    std::string dir, full;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        ww_use_aerodeck();
        MACIBM_fill_constants();
        dir = ww_temp_dir("cli");
        full = dir + "full.acf";
        ww_full_acf(0);
        ASSERT_TRUE(IO_acf_write_to(0, full));
    }
    // The full aircraft with one change, saved as name.
    std::string variant(const char* name, void (*edit)(veh_struct&))
    {
        ww_full_acf(0);
        edit(veh[0]);
        EXPECT_TRUE(IO_acf_write_to(0, dir + name));
        return dir + name;
    }
};

}  // namespace

TEST_F(Cli, CheckListsEachProblemAndExitsByTheWorstFile)
{
    const std::string bad = variant("bad.acf", [](veh_struct& v) {
        memset(v.tailnum, ' ', 8);
        v.tailnum[8] = 0;
        v.throt_max_FWD = 0;
    });
    ASSERT_TRUE(ww_write_bytes(dir + "junk.acf", "not an airplane at all"));
    ASSERT_TRUE(ww_write_bytes(dir + "empty.acf", ""));
    struct row {
        std::string files;
        int status;
        std::vector<std::string> lines;
    } rows[] = {
        {full, 0, {"check: 1 passed, 0 with problems, 0 unreadable"}},
        {full + " " + bad, 1, {bad + ": check 1: ", bad + ": check 10: ", "1 passed, 1 with problems, 0 unreadable"}},
        {bad + " " + dir + "junk.acf " + dir + "empty.acf " + dir + "missing.acf " + dir, 2,
         {"0 passed, 1 with problems, 4 unreadable"}},
    };
    for (const row& r : rows) {
        const run_result got = run("check " + r.files);
        EXPECT_EQ(got.status, r.status) << r.files << "\n" << got.out << got.err;
        for (const std::string& l : r.lines) EXPECT_NE(got.out.find(l), std::string::npos) << l << "\n" << got.out;
    }
    EXPECT_NE(run("check " + dir + "junk.acf").err.find("junk.acf: cannot be read as an aircraft"), std::string::npos);
}

// Every stored element the dump prints, read back by a JSON parser, equals the record the editor
// holds after opening the file, found by the layout's offsets rather than by member names.
TEST_F(Cli, DumpEqualsTheRecordTheEditorReads)
{
    const std::string json = dir + "full.json";
    ASSERT_EQ(run("dump " + full + " > '" + json + "'").status, 0);
    const std::string py = "import json,sys\n"
                           "d=json.load(open(sys.argv[1]))\n"
                           "def walk(k,v):\n"
                           "  if isinstance(v,list):\n"
                           "    for x in v: walk(k,x)\n"
                           "  else: print(k, v if not isinstance(v,str) else repr(v))\n"
                           "for k,v in d.items(): walk(k,v)\n";
    ASSERT_TRUE(ww_write_bytes(dir + "flat.py", py));
    FILE* p = popen(("python3 '" + dir + "flat.py' '" + json + "'").c_str(), "r");
    std::string flat;
    char buf[65536];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) flat.append(buf, n);
    ASSERT_EQ(pclose(p), 0);

    STR_put(veh[0].path, full);
    STR_put(veh[0].name, "full.acf");
    ASSERT_TRUE(IO_acf_read_any(0));
    ACF_after_read(0, 1);
    const unsigned char* rec = reinterpret_cast<const unsigned char*>(&veh[0]);
    std::istringstream in(flat);
    int fields = 0, mismatches = 0;
    auto next = [&](const char* name, std::string* value) {
        std::string line;
        std::getline(in, line);
        const size_t sp = line.find(' ');
        *value = line.substr(sp + 1);
        return line.substr(0, sp) == name;
    };
    // Texts compare as the characters up to their end; numbers by value, NaN as JSON's null.
    auto compare = [&]<class F, class E>(const char* name, int off, int count) {
        std::string v;
        if constexpr (std::is_same_v<E, char>) {
            const int w = text_width<F>();
            for (int e = 0; e < count / w; e++) {
                const char* t = reinterpret_cast<const char*>(rec + off + e * w);
                if (!next(name, &v) || v.find(std::string(t, strnlen(t, (size_t)w))) == std::string::npos) mismatches++;
            }
        } else if constexpr (std::is_arithmetic_v<E>) {
            for (int e = 0; e < count; e++) {
                E x;
                memcpy(&x, rec + off + e * sizeof(E), sizeof x);
                if (!next(name, &v) || (x == x ? (E)std::stod(v) != x : v != "None")) mismatches++;
            }
        }
    };
#define CLI_TEST_FIELD(field, off, type, count)                                                 \
    if ((off) < ACF_IMAGE_BYTES) {                                                              \
        fields++;                                                                               \
        compare.template operator()<decltype(veh_struct::field), type>(#field, (off), (count)); \
    }
    VEH_STRUCT_LAYOUT(CLI_TEST_FIELD)
#undef CLI_TEST_FIELD
    EXPECT_GT(fields, 500);
    EXPECT_EQ(mismatches, 0);

    const run_result some = run("dump " + full + " --fields Vne_kts,tailnum --nonzero");
    EXPECT_EQ(some.out, "{\n  \"tailnum\": \"" + STR_of(veh[0].tailnum) + "\",\n  \"Vne_kts\": " +
                            std::to_string((int)veh[0].Vne_kts) + "\n}\n");
    EXPECT_EQ(run("dump " + full + " --fields no_such_field").status, 2);
}

TEST_F(Cli, DiffNamesTheEditedFieldsByIndex)
{
    const std::string copy = variant("copy.acf", [](veh_struct&) {});
    const std::string edited = variant("edited.acf", [](veh_struct& v) {
        v.Vne_kts = 321;
        v.pe_xyz[1] = 4.5f;
    });
    const run_result same = run("diff " + full + " " + copy);
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    ww_full_acf(0);
    const run_result d = run("diff " + full + " " + edited);
    EXPECT_EQ(d.status, 1);
    char want[200];
    snprintf(want, sizeof want, "Vne_kts: %.9g -> 321\npe_xyz[1]: %.9g -> 4.5\n", veh[0].Vne_kts, veh[0].pe_xyz[1]);
    EXPECT_EQ(d.out, want);
    EXPECT_EQ(run("diff " + full + " " + dir + "missing.acf").status, 2);
}

// A folder of current, old, foreign and cut-short files, with a loop of links: each old file
// becomes current, nothing unreadable is touched, and a dry run changes nothing.
TEST_F(Cli, ResaveConvertsAMixedFolderAndLeavesWhatItCannotRead)
{
    static const int32_t panel[6][200] = {};
    ww_full_acf(0);
    const std::string old = old_acf_file_700(veh[0], panel, true);
    ASSERT_EQ(mkdir((dir + "sub").c_str(), 0755), 0);
    ASSERT_TRUE(ww_write_bytes(dir + "sub/old.acf", old));
    const std::string junk = "junk that is no airplane", cut = ww_read_bytes(full).substr(0, 4000);
    ASSERT_TRUE(ww_write_bytes(dir + "sub/junk.acf", junk) && ww_write_bytes(dir + "cut.acf", cut));
    ASSERT_TRUE(ww_write_bytes(dir + "notes.txt", "not an aircraft name"));
    ASSERT_EQ(symlink("..", (dir + "sub/loop").c_str()), 0);

    const run_result dry = run("resave --dry-run " + dir);
    EXPECT_EQ(dry.out, "resave: 1 would be converted, 1 already current, 2 unreadable\n") << dry.err;
    EXPECT_EQ(ww_read_bytes(dir + "sub/old.acf"), old);

    const run_result r = run("resave " + dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "resave: 1 converted, 1 already current, 2 unreadable\n") << r.err;
    EXPECT_NE(r.err.find("cut.acf: could not read, left as it was"), std::string::npos);
    const std::string now = ww_read_bytes(dir + "sub/old.acf");
    EXPECT_EQ(IO_bin_header_version(reinterpret_cast<const unsigned char*>(now.data()), (long)now.size()), 740);
    EXPECT_EQ(ww_read_bytes(dir + "sub/junk.acf"), junk);
    EXPECT_EQ(ww_read_bytes(dir + "cut.acf"), cut);
    EXPECT_EQ(run("check " + dir + "sub/old.acf").status, 0);
    EXPECT_EQ(run("resave " + dir + "sub/old.acf").out, "resave: 0 converted, 1 already current, 0 unreadable\n");
}

// Stopped part-way by Ctrl-C or killed outright, every file is whole: the old version or the new
// one. Ctrl-C lets each worker finish its file, so no temporary is left and the run says so.
TEST_F(Cli, ResaveStoppedPartWayLeavesEveryFileOldOrNew)
{
    static const int32_t panel[6][200] = {};
    ww_full_acf(0);
    const std::string old = old_acf_file_700(veh[0], panel, false);
    auto version = [](const std::string& f) {
        return IO_bin_header_version(reinterpret_cast<const unsigned char*>(f.data()), (long)f.size());
    };
    for (int sig : {SIGINT, SIGKILL}) {
        dir = ww_temp_dir("cli-stop");
        const int files = 60;
        for (int i = 0; i < files; i++) ASSERT_TRUE(ww_write_bytes(dir + "f" + std::to_string(i) + ".acf", old));
        const pid_t pid = fork();
        if (pid == 0) {
            setpgid(0, 0);
            freopen("/dev/null", "w", stdout);
            execl(WW_AERODECK_DIR "Wing-Wright", "Wing-Wright", "resave", "--jobs", "2", dir.c_str(), (char*)nullptr);
            _exit(99);
        }
        // Stopped once saving is under way.
        for (int t = 0; t < 500 && version(ww_read_bytes(dir + "f0.acf")) != 740; t++) usleep(10000);
        kill(sig == SIGINT ? pid : -pid, sig);
        int st;
        waitpid(pid, &st, 0);
        const bool interrupted = WIFEXITED(st) && WEXITSTATUS(st) == 130;
        EXPECT_TRUE(sig != SIGINT || interrupted) << st;
        usleep(200000);
        int converted = 0;
        for (int i = 0; i < files; i++) {
            const std::string f = ww_read_bytes(dir + "f" + std::to_string(i) + ".acf");
            const bool now = version(f) == 740 && f.size() == 5 + (size_t)ACF_IMAGE_BYTES;
            EXPECT_TRUE(f == old || now) << i;
            converted += now;
        }
        EXPECT_GT(converted, 0);
        if (sig != SIGINT) continue;
        EXPECT_LT(converted, files);
        EXPECT_NE(system(("ls -A '" + dir + "' | grep -q '[.]tmp$'").c_str()), 0);
    }
}

TEST_F(Cli, RenderDrawsTheAircraftIntoAPictureOfTheSizeAsked)
{
    const std::string png = dir + "top.png";
    // Mesa's own allocations outlive the process, as in the GL suites: no leak check there.
    const std::string mesa = "ASAN_OPTIONS=detect_leaks=0";
    const run_result r = run("render " + full + " --view top --size 320x200 --out " + png, mesa);
    ASSERT_EQ(r.status, 0) << r.err;
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&img, png.c_str()));
    EXPECT_EQ(img.width, 320u);
    EXPECT_EQ(img.height, 200u);
    img.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> px(PNG_IMAGE_SIZE(img));
    ASSERT_TRUE(png_image_finish_read(&img, nullptr, px.data(), 0, nullptr));
    // The corner is background; the aircraft covers a good part of the middle.
    int aircraft = 0;
    for (size_t i = 0; i < px.size(); i += 3)
        if (memcmp(&px[i], &px[0], 3) != 0) aircraft++;
    EXPECT_GT(aircraft, 320 * 200 / 20);
    EXPECT_LT(aircraft, 320 * 200 * 9 / 10);

    const run_result none = run("render " + full + " --out " + png, "SDL_VIDEODRIVER=no_such_driver");
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("render: no OpenGL is available"), std::string::npos);
    EXPECT_EQ(run("render " + full + " --view aft --out " + png, mesa).status, 2);
}
