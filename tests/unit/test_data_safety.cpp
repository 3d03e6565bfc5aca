// A designer never loses a file to a failed open, a save goes nowhere unexpected, a recovery file
// never replaces an earlier one, and an unattended batch never stops to wait.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "editor/PLN_MAIN.h"
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "base/hl_string.h"
#include "base/IO_UTILS.h"
#include "draw/HL_BITMAP.h"
#include <unistd.h>
#include "tests/support/ww_test.h"
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

class DataSafety : public ::testing::Test {
protected:
    std::string planes;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        MACIBM_build_paths(ww_temp_dir("data-safety").c_str());
        MACIBM_open_logs();
        planes = acf_path + "Planes:";
        IO_make_folders(planes + "x");
    }
    void TearDown() override { MACIBM_close_logs(); }

    // Record 0 as an aircraft saved at planes + file, with a mark to know it again.
    void saved_aircraft(const char* file, char mark)
    {
        memset(&veh[0], 0, sizeof veh[0]);
        STR_put(veh[0].name, file);
        STR_put(veh[0].path, planes + file);
        veh[0].ICAO[0] = mark;
        ASSERT_TRUE(IO_acf_write_to(0, planes + file));
    }
    std::string log(void)
    {
        fflush(xer);
        return ww_read_bytes(IO_host_path(app_path + "Error.out"));
    }
};

TEST_F(DataSafety, AFailedOpenKeepsTheAircraftThatWasOpenAndItsFile)
{
    // Files that do not read: too short for a header, and a header of a generation not read here.
    const struct { const char* name; std::string bytes; } bad[] = {
        {"tiny.acf", "i\x02"},
        {"old.acf", std::string("i\xF4\x01\0\0", 5) + std::string(1000, 'x')},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.name);
        saved_aircraft("Cub.acf", 'J');
        set.acf_mod = 1;
        set.body_locked[44][3][5] = 1;
        ww_write_bytes(IO_host_path(planes + b.name), b.bytes);

        g_test_alerts.clear();
        EXPECT_EQ(ACF_open(b.name, planes + b.name), 0);
        ASSERT_EQ(g_test_alerts.size(), 1u);
        EXPECT_EQ(g_test_alerts[0].type, 16);
        EXPECT_EQ(STR_of(veh[0].path), planes + "Cub.acf");
        EXPECT_EQ(veh[0].ICAO[0], 'J');
        EXPECT_EQ(set.acf_mod, 1);
        EXPECT_EQ(set.body_locked[44][3][5], 1);

        // Save now writes the aircraft the designer has, where it belongs.
        EXPECT_EQ(ACF_save_command(0), 1);
        EXPECT_EQ(ww_read_bytes(IO_host_path(planes + b.name)), b.bytes);
        EXPECT_EQ(ww_read_bytes(IO_host_path(planes + "Cub.acf")).size(), 5u + ACF_IMAGE_BYTES);
    }
}

TEST_F(DataSafety, TheLastAircraftNotReadingAtStartBecomesANewOneThatSaveCannotPutOverIt)
{
    const std::string bad = planes + "Gone.acf";
    ww_write_bytes(IO_host_path(bad), "abc");
    STR_put(veh[0].name, "Gone.acf");
    STR_put(veh[0].path, bad);
    EXPECT_EQ(read_acf(0, 0), 0);
    EXPECT_EQ(STR_of(veh[0].name), "Untitled.acf");
    EXPECT_EQ(STR_of(veh[0].path), "Untitled.acf");
    EXPECT_EQ(set.acf_mod, 0);
    // A new aircraft has no home yet: Save asks where (no window here, so the dialog cancels) and
    // nothing is written, neither over the old file nor beside the working folder.
    set.acf_mod = 1;
    EXPECT_EQ(ACF_save_command(0), 0);
    EXPECT_EQ(ww_read_bytes(IO_host_path(bad)), "abc");
    EXPECT_FALSE(std::filesystem::exists("Untitled.acf"));
    EXPECT_FALSE(std::filesystem::exists(".acf"));
    EXPECT_EQ(set.acf_mod, 1);
}

