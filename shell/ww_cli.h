// ww_cli.h -- the command line: `Wing-Wright COMMAND [options] FILES...` checks, re-saves, dumps,
// compares, paints and renders aircraft files without the editor's window, through the editor's
// own readers, checks, converters and drawing. Every command reports on the terminal.
#pragma once
#include <string>

// The command named by argv[1] run to its end: its exit status. -1 when argv[1] names no command
// (no arguments, or a file to open): the caller starts the editor.
int CLI_run(int argc, char** argv);
// The records as the start-up leaves them, without a window: folders from the program folder
// `folder` (airfoils and objects are found there), constants, palette, and alerts on the
// terminal. The logs go nowhere: the terminal gets every line a person must see.
void CLI_setup(const std::string& folder);
