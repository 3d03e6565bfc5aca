// OLD_IO_acf.h -- aircraft files of the previous generation (versions 600, 626 and 700).
#pragma once
#include <string>

// Reads the file at path into record p, converted to the current record. 1 when read; the
// reader of these versions is not written yet, so for now every such file is "not read" and the
// caller reports it.
int OLD_IO_acf(const std::string& path, int p);
