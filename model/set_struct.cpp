#include "model/set_struct.h"

set_struct set;

// ---------------------------------------------------------------------------
// Layout checks: the struct must match SET_STRUCT_LAYOUT field for field. A
// wrong edit of set_struct stops the build here instead of silently shifting
// every user's stored settings.
#define SET_FIELD_CHECK(field, offset, elem, count)                                                   \
    static_assert(offsetof(set_struct, field) == (offset) &&                                          \
                      std::is_same_v<std::remove_all_extents_t<decltype(set_struct::field)>, elem> && \
                      sizeof(set_struct::field) == sizeof(elem) * (count),                            \
                  "set_struct::" #field " does not match the preferences image");
SET_STRUCT_LAYOUT(SET_FIELD_CHECK)
#undef SET_FIELD_CHECK

// The lock flags are addressed [part][station][point].
static_assert(std::extent_v<decltype(set_struct::body_locked), 0> == SET_LOCK_PARTS &&
              std::extent_v<decltype(set_struct::body_locked), 1> == SET_LOCK_STATIONS &&
              std::extent_v<decltype(set_struct::body_locked), 2> == SET_LOCK_POINTS);

// The preferences file: header, this image, name and path (500 each), three
// doubles and three floats of the view position.
static_assert(PRF_SET_OFFSET + SET_IMAGE_BYTES + 500 + 500 + 3 * 8 + 3 * 4 == PRF_FILE_BYTES);
