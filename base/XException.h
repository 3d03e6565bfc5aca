// XException.h -- an alert raised off the main thread. Such a thread must never open a dialog, so
// the alert's four lines and where it was raised travel back to the thread pool in this object.
#pragma once
#include <string>

class XException {
public:
    XException() : file_("no exception"), line_(0) {}
    XException(const std::string& c1, const std::string& c2, const std::string& c3, const std::string& c4,
               const char* file, int line)
        : c1_(c1), c2_(c2), c3_(c3), c4_(c4), file_(file ? file : ""), line_(line)
    {
    }
    XException(const XException&) = default;
    XException& operator=(const XException&) = default;
    ~XException() = default;

    std::string c1_, c2_, c3_, c4_;    // the alert's lines
    const char* file_;                 // source file of the alert (a string literal, never freed)
    int         line_;                 // and its line
};
