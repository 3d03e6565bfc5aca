// Fuzzes the passes every aircraft goes through after it is read and in every editor frame: the
// shared fully populated aircraft, with the patches of the input (fuzz/acf_patch.h) applied to its
// stored image, is read, given its automatic settings, checked in full and in the alert's way,
// and given ten frames of derived specifications. Counts beyond their arrays, values that are not
// numbers, infinities and 1e30 may come in anywhere; nothing may read or write outside the record,
// divide by zero into a trap or loop without end, and what the passes promise must hold.
#include "fuzz/acf_patch.h"
#include "fuzz/fuzz_common.h"
#include "geometry/PLN_PROCS.h"
#include "model/IO_ACF.h"
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "tests/support/ww_full_acf.h"
#include <cmath>
#include <vector>

namespace {

const std::string PATH = "Aircraft:Full Transport.acf";
std::vector<uint8_t> s_file;   // the full aircraft as a current file: header, then image

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    MACIBM_fill_constants();
    mnw.prd_FM = 0.02f;
    ww_full_acf(0);
    const std::string header = IO_typed_header(4, 740);
    s_file.assign(header.begin(), header.end());
    const uint8_t* image = reinterpret_cast<const uint8_t*>(&veh[0]);
    s_file.insert(s_file.end(), image, image + ACF_IMAGE_BYTES);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The patches go into the one copy of the file and are taken out again after the run.
    static std::vector<acf_patch_undo> undo;
    undo.clear();
    unsigned char* image = s_file.data() + (s_file.size() - ACF_IMAGE_BYTES);
    acf_patch_apply(image, data, size, &undo);
    struct restore {
        unsigned char* image;
        ~restore()
        {
            for (size_t i = undo.size(); i-- > 0;) memcpy(image + undo[i].at, undo[i].old, (size_t)undo[i].bytes);
        }
    } put_back{image};

    // The file is whole, so the read replaces every stored byte; the run-time fields the passes
    // touch (the airfoils' thickness ratios) only ever hold copies of the cleared ones.
    veh_struct& v = veh[0];
    FUZZ_REQUIRE(IO_acf_image(0, s_file.data(), (long)s_file.size(), PATH) == 1);
    ACF_autoset(0);
    const std::vector<ACF_problem> problems = ACF_check_all(0);
    // Each check at most once. (Not in rising order: thrust points and engines each run their
    // checks in turn, so a later one may fail an earlier-numbered check.)
    uint32_t seen = 0;
    for (const ACF_problem& pr : problems) {
        FUZZ_REQUIRE(pr.check >= 1 && pr.check <= 27 && !(seen >> pr.check & 1));
        seen |= 1u << pr.check;
    }
    ACF_check(0, 0);
    for (int frame = 0; frame < 10; frame++) update_plane_specs();

    // The resting attitude and the blades are always numbers the drawing can use.
    FUZZ_REQUIRE(std::isfinite(v.h_eqlbm) && std::isfinite(v.the_eqlbm));
    for (int k = 0; k < ACF_THRUST_POINTS; k++)
        if (have_this_part(0, k, 6))
            for (int e = 0; e < ACF_ELEMENTS; e++)
                FUZZ_REQUIRE(v.bladesweep[k][e] >= 0 && v.bladesweep[k][e] <= 90 && std::isfinite(v.incidence[k][e]));
    for (int part = 0; part < ACF_PARTS; part++)
        FUZZ_REQUIRE(v.flap_elR[part] >= 0 && v.flap_elR[part] <= 10 && v.flap_elT[part] >= 0 && v.flap_elT[part] <= 10);
    FUZZ_REQUIRE(strnlen(v.tailnum, sizeof v.tailnum) <= 6);
    return 0;
}
