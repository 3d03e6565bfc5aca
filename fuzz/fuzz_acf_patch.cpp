// Fuzzes the passes every aircraft goes through after it is read and in every editor frame: the
// shared fully populated aircraft, with the patches of the input (fuzz/acf_patch.h) applied to its
// stored image, is read, given its automatic settings, checked in full and in the alert's way,
// given ten frames of derived specifications, and built into drawable geometry as every frame
// builds it. Counts beyond their arrays, values that are not numbers, infinities and 1e30 may come
// in anywhere; nothing may read or write outside the record, divide by zero into a trap or loop
// without end, and what the passes promise must hold: among it, every vertex, normal and texture
// coordinate the geometry hands to GL is a finite number.
#include "fuzz/acf_patch.h"
#include "fuzz/fuzz_common.h"
#include "draw/HL_DRPLANE.h"
#include "geometry/PLN_DEFL.h"
#include "geometry/PLN_PROCS.h"
#include "model/acf_defaults.h"
#include "model/acf_parts.h"
#include "model/IO_ACF.h"
#include "base/IO_TYPED.h"
#include "base/records.h"
#include "tests/support/ww_full_acf.h"
#include <cmath>
#include <vector>

namespace {

const std::string PATH = "Aircraft:Full Transport.acf";
std::vector<uint8_t> s_file;   // the full aircraft as a current file: header, then image

// The checks of every point are the same comparisons for any input: left out of coverage tracing.
__attribute__((no_sanitize("coverage"))) bool finite_grid(const float (*g)[ACF_BODY_POINTS][3], int sdim, int rdim)
{
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++)
            if (!std::isfinite(g[s][r][0]) || !std::isfinite(g[s][r][1]) || !std::isfinite(g[s][r][2])) return false;
    return true;
}

__attribute__((no_sanitize("coverage"))) bool finite_coords(const float (*g)[ACF_BODY_POINTS][2], int sdim, int rdim)
{
    for (int s = 0; s < sdim; s++)
        for (int r = 0; r < rdim; r++)
            if (!std::isfinite(g[s][r][0]) || !std::isfinite(g[s][r][1])) return false;
    return true;
}

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

    // The frame's geometry: every part and weapon the build draws.
    update_def_angles(0);
    load_plane_geo(0, 0, 0, 0);
    for (int en = 0; en < ACF_PARTS; en++) {
        if ((en >= ACF_FOIL_PARTS && (en < 44 || en > 66)) || !have_this_part(0, en, 6)) continue;
        const int sdim = f_body_s_DIM(0, en, 0), rdim = f_body_r_DIM(en, 0);
        FUZZ_REQUIRE(finite_grid(v.a_xyz[en], sdim, rdim) && finite_grid(v.n_xyz[en], sdim, rdim));
        FUZZ_REQUIRE(finite_coords(v.st[en], sdim, rdim));
    }
    for (int w = 0; w < ACF_WPN_POINTS; w++)
        if (wpn_can_exist(0, w))
            FUZZ_REQUIRE(finite_grid(v.wpn_n_xyz[w], ACF_WPN_STATIONS, ACF_BODY_POINTS) &&
                         finite_coords(v.wpn_st[w], ACF_WPN_STATIONS, ACF_BODY_POINTS));
    FUZZ_REQUIRE(std::isfinite(v.size_x) && std::isfinite(v.size_z) && std::isfinite(v.size_tot));
    return 0;
}
