#include "model/acf_struct.h"

// The program's aircraft records and their drawing states (34 MB, zeroed at
// start like every static object).
veh_struct veh[ACF_RECORDS];
flt_struct flt[ACF_RECORDS];

// ---------------------------------------------------------------------------
// Layout checks. The aircraft file is read by the simulator as well: a single
// field out of place silently breaks every aircraft a user saves, so the
// struct is held to VEH_STRUCT_LAYOUT field by field (offset, element type and
// element count) and any drift stops the build.
#define VEH_FIELD_CHECK(field, offset, elem, count)                                                   \
    static_assert(offsetof(veh_struct, field) == (offset) &&                                          \
                      std::is_same_v<std::remove_all_extents_t<decltype(veh_struct::field)>, elem> && \
                      sizeof(veh_struct::field) == sizeof(elem) * (count),                            \
                  "veh_struct::" #field " does not match the aircraft record layout");
VEH_STRUCT_LAYOUT(VEH_FIELD_CHECK)
#undef VEH_FIELD_CHECK

// The stored image ends where end_of_data starts; the run-time fields begin on
// the next word, and the 44 airfoil tables end exactly where the weapons begin.
static_assert(offsetof(veh_struct, end_of_data) == ACF_IMAGE_BYTES);
static_assert(offsetof(veh_struct, a_xyz) == ACF_IMAGE_BYTES + 4);
static_assert(offsetof(veh_struct, ICAO) + sizeof(veh_struct::ICAO) + 2 == offsetof(veh_struct, part_psi),
              "two padding bytes after ICAO belong to the stored image");
static_assert(offsetof(veh_struct, afl) + ACF_FOIL_PARTS * sizeof(airfoil_struct) ==
              offsetof(veh_struct, wpn));
static_assert(offsetof(veh_struct, wpn) + ACF_WPN_SLOTS * sizeof(wpn_struct) == sizeof(veh_struct));

// The index-space constants agree with the arrays they bound.
static_assert(std::extent_v<decltype(veh_struct::part_eq)> == ACF_PARTS);
static_assert(std::extent_v<decltype(veh_struct::afl)> == ACF_FOIL_PARTS &&
              std::extent_v<decltype(veh_struct::ca_xyz)> == ACF_FOIL_PARTS);
static_assert(std::extent_v<decltype(veh_struct::s), 1> == ACF_ELEMENTS);
static_assert(std::extent_v<decltype(veh_struct::engn_type)> == ACF_THRUST_POINTS);
static_assert(std::extent_v<decltype(veh_struct::ringarea), 1> == ACF_RINGS);
static_assert(std::extent_v<decltype(veh_struct::ins_type)> == ACF_INSTRUMENTS);
static_assert(std::extent_v<decltype(veh_struct::cus_rnd_use)> == ACF_CUSTOM_GAUGES);
static_assert(std::extent_v<decltype(veh_struct::flap_dn)> == ACF_FLAP_DETENTS);
static_assert(std::extent_v<decltype(veh_struct::gear_door_typ)> == ACF_GEAR_DOORS);
static_assert(std::extent_v<decltype(veh_struct::tank_rat)> == ACF_TANKS);
static_assert(std::extent_v<decltype(veh_struct::wpn_name)> == ACF_WPN_POINTS);
static_assert(std::extent_v<decltype(veh_struct::wpn)> == ACF_WPN_SLOTS);
static_assert(std::extent_v<decltype(veh_struct::body_X), 1> == ACF_BODY_STATIONS &&
              std::extent_v<decltype(veh_struct::body_X), 2> == ACF_BODY_POINTS);
static_assert(std::extent_v<decltype(veh_struct::wpn_st), 1> == ACF_WPN_STATIONS);
static_assert(std::extent_v<decltype(veh_struct::co_xyz), 1> == ACF_FOIL_STATIONS);
static_assert(std::extent_v<decltype(veh_struct::wpn_name), 1> == ACF_TEXT);
static_assert(std::extent_v<decltype(veh_struct::Rafl0), 1> == ACF_FOIL_NAME);
static_assert(std::extent_v<decltype(flt_struct::ail1_def)> == ACF_PARTS &&
              std::extent_v<decltype(flt_struct::elem_inc_inc), 1> == ACF_ELEMENTS &&
              std::extent_v<decltype(flt_struct::CONT_thro_use)> == ACF_THRUST_POINTS);
