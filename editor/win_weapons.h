// win_weapons.h -- the weapon attachment window (907), the weapon builder window (908) and the
// weapon file commands of the File menu. The builder edits weapon slot 24 of record 0, named by
// set.weapn_name and saved at set.weapn_path.
#pragma once
#include <string>
struct wpn_struct;

void APP_weapon_attach_window(void);        // 907, page set.wdefW_tab
void APP_weapon_builder_window(void);       // 908, page set.wbldW_tab

// The File menu's weapon commands: a new weapon and opening one pass the weapon's save prompt
// first; Save asks for a name only when the weapon has none.
enum { WPN_CMD_NEW = 310, WPN_CMD_OPEN = 311, WPN_CMD_SAVE = 312, WPN_CMD_SAVE_AS = 313 };
void WPN_menu_command(int code);

// The builder's weapon: a fresh one (no file yet), saved (with_dialog: under a chosen name; also
// when it has no name yet; ".wpn" is added when missing), or opened through the dialog. 1 when
// it was saved or opened.
void WPN_new(void);
int  WPN_save(int with_dialog);
int  WPN_open(void);

// Attachment point slot: the weapon file at path attached (it must lie below the Weapons folder
// or the aircraft's own weapons folder; otherwise an alert and 0), or removed (name, position and
// type cleared; attitude and attachment choices kept).
int  WPN_attach(int slot, const std::string& path);
void WPN_remove(int slot);
// The name a weapon file at path is known by: its path below one of those folders; empty
// when it lies elsewhere.
std::string WPN_name_of_path(const std::string& path);
// Fin set f's mirror fin after its dihedral changed: the same angle, or for a fin within half a
// degree of vertical (90) the opposite one.
void WPN_mirror_fin(wpn_struct& w, int f);
