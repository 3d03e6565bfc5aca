// APPLICATION.h -- the editor's screen function (APPLICATION_update, declared in base/common.h).
#pragma once

extern void (*g_test_frame_hook)(void);    // tests: drawn inside the editor's part of every frame
