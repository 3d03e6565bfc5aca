// A fatal stop never costs the designer the aircraft being edited.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <filesystem>
#include <fstream>

static long file_size(const std::string& p)
{
    std::error_code e;
    const auto n = std::filesystem::file_size(IO_host_path(p), e);
    return e ? -1 : (long)n;
}

class Recovery : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override
    {
        MACIBM_zero_records();
        ww_catch_alerts();
        MACIBM_build_paths(ww_temp_dir("recovery").c_str());
        folder = acf_path + "Planes:";
        IO_make_folders(folder + "x");
        strcpy(veh[0].name, "Cub.acf");
        snprintf(veh[0].path, sizeof veh[0].path, "%sCub.acf", folder.c_str());
        veh[0].ICAO[0] = 'J';
        set.acf_mod = 1;
    }
};

TEST_F(Recovery, NothingUnsavedWritesNothing)
{
    set.acf_mod = 0;
    EXPECT_EQ(MACIBM_write_recovery(), "");
    EXPECT_EQ(file_size(folder + "Cub_recovered.acf"), -1);
}

TEST_F(Recovery, UnwritableFolderFallsBackToTheProgramFolder)
{
    // The aircraft's folder is in fact a file: nothing can be created inside it.
    std::ofstream(IO_host_path(folder + "blocked")) << "x";
    snprintf(veh[0].path, sizeof veh[0].path, "%sblocked:Cub.acf", folder.c_str());
    EXPECT_EQ(MACIBM_write_recovery(), app_path + "Cub_recovered.acf");
    EXPECT_EQ(file_size(app_path + "Cub_recovered.acf"), 5 + 647096);
}

TEST_F(Recovery, FatalStopWritesItBeforeStopping)
{
    std::string p = folder + "Cub_recovered.acf";
    EXPECT_EXIT(
        {
            g_alert_hook = nullptr;
            setenv("DISPLAY", "", 1);
            MACIBM_arm_recovery();
            MACIBM_alert(0, "Something broke.", "", "", "", 17);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(file_size(p), 5 + 647096);
}
