// wpn_samples.h -- the sample weapons the installation ships in its Weapons folder, so a designer
// has something to attach before building weapons of their own.
#pragma once

enum { WPN_SAMPLE_GUN_POD, WPN_SAMPLE_BOMB, WPN_SAMPLE_MISSILE, WPN_SAMPLE_DROP_TANK, WPN_SAMPLES };

// The file name sample kind is shipped under ("" for a kind out of range).
const char* WPN_sample_name(int kind);
// Weapon slot en (0..24) of record p becomes sample kind: its record, body radius and body grid
// (12 stations nose to tail, rings of 18 points that obey the body ring rules).
void WPN_make_sample(int p, int en, int kind);
