// ww_full_acf.h -- the one fully populated aircraft that every test and benchmark shares.
#pragma once

// Record p becomes an eight-engine turboprop transport with every part present: 8 engines and
// their discs, nacelles and attached surfaces, all 20 flying surfaces with 10 elements each and
// every kind of control on them, the fuselage and 8 further bodies, 6 gear legs with fairings,
// and all 300 panel slots in use (among them every instrument that fits equipment). Its values
// are sensible throughout and it passes every validity check; the automatic settings have run,
// so its derived fields agree with the rest. Named "Full Transport.acf" in "Aircraft:".
void ww_full_acf(int p);
