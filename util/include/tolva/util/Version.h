#pragma once

#include <tolva/util/tolva_util_global.h>

namespace tolva::util {

// The library's own version, so a program can tell which build it loaded.
TOLVA_UTIL_EXPORT const char* libraryVersion();

} // namespace tolva::util
