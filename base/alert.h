// alert.h -- problems the designer must see: up to four lines of text and a kind.
// Kind 16 is a notice, 13 the language choice, 14 a system event, 15 the about box; kind 17 is
// fatal: where it was raised and its lines go to "Error.out", the unsaved aircraft is written to
// a recovery file, the alert is shown and the program stops.
// The core here decides and logs; the shell draws the alert window behind MACIBM_alert_window.
#pragma once

void __MACIBM_alert(int close_to, const char* C_string1, const char* C_string2, const char* C_string3,
                    const char* C_string4, int type, const char* file, int line);
#define MACIBM_alert(close_to, s1, s2, s3, s4, type) \
    __MACIBM_alert((close_to), (s1), (s2), (s3), (s4), (type), __FILE__, __LINE__)

// While the worker pool runs, an alert raised on any thread but the main one (the one that
// started the pool) becomes an XException for the pool to record instead of a window. The pool
// says when it starts (running 1, from the main thread) and stops.
void MACIBM_alert_workers(int running);
int  MACIBM_on_main_thread(void);

// Tests and fuzzers: called for every alert before it is shown. For the fatal kind 17 a hook may
// throw to unwind back to the test instead of stopping the process.
typedef void (*MACIBM_alert_hook_fn)(int type, const char* s1, const char* s2, const char* s3,
                                     const char* s4, const char* file, int line);
extern MACIBM_alert_hook_fn g_alert_hook;
extern int g_alert_hook_shows;              // with a hook installed, alerts are shown only when set

// Set by the layers above at start-up. The window shows the alert modally until it is dismissed,
// returning to window close_to; the message box serves before the GL window exists; the shutdown
// runs before a fatal stop ends the process; the recovery writer saves the unsaved aircraft.
extern void (*MACIBM_alert_window)(int close_to, const char* const lines[4], int type);
extern void (*MACIBM_alert_message_box)(const char* title, const char* text);
extern void (*MACIBM_fatal_shutdown)(void);
extern void (*g_recovery_writer)(void);

// The command line's terminal mode (on 1): each alert is one line on standard error and returns
// at once; the fatal kind ends the process with status 2. Off after the start-up reset.
void MACIBM_alert_terminal(int on);

// No window, no shutdown or recovery writer, no pool, this thread the main one; the test hook
// stays. Part of the start-up reset.
void MACIBM_alert_reset(void);
