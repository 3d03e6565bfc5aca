// The shell's tables and paths: constants, gamma, folder strings, host paths, mapped files.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "tests/support/ww_test.h"
#include <cmath>
#include <fstream>
#include <sys/stat.h>

TEST(Constants, FilledOnceAtStart)
{
    MACIBM_fill_constants();
    EXPECT_FLOAT_EQ(con.pi, 3.1415927f);
    EXPECT_NEAR(con.g, 9.7983f, 1e-4);
    EXPECT_FLOAT_EQ(con.degtorad * con.radtodeg, 1.0f);
    EXPECT_FLOAT_EQ(con.ktstomsc, 0.5144445f);
    EXPECT_FLOAT_EQ(con.msctokts, 1.0f / 0.5144445f);
    EXPECT_FLOAT_EQ(con.rpmtorsc, con.degtorad * 6);
    EXPECT_NEAR(con.nmtomtrs, 1852.0f, 0.01f);
    EXPECT_FLOAT_EQ(con.lbstontn, con.g * 0.4535925f);
    EXPECT_NEAR(con.endtomed, con.g * 0.4535925f / std::pow(0.3048f, 4), 1e-3);
    EXPECT_FLOAT_EQ(con.lbhtokgs * 3600, con.lbstokgs);
    EXPECT_FLOAT_EQ(lookup_sin[90], 1.0f);
    EXPECT_NEAR(lookup_cos[90], 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(lookup_cos[360], 1.0f);
    // gamma 0.8181818 brightens the middle and keeps both ends
    EXPECT_EQ(win_gamma[0], 0);
    EXPECT_EQ(win_gamma[255], 255);
    EXPECT_EQ(win_gamma[128], (int)std::floor(255 * std::pow(128 / 255.0, 0.8181818) + 0.5));
    EXPECT_GT(win_gamma[128], 128);
}

TEST(Folders, EveryFolderHangsOffTheProgramFolder)
{
    MACIBM_build_paths("/opt/Aerodeck/");
    EXPECT_EQ(wrk_path, "/opt/Aerodeck/");
    EXPECT_EQ(bmp_path, "/opt/Aerodeck/Resources:bitmaps:");
    EXPECT_EQ(gen_path, "/opt/Aerodeck/Resources:Preferences:Aerodeck 7 Wing-Wright.prf");
    EXPECT_EQ(res_path, "/opt/Aerodeck/Resources:Preferences:Aerodeck 7 Resolution.prf");
    EXPECT_EQ(fms_path, "/opt/Aerodeck/Output:FMS plans:");
    EXPECT_EQ(key_path, "/opt/Aerodeck/Instructions:keys:");
    ww_use_aerodeck();
}

TEST(Resolution, DefaultsAndInterfaceOffsets)
{
    memset(&mnw, 0, sizeof mnw);
    MACIBM_res_defaults();
    EXPECT_EQ(mnw.x_res_now, 1024);
    EXPECT_EQ(mnw.y_res_now, 768);
    EXPECT_EQ(mnw.lang, -1);
    EXPECT_FLOAT_EQ(mnw.prd_UI, 0.02f);
    mnw.x_res_now = 1280; mnw.y_res_now = 1024;
    MACIBM_compute_offsets();
    EXPECT_EQ(mnw.x_off, 128);
    EXPECT_EQ(mnw.y_off, 256);
    EXPECT_EQ(mnw.x1_pix, -128);
    EXPECT_EQ(mnw.x2_pix, 1152);
    EXPECT_EQ(mnw.y2_pix, 1024);
}

TEST(HostPaths, ColonsBecomeSlashesAndCaseIsForgiven)
{
    std::string d = ww_temp_dir("hostpaths");
    mkdir((d + "Aircraft").c_str(), 0755);
    mkdir((d + "Aircraft/Old Planes").c_str(), 0755);
    std::ofstream(d + "Aircraft/Old Planes/Cub.ACF") << "x";
    std::string colon = d.substr(0, d.size() - 1) + ":";

    EXPECT_EQ(IO_host_path(colon + "Aircraft:Old Planes:Cub.ACF"), d + "Aircraft/Old Planes/Cub.ACF");
    EXPECT_EQ(IO_host_path(colon + "aircraft:OLD PLANES:cub.acf"), d + "Aircraft/Old Planes/Cub.ACF");
    // A file that does not exist yet keeps its own spelling inside the matched folders.
    EXPECT_EQ(IO_host_path(colon + "AIRCRAFT:new.acf"), d + "Aircraft/new.acf");
    EXPECT_TRUE(IO_file_exists(colon + "AIRCRAFT:old planes:CUB.acf"));
    EXPECT_FALSE(IO_file_exists(colon + "Aircraft:Old Planes"));   // a folder is no file
}

TEST(MappedFiles, WholeFileViewAndRetry)
{
    std::string d = ww_temp_dir("mapped");
    std::ofstream(d + "a.txt") << "hello";
    std::ofstream(d + "b.txt") << "longer text";
    std::ofstream(d + "empty.txt");
    unsigned char* p = nullptr;
    XMappedFile m((d + "a.txt").c_str(), &p);
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(p, m.begin());
    EXPECT_EQ(m.size(), 5);
    EXPECT_EQ(std::string((char*)m.begin(), m.size()), "hello");
    EXPECT_NE(m.retry((d + "b.txt").c_str()), nullptr);
    EXPECT_EQ(m.size(), 11);
    EXPECT_EQ(m.retry((d + "missing.txt").c_str()), nullptr);
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(m.size(), 0);
    EXPECT_EQ(m.retry((d + "empty.txt").c_str()), nullptr);
    XMappedFile none("", &p);
    EXPECT_EQ(p, nullptr);
}

TEST(Alerts, FatalAlertLogsWhereItCameFromAndStops)
{
    std::string d = ww_temp_dir("fatal");
    EXPECT_EXIT(
        {
            g_alert_hook = nullptr;
            MACIBM_build_paths(d.c_str());
            MACIBM_open_logs();
            g_OGL_inited = 0;
            // No display in this child: the message box falls back to the terminal.
            setenv("DISPLAY", "", 1);
            MACIBM_alert(0, "first", "second", "third", "fourth", 17);
        },
        ::testing::ExitedWithCode(1), "");
    std::ifstream f(d + "Error.out");
    std::string l1, l2, l3, l4, l5;
    std::getline(f, l1); std::getline(f, l2); std::getline(f, l3); std::getline(f, l4); std::getline(f, l5);
    EXPECT_NE(l1.find("file: "), std::string::npos);
    EXPECT_NE(l1.find("test_shell.cpp, line: "), std::string::npos);
    EXPECT_EQ(l2, "first");
    EXPECT_EQ(l5, "fourth");
}

TEST(Alerts, BeforeTheWindowExistsAMessageIsASystemMessageBox)
{
    // With no display the message box cannot open and the words go to the terminal instead;
    // either way the program goes on after a plain message.
    EXPECT_EXIT(
        {
            g_alert_hook = nullptr;
            g_OGL_inited = 0;
            setenv("DISPLAY", "", 1);
            MACIBM_alert(0, "Plain message", "second line", "", "", 16);
            fprintf(stderr, "went on\n");
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "Aerodeck Message(.|\n)*Plain message(.|\n)*second line(.|\n)*went on");
}
