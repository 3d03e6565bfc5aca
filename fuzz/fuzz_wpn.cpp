// Fuzzes the weapon-file reader: any bytes at all as the whole weapon file in memory, as given and
// behind a good header in either byte order. A damaged file ends in an alert; it must never crash,
// and a read either fills the slot whole, every value the drawing uses a number, or leaves the
// slot exactly as it was.
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "base/IO_TYPED.h"
#include "fuzz/fuzz_common.h"
#include <cmath>
#include <cstring>
#include <vector>

namespace {

const int HEADER = 5;
const long WHOLE = HEADER + WPN_IMAGE_BYTES + 4 + 3 * 1440;

bool drawable(const veh_struct& v, int en)
{
    const wpn_struct& w = v.wpn[en];
    bool ok = std::isfinite(v.body_r[en]) && std::isfinite(w.x_wpn_att) && std::isfinite(w.cgZ);
    for (int f = 0; f < WPN_FIN_SETS; f++)
        ok = ok && std::isfinite(w.mis_fin_semilen[f]) && std::isfinite(w.mis_fin_dihed[f][1]) && w.mis_afl[f][39] == 0;
    for (int s = 0; s < ACF_BODY_STATIONS; s++)
        for (int r = 0; r < ACF_BODY_POINTS; r++)
            ok = ok && std::isfinite(v.body_X[en][s][r]) && std::isfinite(v.body_Y[en][s][r]) && std::isfinite(v.body_Z[en][s][r]);
    return ok && w.action_mode == 0;
}

void read_file(const uint8_t* data, size_t size)
{
    veh_struct& v = veh[0];
    const int en = ACF_WPN_SLOTS - 1;
    memset(&v.wpn[en], 0x5A, sizeof v.wpn[en]);   // a marker the failed read must leave
    v.body_X[en][7][7] = 12345;
    int got = 0;
    try {
        got = IO_wpn_image(0, en, data, (long)size, "Weapons:fuzz.wpn");
    } catch (const fuzz_fatal_alert&) {
    }
    // A whole file behind a good header always reads; anything else never does.
    FUZZ_REQUIRE(got == ((long)size >= WHOLE && IO_bin_header_version(data, (long)size) == 1));
    if (!got) {
        FUZZ_REQUIRE(reinterpret_cast<const unsigned char*>(&v.wpn[en])[100] == 0x5A && v.body_X[en][7][7] == 12345);
        return;
    }
    FUZZ_REQUIRE(drawable(v, en));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    read_file(data, size);
    // The first byte picks the byte order; the rest, filled out with zeros to a whole file, is
    // the record and body behind a good header, so both conversions see every kind of content.
    static const uint8_t little[HEADER] = {'i', 1, 0, 0, 0};
    static const uint8_t big[HEADER] = {'a', 0, 0, 0, 1};
    const bool be = size && (data[0] & 1);
    static std::vector<uint8_t> file;
    file.assign(be ? big : little, (be ? big : little) + HEADER);
    file.insert(file.end(), data, data + size);
    if (file.size() < (size_t)WHOLE) file.resize(WHOLE, 0);
    read_file(file.data(), file.size());
    return 0;
}
