// HL_MOVIE.cpp -- the movie layer.
#include "support/HL_MOVIE.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"

// The movie library (QuickTime) does not exist on this host. The program then runs as on a
// machine without it: no movies, no capture texture, and no message about it.
void MOV_init(void)
{
    mnw.has_QT_movie = 0;
}

// Nothing was entered at start-up; a recording, were one ever under way, simply stops.
void MOV_close(void)
{
    mnw.movie_in_prog = 0;
}
