// MACIBM_keys.h -- the program's key codes. They keep the values of the virtual keys the key
// table was written for, so the menu shortcuts and the key dispatcher read the same numbers on
// every host; the SDL layer translates into them.
#pragma once

enum {
    VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
    VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
    VK_0 = 0x30,                            // '0'..'9' are 0x30..0x39
    VK_A = 0x41,                            // 'A'..'Z' are 0x41..0x5A
    VK_NUMPAD0 = 0x60,                      // keypad 0..9 are 0x60..0x69
    VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,                           // F1..F12 are 0x70..0x7B
    VK_F10 = 0x79,
    VK_OEM_1 = 0xBA,                        // ; :
    VK_OEM_PLUS = 0xBB,                     // = +
    VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,                        // / ?
    VK_OEM_3 = 0xC0,                        // ` ~
    VK_OEM_4 = 0xDB,                        // [ {
    VK_OEM_5 = 0xDC,                        // backslash |
    VK_OEM_6 = 0xDD,                        // ] }
    VK_OEM_7 = 0xDE                         // ' "
};

int MACIBM_shifted_char(int c, int shift);  // the character a US keyboard types for c with Shift

// The program's own codes for the keys that type no character. The editor's key handler reads
// these, whatever host key produced them.
enum {
    MACIBM_KEY_LEFT = 0x7B00, MACIBM_KEY_RIGHT = 0x7C00, MACIBM_KEY_DOWN = 0x7D00, MACIBM_KEY_UP = 0x7E00,
    MACIBM_KEY_PAD1 = 0x5300, MACIBM_KEY_PAD2 = 0x5400, MACIBM_KEY_PAD3 = 0x5500, MACIBM_KEY_PAD4 = 0x5600,
    MACIBM_KEY_PAD5 = 0x5700, MACIBM_KEY_PAD6 = 0x5800, MACIBM_KEY_PAD8 = 0x5B00,
    MACIBM_KEY_F1 = 0x7A00, MACIBM_KEY_F2 = 0x7800, MACIBM_KEY_F3 = 0x6300, MACIBM_KEY_F4 = 0x7600,
    MACIBM_KEY_F5 = 0x6000, MACIBM_KEY_F6 = 0x6100, MACIBM_KEY_F7 = 0x6200, MACIBM_KEY_F8 = 0x6400,
    MACIBM_KEY_F9 = 0x6500, MACIBM_KEY_F10 = 0x6D00, MACIBM_KEY_F11 = 0x6700, MACIBM_KEY_F12 = 0x6F00,
    MACIBM_KEY_RETURN = 0x2400, MACIBM_KEY_TAB = 0x3000, MACIBM_KEY_DELETE = 29999, MACIBM_KEY_SHIFT = -999,
    // Shift with an arrow: the fine moves.
    MACIBM_KEY_SHIFT_UP = 50000, MACIBM_KEY_SHIFT_LEFT = 50001, MACIBM_KEY_SHIFT_DOWN = 50002,
    MACIBM_KEY_SHIFT_RIGHT = 50003,
    // Function keys F1..F9, F10 (or Insert), F11, F12 as delivered in mode MACIBM_KMODE_FKEY;
    // Shift adds MACIBM_FKEY_SHIFTED.
    MACIBM_FKEY_F1 = 50, MACIBM_FKEY_F10 = 59, MACIBM_FKEY_F12 = 61, MACIBM_FKEY_SHIFTED = 12
};

// What the key argument of APPLICATION_handlekey holds in each mode.
enum {
    MACIBM_KMODE_CHAR    = 0,               // the character typed
    MACIBM_KMODE_SPECIAL = 1,               // Tab, an arrow or a keypad key: its code above
    MACIBM_KMODE_CTRL    = 3,               // the character typed with Ctrl held
    MACIBM_KMODE_FKEY    = 4                // a function key: MACIBM_FKEY_F1 ...
};

// Modifier keys held with the key being delivered (MACIBM_sys_key_mods).
// MACIBM_keys_held (base/common.h) also reports Alt and Caps Lock.
enum { MACIBM_MOD_SHIFT = 1, MACIBM_MOD_CTRL = 2, MACIBM_MOD_ALT = 4, MACIBM_MOD_CAPS = 8 };
