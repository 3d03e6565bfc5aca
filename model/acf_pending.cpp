// acf_pending.cpp -- stand-ins for the steps of reading and saving an aircraft whose real work
// arrives later (see acf_pending.h). Each answers "nothing there": no file read, no object. Remove a stand-in when its real function lands.
#include "model/acf_pending.h"

// No previous-generation reader yet: such a file is "not read", and the caller reports it.
int OLD_IO_acf(const std::string& path, int p)
{
    (void)path;
    (void)p;
    return 0;
}

// No airfoil reader yet: the part keeps the cleared tables.
void load_foil_for_part(const std::string& name, int p, int part, int t, int r)
{
    (void)name;
    (void)p;
    (void)part;
    (void)t;
    (void)r;
}

// No object reader yet: as for a missing file, there is no model.
int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type)
{
    (void)x;
    (void)y;
    (void)z;
    (void)dh;
    (void)basic_path;
    (void)object_type;
    (void)build_type;
    return -1;
}

// The automatic settings and the validity check: nothing is derived or reported yet.
void ACF_autoset(int p) { (void)p; }

void ACF_check(int p, int is_batch)
{
    (void)p;
    (void)is_batch;
}

// No new-aircraft defaults yet: the record stays as the failed read left it.
void setup_base_acf(void) {}
void setup_base_panel(void) {}

// No instrument catalogue yet: no textures to load.
void ACF_load_instrument_textures(int p) { (void)p; }

// No weapon files yet: the weapon slots stay cleared.
void IO_wpn(int IO_type, int p, int en, const std::string& name, const std::string& path, int use_path)
{
    (void)IO_type;
    (void)p;
    (void)en;
    (void)name;
    (void)path;
    (void)use_path;
}

// No geometry builder yet.
void load_plane_geo(int load_tex, int dump_start, int touch_up, int p)
{
    (void)load_tex;
    (void)dump_start;
    (void)touch_up;
    (void)p;
}
