// Byte-level behaviour of the stored records: what a cleared record holds,
// and that the stored images go to memory or a file and come back unchanged,
// with each field at the byte the file format puts it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "model/acf_struct.h"
#include "model/set_struct.h"
#include "model/wpn_struct.h"

namespace {

// File-map facts that the readers and writers rely on.
static_assert(sizeof(flt_struct::dob_x) == 8 && sizeof(flt_struct::the) == 4,
              "the preferences file keeps the view offsets as doubles and the angles as floats");
static_assert(5 + sizeof(wpn_struct) + sizeof(veh_struct::body_r[0]) + 3 * sizeof(veh_struct::body_X[0]) ==
                  13885,
              "a weapon file: header, weapon image, then the body grid of its slot");
static_assert(sizeof(veh_struct::body_X[0]) == 1440, "20 stations x 18 points of float32 per body");

template <class T>
std::unique_ptr<T> cleared()
{
    return std::unique_ptr<T>(new T());  // value-initialised: every byte zero
}

bool all_zero(const void* p, std::size_t n, std::size_t* first_nonzero = nullptr)
{
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) {
        if (b[i] != 0) {
            if (first_nonzero) *first_nonzero = i;
            return false;
        }
    }
    return true;
}

template <class T>
T load_le(const std::vector<unsigned char>& bytes, std::size_t at)
{
    static_assert(sizeof(T) == 4);
    std::uint32_t u = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                      std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
    T v;
    std::memcpy(&v, &u, 4);
    return v;
}

// Everything written to a stream so far, read back from its start.
std::vector<unsigned char> read_back(std::FILE* f)
{
    std::fflush(f);
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::rewind(f);
    std::vector<unsigned char> back(size > 0 ? std::size_t(size) : 0);
    EXPECT_EQ(std::fread(back.data(), 1, back.size(), f), back.size());
    return back;
}

std::vector<unsigned char> write_and_read_file(const void* data, std::size_t n)
{
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (!f) return {};
    EXPECT_EQ(std::fwrite(data, 1, n, f), n);
    std::vector<unsigned char> back = read_back(f);
    std::fclose(f);
    return back;
}

// Fill every byte of a record's storage with a position-dependent pattern, so
// that a shifted or truncated copy cannot compare equal by accident.
void scribble(void* p, std::size_t n)
{
    auto* b = static_cast<unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<unsigned char>(i * 131 + (i >> 9) + 7);
}

TEST(Records, ClearedRecordsAreAllZeroBytes)
{
    // The file readers clear a record and then fill it, so whatever a file does
    // not supply must read as zero: no field may carry a built-in default.
    static_assert(std::is_trivially_default_constructible_v<veh_struct> &&
                  std::is_trivially_default_constructible_v<flt_struct> &&
                  std::is_trivially_default_constructible_v<set_struct> &&
                  std::is_trivially_default_constructible_v<wpn_struct>);

    std::size_t at = 0;
    auto acf = cleared<veh_struct>();
    EXPECT_TRUE(all_zero(acf.get(), sizeof(veh_struct), &at)) << "non-zero byte at " << at;

    auto view = cleared<flt_struct>();
    EXPECT_TRUE(all_zero(view.get(), sizeof(flt_struct)));
    auto prefs = cleared<set_struct>();
    EXPECT_TRUE(all_zero(prefs.get(), sizeof(set_struct)));
}

TEST(Records, AircraftImageRoundTripsThroughMemoryAndFile)
{
    auto out = cleared<veh_struct>();
    scribble(out.get(), ACF_IMAGE_BYTES);  // every stored byte, padding after ICAO included
    out->is_APL = 0;
    out->Vne_kts = 250.0f;
    out->num_engines = 2;
    std::strcpy(out->tailnum, "N172SP");
    std::memset(out->ICAO, 0, sizeof out->ICAO);
    std::strcpy(out->ICAO, "C172");
    out->body_X[44][3][7] = 1.5f;
    out->in_downwash[9][17][4] = 1;
    out->rev_con[72] = 1;
    out->xchr_overflow[6] = 'z';  // last stored byte
    // Run-time fields behind the image are never stored.
    out->end_of_data = 'E';
    out->afl[3].Lstall = 1.4f;
    out->wpn[5].type = 3;

    const auto* image = reinterpret_cast<const unsigned char*>(out.get());

    // Memory: the image copied into a cleared record comes back byte for byte,
    // and nothing behind it is touched.
    auto mem = cleared<veh_struct>();
    std::memcpy(mem.get(), out.get(), ACF_IMAGE_BYTES);
    EXPECT_EQ(std::memcmp(mem.get(), out.get(), ACF_IMAGE_BYTES), 0);
    EXPECT_TRUE(all_zero(reinterpret_cast<const unsigned char*>(mem.get()) + ACF_IMAGE_BYTES,
                         sizeof(veh_struct) - ACF_IMAGE_BYTES));

    // File: exactly the image length is written and read back unchanged.
    std::vector<unsigned char> file = write_and_read_file(out.get(), ACF_IMAGE_BYTES);
    ASSERT_EQ(file.size(), std::size_t(ACF_IMAGE_BYTES));
    EXPECT_EQ(std::memcmp(file.data(), image, ACF_IMAGE_BYTES), 0);

    auto in = cleared<veh_struct>();
    std::memcpy(in.get(), file.data(), file.size());
    EXPECT_EQ(std::memcmp(in.get(), out.get(), ACF_IMAGE_BYTES), 0);
    EXPECT_EQ(in->end_of_data, 0);
    EXPECT_EQ(in->afl[3].Lstall, 0.0f);
    EXPECT_EQ(in->wpn[5].type, 0);
    EXPECT_STREQ(in->tailnum, "N172SP");

    // Fields sit at the file offsets the simulator reads them from (little-endian,
    // arrays row-major with the first index slowest).
    EXPECT_EQ(load_le<std::int32_t>(file, 0), 0);
    EXPECT_EQ(load_le<float>(file, 2072), 250.0f);
    EXPECT_EQ(load_le<std::int32_t>(file, 9508), 2);
    EXPECT_EQ(std::memcmp(&file[1004], "N172SP", 7), 0);
    EXPECT_EQ(std::memcmp(&file[646098], "C172", 5), 0);
    EXPECT_EQ(load_le<float>(file, 302236 + ((44 * 20 + 3) * 18 + 7) * 4), 1.5f);
    EXPECT_EQ(load_le<std::int32_t>(file, 88784 + ((9 * 73 + 17) * 10 + 4) * 4), 1);
    EXPECT_EQ(file[647016 + 72], 1);
    EXPECT_EQ(file[ACF_IMAGE_BYTES - 1], 'z');
}

