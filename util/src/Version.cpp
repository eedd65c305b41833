#include <tolva/util/Version.h>

namespace tolva::util {

const char* libraryVersion()
{
    return "1.0.0";
}

} // namespace tolva::util
