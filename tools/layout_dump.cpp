// Prints the layout the compiler gave the stored records, one line per field:
//   record<TAB>field<TAB>offset<TAB>byte_size
// plus a "sizeof" line per record. The field names come from the records'
// layout lists; the offsets and sizes printed are the compiler's own
// (offsetof/sizeof), not the numbers written in those lists, so the output
// can be checked against the design tables independently of the headers.

#include <cstddef>
#include <cstdio>

#include "model/acf_struct.h"
#include "model/afl_struct.h"
#include "model/old_acf_struct.h"
#include "model/set_struct.h"
#include "model/wpn_struct.h"

namespace {

void row(const char* record, const char* field, std::size_t offset, std::size_t bytes)
{
    std::printf("%s\t%s\t%zu\t%zu\n", record, field, offset, bytes);
}

}  // namespace

#define DUMP_FIELD(rec, field) row(#rec, #field, offsetof(rec, field), sizeof(rec::field));
#define DUMP_VEH(field, offset, elem, count) DUMP_FIELD(veh_struct, field)
#define DUMP_WPN(field, offset, elem, count) DUMP_FIELD(wpn_struct, field)
#define DUMP_SET(field, offset, elem, count) DUMP_FIELD(set_struct, field)
#define DUMP_OLD(field, offset, elem, count) DUMP_FIELD(OLD_planestruct, field)
#define DUMP_AFL(field, offset, elem, count) DUMP_FIELD(airfoil_struct, field)

int main()
{
    std::printf("# record\tfield\toffset\tbyte_size\n");

    VEH_STRUCT_LAYOUT(DUMP_VEH)
    row("veh_struct", "sizeof", 0, sizeof(veh_struct));

    WPN_STRUCT_LAYOUT(DUMP_WPN)
    row("wpn_struct", "sizeof", 0, sizeof(wpn_struct));

    SET_STRUCT_LAYOUT(DUMP_SET)
    row("set_struct", "sizeof", 0, sizeof(set_struct));

    OLD_PLANESTRUCT_LAYOUT(DUMP_OLD)
    row("OLD_planestruct", "sizeof", 0, sizeof(OLD_planestruct));

    AIRFOIL_STRUCT_LAYOUT(DUMP_AFL)
    row("airfoil_struct", "sizeof", 0, sizeof(airfoil_struct));
    return 0;
}