TEST(Records, WeaponImageRoundTripsThroughFile)
{
    auto out = cleared<wpn_struct>();
    scribble(out.get(), sizeof(wpn_struct));
    out->type = 4;
    std::memset(out->mis_afl, 0, sizeof out->mis_afl);
    std::strcpy(out->mis_afl[2], "NACA 0009 (symmetrical).afl");

    std::vector<unsigned char> file = write_and_read_file(out.get(), sizeof(wpn_struct));
    ASSERT_EQ(file.size(), std::size_t(WPN_IMAGE_BYTES));
    auto in = cleared<wpn_struct>();
    std::memcpy(in.get(), file.data(), file.size());
    EXPECT_EQ(std::memcmp(in.get(), out.get(), sizeof(wpn_struct)), 0);
    EXPECT_EQ(load_le<std::int32_t>(file, 0), 4);
    EXPECT_EQ(std::memcmp(&file[224 + 2 * 40], "NACA 0009", 9), 0);
}

TEST(Records, SettingsImageSitsInThePreferencesFileAsStored)
{
    // The editor preferences file: header ("i" + int32 version 740), the set
    // image, the aircraft name and path (500 bytes each), the view offsets
    // (3 doubles) and the view angles (3 floats).
    auto s = cleared<set_struct>();
    scribble(s.get(), sizeof(set_struct));
    s->acf_mod = 1;
    s->wbldW_tab = 3;
    std::memset(s->body_locked, 0, sizeof s->body_locked);
    s->body_locked[44][11][17] = 1;  // last station and point of the fuselage's flags
    s->body_locked[45][0][5] = 1;

    auto acf = cleared<veh_struct>();
    std::strcpy(acf->name, "Cub.acf");
    auto view = cleared<flt_struct>();
    view->dob_z = -10.0;
    view->phi = -30.0f;

    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    auto put = [f](const void* p, std::size_t n) { EXPECT_EQ(std::fwrite(p, 1, n, f), n); };
    const int version = 740;
    put("i", 1);
    put(&version, 4);
    EXPECT_EQ(std::ftell(f), PRF_SET_OFFSET);
    put(s.get(), sizeof(set_struct));
    put(acf->name, sizeof acf->name);
    put(acf->path, sizeof acf->path);
    put(&view->dob_x, 8);
    put(&view->dob_y, 8);
    put(&view->dob_z, 8);
    put(&view->the, 4);
    put(&view->psi, 4);
    put(&view->phi, 4);
    std::vector<unsigned char> file = read_back(f);
    std::fclose(f);
    ASSERT_EQ(file.size(), std::size_t(PRF_FILE_BYTES));

    auto back = cleared<set_struct>();
    std::memcpy(back.get(), &file[PRF_SET_OFFSET], SET_IMAGE_BYTES);
    EXPECT_EQ(std::memcmp(back.get(), s.get(), sizeof(set_struct)), 0);

    EXPECT_EQ(load_le<std::int32_t>(file, PRF_SET_OFFSET + 1000), 1);      // acf_mod
    EXPECT_EQ(load_le<std::int32_t>(file, PRF_SET_OFFSET + 16896), 3);     // wbldW_tab, last word
    EXPECT_EQ(file[PRF_SET_OFFSET + 1080 + (44 * 12 + 11) * 18 + 17], 1);  // [part][station][point]
    EXPECT_EQ(file[PRF_SET_OFFSET + 1080 + (45 * 12 + 0) * 18 + 5], 1);
    EXPECT_EQ(std::memcmp(&file[16905], "Cub.acf", 8), 0);  // veh[0].name follows the image
    double dob_z;
    std::memcpy(&dob_z, &file[17921], 8);
    EXPECT_EQ(dob_z, -10.0);
    EXPECT_EQ(load_le<float>(file, 17937), -30.0f);  // the last item
}

}  // namespace
