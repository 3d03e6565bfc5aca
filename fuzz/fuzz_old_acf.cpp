// Fuzzes the reader of older aircraft files (versions 600, 626 and 700): any bytes as a whole
// file in memory, as given and behind an older header in either byte order. A damaged file may
// end in an alert; it must never crash or hang, a file of another version must leave the record
// alone, and a converted record must keep the counts it was given within its arrays.
#include "model/OLD_IO_acf.h"
#include "model/acf_struct.h"
#include "base/IO_TYPED.h"
#include "fuzz/fuzz_common.h"
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int HEADER = 5;
const int VERSIONS[4] = {600, 626, 700, 600};

void read_file(const uint8_t* file, size_t size)
{
    veh_struct& v = veh[0];
    const int version = IO_bin_header_version(file, (long)size);
    const long need = OLD_acf_image_bytes(version);
    v.num_engines = 12345;                       // a mark: a file not taken leaves it
    int got = 0;
    try {
        got = OLD_IO_acf_image(0, file, (long)size, "Aircraft:fuzz.acf");
    } catch (const fuzz_fatal_alert&) {
        abort();                                 // the reader never raises a fatal alert
    }
    FUZZ_REQUIRE(got == (need > 0));
    if (!got) {
        FUZZ_REQUIRE(v.num_engines == 12345);
        return;
    }
    for (int i = 200; i < ACF_INSTRUMENTS; i++) FUZZ_REQUIRE(v.ins_type[i] == -1);
    FUZZ_REQUIRE(v.steer_gear >= 67 && v.steer_gear <= 72);
    if (version == 700) return;                  // the current layout: its counts are the check's to judge
    FUZZ_REQUIRE(v.num_engines >= 0 && v.num_engines <= ACF_THRUST_POINTS);
    FUZZ_REQUIRE(v.num_thrustpoints >= 0 && v.num_thrustpoints <= ACF_THRUST_POINTS);
    FUZZ_REQUIRE(v.num_tanks >= 1 && v.num_tanks <= ACF_TANKS);
    for (int en = 0; en < v.num_thrustpoints; en++) FUZZ_REQUIRE(v.prop_type[en] >= 0 && v.prop_type[en] <= 9);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Bytes that begin with an older header are a whole file as they are; any other bytes are
    // read as given, and then their first byte picks the version (bits 0-1), the byte order of
    // the header (bit 2) and whether the image is filled out with zeros to its whole length
    // (bit 3), and the rest is the image. Which byte order the image is turned from is its own
    // first word's to say.
    read_file(data, size);
    if (size == 0 || OLD_acf_image_bytes(IO_bin_header_version(data, (long)size)) > 0) return 0;
    const int version = VERSIONS[data[0] & 3];
    const bool big = data[0] & 4, whole = data[0] & 8;
    static std::vector<uint8_t> file;
    file.assign(HEADER, 0);
    file[0] = big ? 'a' : 'i';
    for (int b = 0; b < 4; b++) file[1 + b] = (uint8_t)(version >> (8 * (big ? 3 - b : b)));
    file.insert(file.end(), data + 1, data + size);
    const size_t full = HEADER + (size_t)OLD_acf_image_bytes(version);
    if (whole && file.size() < full) file.resize(full, 0);
    read_file(file.data(), file.size());
    return 0;
}
