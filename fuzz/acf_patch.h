// acf_patch.h -- the input format of the aircraft patch fuzzer, shared with the seed writer: a
// list of patches to the stored fields of an aircraft record, each naming its field by its place
// in the record's layout list, so any input reaches any field however deep in the record.
//
// A patch is 8 bytes: the field (2 bytes, little-endian, an index into the stored fields of
// VEH_STRUCT_LAYOUT, taken modulo their number), the element (2 bytes, modulo the field's
// element count) and the value (4 bytes: the raw bits of an int or float element; a char element
// takes the first byte).
#pragma once
#include "model/acf_struct.h"
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct acf_patch_field {
    const char* name;
    int offset, elem_bytes, count;
};

// The fields of the stored image, in layout order.
inline const std::vector<acf_patch_field>& acf_patch_fields(void)
{
    static const std::vector<acf_patch_field> fields = [] {
        std::vector<acf_patch_field> f;
#define ACF_PATCH_FIELD(field, off, type, n) \
        if ((off) < ACF_IMAGE_BYTES) f.push_back({#field, (off), (int)sizeof(type), (n)});
        VEH_STRUCT_LAYOUT(ACF_PATCH_FIELD)
#undef ACF_PATCH_FIELD
        return f;
    }();
    return fields;
}

inline const int ACF_PATCH_BYTES = 8;

// The bytes a patch replaced: where, and what was there.
struct acf_patch_undo {
    int at, bytes;
    uint8_t old[4];
};
// Every whole patch of data applied to the stored image at image (ACF_IMAGE_BYTES long). With
// undo, what each patch replaced is kept, so the caller can put the image back by undoing them in
// reverse order instead of copying the whole image for every input.
inline void acf_patch_apply(unsigned char* image, const uint8_t* data, size_t size,
                            std::vector<acf_patch_undo>* undo = nullptr)
{
    const std::vector<acf_patch_field>& fields = acf_patch_fields();
    for (size_t at = 0; at + ACF_PATCH_BYTES <= size; at += ACF_PATCH_BYTES) {
        const acf_patch_field& f = fields[(data[at] | data[at + 1] << 8) % fields.size()];
        const int element = (data[at + 2] | data[at + 3] << 8) % f.count;
        const int to = f.offset + element * f.elem_bytes;
        if (undo) {
            undo->push_back({to, f.elem_bytes, {}});
            memcpy(undo->back().old, image + to, (size_t)f.elem_bytes);
        }
        memcpy(image + to, data + at + 4, (size_t)f.elem_bytes);
    }
}

// The patch that sets element `element` of the field called name to the bits of value (the seed
// writer's side); empty when there is no such field.
template <typename T>
std::string acf_patch(const char* name, int element, T value)
{
    static_assert(sizeof(T) == 4);
    const std::vector<acf_patch_field>& fields = acf_patch_fields();
    for (size_t i = 0; i < fields.size(); i++) {
        if (strcmp(fields[i].name, name) != 0) continue;
        std::string p(ACF_PATCH_BYTES, '\0');
        p[0] = (char)(i & 0xFF), p[1] = (char)(i >> 8), p[2] = (char)(element & 0xFF), p[3] = (char)(element >> 8);
        memcpy(&p[4], &value, 4);
        return p;
    }
    return {};
}
