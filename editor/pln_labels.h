// pln_labels.h -- labels the editor windows build from a text line: a position field's label
// with its help sentence, and a label with one of its two sides left out.
#pragma once
#include <string>

// "left|right { " then, by dir ('x' to the side, 'y' above, 'z' behind), "This is how far ...
// the ", the help of label0 (the thing the position belongs to) and the closing sentence about
// the reference point. The text lives in one shared buffer, valid until the next call.
const char* xyz_name(const std::string& label0, char dir);

// label0 with its left label dropped when l1 is 0 and its right label dropped when l2 is 0; the
// help stays.
void label_part(const std::string& label0, std::string* label0_mod, int l1, int l2);
