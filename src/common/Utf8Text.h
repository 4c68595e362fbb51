#pragma once
// Text written in the program's own sources (string literals and the core's fixed captions,
// all UTF-8) as Unicode for the widgets. Bytes read from content and user files are
// Windows-1252 and take FromWin1252 (common/Win1252.h) instead; a std::string is deliberately
// not accepted here.

#include <QString>

namespace sv {

inline QString FromUtf8(const char* text) { return QString::fromUtf8(text); }

} // namespace sv
