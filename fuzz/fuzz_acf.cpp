// Fuzzes the aircraft-file reader: any bytes at all as the whole aircraft file in memory, as given
// and behind a current header in either byte order. A damaged file may end in an alert; it must
// never crash, hang or write past the stored image, and what it reads must be the file's image:
// taken back to the stored byte order, the record holds exactly the bytes that followed the header
// and nothing after them.
#include "model/IO_ACF.h"
#include "model/acf_struct.h"
#include "base/IO_TYPED.h"
#include "fuzz/fuzz_common.h"
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace {

const int HEADER = 5;
const std::string PATH = "Aircraft:fuzz.acf";

// Which 4-byte words of the stored image hold characters (1) or numbers (0), worked out here from
// the record's layout list on its own, so the fuzzer checks the reader's conversion rather than
// repeating it.
const std::vector<unsigned char>& char_words(void)
{
    static const std::vector<unsigned char> words = [] {
        std::vector<unsigned char> w(ACF_IMAGE_BYTES / 4, 0);
#define FUZZ_MARK_CHAR(field, off, type, count)                                                   \
        if (std::is_same_v<type, char>)                                                           \
            for (size_t b = (off); b < (size_t)(off) + sizeof(type) * (count) && b < (size_t)ACF_IMAGE_BYTES; b++) \
                w[b / 4] = 1;
        VEH_STRUCT_LAYOUT(FUZZ_MARK_CHAR)
#undef FUZZ_MARK_CHAR
        return w;
    }();
    return words;
}

// The record holds the stored image (image bytes, zero after them) as this machine reads it: when
// turned, every number word byte-reversed and every text word as stored. Checked up to a little
// past the image, so a read that runs on is caught too. Left out of coverage and address checks:
// this loop runs over every word of an image, says nothing about which input is interesting,
// and reads only inside the record and the image it was given.
__attribute__((no_sanitize("coverage", "address"))) bool image_matches(const unsigned char* rec,
                                                                       const uint8_t* stored, size_t image,
                                                                       bool turned)
{
    const size_t end = std::min(((image + 3) & ~(size_t)3) + 64, (size_t)ACF_IMAGE_BYTES);
    if (!turned) {
        if (memcmp(rec, stored, image) != 0) return false;
        for (size_t b = image; b < end; b++)
            if (rec[b]) return false;
        return true;
    }
    const unsigned char* text = char_words().data();   // no checked indexing in this loop
    for (size_t b = 0; b < end; b += 4) {
        uint32_t want = 0, got;
        if (b + 4 <= image) memcpy(&want, stored + b, 4);
        else
            for (size_t k = 0; b + k < image && k < 4; k++) reinterpret_cast<unsigned char*>(&want)[k] = stored[b + k];
        if (!text[b / 4]) want = __builtin_bswap32(want);
        memcpy(&got, rec + b, 4);
        if (got != want) return false;
    }
    return true;
}

// The part of veh[0] the last read may have written: the image bytes it copied, to whole words
// because a big-endian image is turned word by word. Clearing only that keeps the record as the
// file reader leaves it (cleared) without wiping 3 MB for every input.
size_t s_dirty;

void read_image(const uint8_t* file, size_t size)
{
    unsigned char* rec = reinterpret_cast<unsigned char*>(&veh[0]);
    const int current = IO_bin_header_version(file, (long)size) == 740;
    // A current file's image is copied over the front of the record; only what lies past it must
    // be cleared as the file reader clears it.
    const size_t copied = current ? std::min(size - HEADER, (size_t)ACF_IMAGE_BYTES) : 0;
    if (s_dirty > copied) memset(rec + copied, 0, s_dirty - copied);
    int got = 0;
    s_dirty = ACF_IMAGE_BYTES;   // until the read has returned, anything may have been written
    try {
        got = IO_acf_image(0, file, (long)size, PATH);
    } catch (const fuzz_fatal_alert&) {
    }
    FUZZ_REQUIRE(got == current);
    if (!got) {
        // Not ours to read: nothing of the record may have changed.
        FUZZ_REQUIRE(rec[0] == 0 && !memcmp(rec, rec + 1, 63));
        s_dirty = 0;
        return;
    }
    // A record whose first stored word is not zero came from a big-endian machine: the reader
    // turns every number word.
    const size_t image = std::min(size - HEADER, (size_t)ACF_IMAGE_BYTES);
    const uint8_t* stored = file + HEADER;
    bool turned = false;
    for (size_t b = 0; b < 4 && b < image; b++) turned |= stored[b] != 0;
    s_dirty = (image + 3) & ~(size_t)3;
    FUZZ_REQUIRE(image_matches(rec, stored, image, turned));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_take_alerts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Bytes that begin with a current header are a whole file as they are; any other bytes are
    // read as given (a header of another version, or none) and then as the image behind a good
    // header. Every header and image pair is some input, so nothing is lost by reading a file
    // that already has its header only once.
    read_image(data, size);
    if (IO_bin_header_version(data, (long)size) == 740) return 0;

    // The first input byte picks the byte order, so both the plain read and the big-endian
    // conversion see every kind of image, and for one input in four the image is filled out with
    // zeros to its whole length: whole files are read without the fuzzer having to grow inputs of
    // 647,096 bytes, which cost it forty times a short one.
    static const uint8_t little[HEADER] = {'i', 0xE4, 0x02, 0x00, 0x00};
    static const uint8_t big[HEADER] = {'a', 0x00, 0x00, 0x02, 0xE4};
    const bool be = size && (data[0] & 1);
    const bool whole = size && (data[0] & 6) == 6;
    static std::vector<uint8_t> file;
    file.assign(be ? big : little, (be ? big : little) + HEADER);
    file.insert(file.end(), data, data + size);
    if (whole && file.size() < HEADER + (size_t)ACF_IMAGE_BYTES) file.resize(HEADER + ACF_IMAGE_BYTES, 0);
    read_image(file.data(), file.size());
    return 0;
}
