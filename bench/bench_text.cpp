// Text layout of every numbered text line, English against Korean: each line split into its
// label, unit and help, the two labels laid out (broken into lines where long) and every glyph
// placed, the help wrapped as the hover box wraps it. Headless: layout is arithmetic, no GL.
//     build/bench_text
#include <benchmark/benchmark.h>
#include "shell/Hl_MNW.h"
#include "editor/HL_BTN.h"
#include "draw/HL_GRAPH.h"
#include "base/hl_string.h"
#include "tests/support/ww_test.h"
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

static std::vector<std::string> text_lines(int lang)
{
    ww_use_aerodeck();
    const char* folder = MACIBM_lang_folder(lang);     // also sets the language the reader follows
    std::string path = std::string(WW_AERODECK_DIR) + "Resources/text/" + folder;
    path.back() = '/';
    std::ifstream in(path + "Wing-Wright.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    MACIBM_read_text_bytes((const unsigned char*)bytes.data(), (long)bytes.size(), path);
    std::vector<std::string> lines;
    for (int i = 0; i < STL_NUM_TEXT; i++)
        if (stl.text[i][0]) lines.push_back(stl.text[i]);
    return lines;
}

static void BM_layout_every_text_line(benchmark::State& state)
{
    const std::vector<std::string> lines = text_lines((int)state.range(0));
    static OGL_glyph glyphs[STL_TEXT_LEN];
    char left[STR_LABEL_LEN], right[STR_LABEL_LEN], help[STR_LABEL_LEN];
    long placed = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            label0to12h(line.c_str(), left, right, help);
            BTN_label_layout l, r;
            BTN_layout_label(300, 400, 0, left, &l);
            BTN_layout_label(340, 400, 2, right, &r);
            for (const BTN_label_layout* b : {&l, &r})
                for (int k = 0; k < b->lines; k++)
                    placed += OGL_layout_string(b->text[k], b->x[k], b->y[k], 9999, 100, glyphs, STL_TEXT_LEN);
            placed += OGL_layout_string(help, 10, 700, 394, 100, glyphs, STL_TEXT_LEN);
        }
    }
    state.counters["lines"] = (double)lines.size();
    state.counters["glyphs/pass"] = (double)placed / (double)state.iterations();
    benchmark::DoNotOptimize(placed);
}
BENCHMARK(BM_layout_every_text_line)->Arg(0)->Arg(5)->ArgName("lang")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
