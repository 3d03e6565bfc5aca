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