TEST_F(DataSafety, RecoveryFilesAreNumberedAndTheNextStartNamesTheLastOne)
{
    saved_aircraft("Cub.acf", 'J');
    set.acf_mod = 1;
    EXPECT_EQ(MACIBM_write_recovery(), planes + "Cub_recovered.acf");
    veh[0].ICAO[0] = 'K';
    EXPECT_EQ(MACIBM_write_recovery(), planes + "Cub_recovered-2.acf");
    EXPECT_EQ(ww_read_bytes(IO_host_path(planes + "Cub_recovered.acf"))[5 + offsetof(veh_struct, ICAO)], 'J');
    EXPECT_NE(log().find("unsaved aircraft written to: " + IO_host_path(planes + "Cub_recovered-2.acf")),
              std::string::npos);

    g_test_alerts.clear();
    MACIBM_tell_recovery();
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].type, 16);
    EXPECT_EQ(g_test_alerts[0].lines[2], IO_host_path(planes + "Cub_recovered-2.acf"));
    g_test_alerts.clear();
    MACIBM_tell_recovery();                  // said once
    EXPECT_TRUE(g_test_alerts.empty());
}

TEST_F(DataSafety, TheBatchLogsAFailedSaveAndGoesOn)
{
    saved_aircraft("A.acf", 'A');
    saved_aircraft("B.acf", 'B');
    ww_write_bytes(IO_host_path(planes + "C.acf"), "abc");
    // The first save finds the disk full; the batch must neither stop nor wait for a click.
    static int s_saves;
    s_saves = 0;
    IO_save_fault_hook = [](int step, long) { return step == IO_SAVE_CREATE && s_saves++ == 0 ? ENOSPC : 0; };
    g_test_alerts.clear();
    batch_update();
    IO_save_fault_hook = nullptr;
    for (const auto& a : g_test_alerts) EXPECT_NE(a.type, 16) << a.lines[0];
    const std::string l = log();
    EXPECT_NE(l.find("Batch re-save: could not save " + IO_host_path(planes)), std::string::npos) << l;
    EXPECT_NE(l.find("could not read, left as it was: " + IO_host_path(planes + "C.acf")), std::string::npos) << l;
    EXPECT_NE(l.find("Batch re-save: 1 re-saved, 1 unreadable, 1 failed to save"), std::string::npos) << l;
    EXPECT_EQ(ww_read_bytes(IO_host_path(planes + "C.acf")), "abc");
}

TEST_F(DataSafety, ASaveClearsTheTemporariesOfSavesThatDiedButNotThoseOfARunningOne)
{
    // A pid that no process has (above the kernel's limit), and a running one (this test's parent).
    const std::string dead = IO_host_path(planes) + ".Cub.acf.99999999-0.tmp";
    const std::string alive = IO_host_path(planes) + ".Cub.acf." + std::to_string(getppid()) + "-0.tmp";
    const std::string foreign = IO_host_path(planes) + ".notes.tmp";
    for (const std::string& f : {dead, alive, foreign}) ww_write_bytes(f, std::string(1000, 'x'));
    saved_aircraft("Cub.acf", 'J');
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive));
    EXPECT_TRUE(std::filesystem::exists(foreign));
}

TEST_F(DataSafety, APaintBitmapIsReplacedOnlyByAWholeNewOne)
{
    const std::string paint = planes + "Cub_paint.bmp";
    ww_write_bytes(IO_host_path(paint), "the designer's own paint");
    memset(scratch_array, 7, 64 * 32 * 3);
    IO_save_fault_hook = [](int step, long done) { return step == IO_SAVE_WRITE && done > 1000 ? ENOSPC : 0; };
    g_test_alerts.clear();
    EXPECT_EQ(OGL_make_bmp(paint, 64, 32), 0);
    IO_save_fault_hook = nullptr;
    EXPECT_EQ(ww_read_bytes(IO_host_path(paint)), "the designer's own paint");
    ASSERT_EQ(g_test_alerts.size(), 1u);
    EXPECT_EQ(g_test_alerts[0].type, 16);
    EXPECT_EQ(OGL_make_bmp(paint, 64, 32), 1);
    EXPECT_EQ(ww_read_bytes(IO_host_path(paint)).size(), 54u + 64 * 32 * 3);
}

}   // namespace
