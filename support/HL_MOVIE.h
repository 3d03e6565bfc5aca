// HL_MOVIE.h -- the movie layer: at start-up it looks for the movie library and, when there is
// one, prepares the screen-sized capture texture (slot 420); at exit it stops any recording and
// shuts the library down. The editor never starts a recording.
#pragma once

void MOV_init(void);     // once, at start-up; sets mnw.has_QT_movie
void MOV_close(void);    // once, at exit
