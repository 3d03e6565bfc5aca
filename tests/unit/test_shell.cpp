// The shell's host paths, mapped files, interface offsets and alerts before the window exists.
#include <gtest/gtest.h>
#include "shell/Hl_MNW.h"
#include "base/IO_UTILS.h"
#include "tests/support/ww_test.h"
#include <cstring>
#include <fstream>
#include <filesystem>
#include <atomic>
#include <thread>
#include <vector>

TEST(Resolution, InterfaceIsCentredInLargerScreens)
{
    MACIBM_zero_records();
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
    ASSERT_TRUE(std::filesystem::create_directories(d + "Aircraft/Old Planes"));
    std::ofstream(d + "Aircraft/Old Planes/Cub.ACF") << "x";
    std::string colon = d.substr(0, d.size() - 1) + ":";

    EXPECT_EQ(IO_host_path(colon + "Aircraft:Old Planes:Cub.ACF"), d + "Aircraft/Old Planes/Cub.ACF");
    EXPECT_EQ(IO_host_path(colon + "aircraft:OLD PLANES:cub.acf"), d + "Aircraft/Old Planes/Cub.ACF");
    // A file that does not exist yet keeps its own spelling inside the matched folders.
    EXPECT_EQ(IO_host_path(colon + "AIRCRAFT:new.acf"), d + "Aircraft/new.acf");
    EXPECT_TRUE(IO_file_exists(colon + "AIRCRAFT:old planes:CUB.acf"));
    EXPECT_FALSE(IO_file_exists(colon + "Aircraft:Old Planes"));   // a folder is no file
}

// The start decodes pictures on worker threads while the main thread opens its own files; when
// files are missing, all of them look for names in another case at once, each in its own folder.
TEST(HostPaths, CaseIsForgivenFromManyThreadsAtOnce)
{
    std::string d = ww_temp_dir("hostpaths_threads");
    for (const char* sub : {"A", "B", "C", "D"}) {
        ASSERT_TRUE(std::filesystem::create_directories(d + sub));
        for (int i = 0; i < 40; i++) std::ofstream(d + sub + "/File" + std::to_string(i) + ".png") << "x";
    }
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (const char* sub : {"A", "B", "C", "D"})
        threads.emplace_back([&, sub] {
            for (int i = 0; i < 400; i++) {
                const std::string want = d + sub + "/File" + std::to_string(i % 40) + ".png";
                wrong += IO_host_path(d + sub + "/file" + std::to_string(i % 40) + ".PNG") != want;
            }
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(wrong, 0);
}

// Zeroing hands whole pages back to the system: exactly the range must read zero afterwards,
// the bytes around it untouched, whether or not it starts and ends on page boundaries.
TEST(Records, ZeroFillClearsExactlyItsRange)
{
    static unsigned char big[1 << 21];       // zero-initialised data, like the records
    const struct { size_t at, n; } rows[] = {{0, 0}, {1, 1}, {4095, 2}, {4097, 70000}, {3, (1 << 20) + 5}, {8192, 65536}};
    for (const auto& r : rows) {
        memset(big, 0xAB, sizeof big);
        MACIBM_zero_fill(big + 64 + r.at, r.n);
        size_t wrong = 0;
        for (size_t i = 0; i < sizeof big; i++) wrong += big[i] != (i >= 64 + r.at && i < 64 + r.at + r.n ? 0 : 0xAB);
        EXPECT_EQ(wrong, 0u) << r.at << " " << r.n;
    }
    memset(stl.text[700], 'x', sizeof stl.text[700]);
    mnw.item_code[900][5] = 3;
    MACIBM_zero_records();
    EXPECT_EQ(stl.text[700][100] | mnw.item_code[900][5], 0);
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
