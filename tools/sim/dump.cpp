// Writes one loop of the simulated instrument's built-in session to a file, for use as test data or
// as IRMETER_SIM_STREAM: raw bytes, or one frame per line in hexadecimal when the name ends in ".hex".
#include "tools/sim/Session.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: irmeter-sim-dump FILE   (FILE ending in .hex gets hexadecimal text)\n");
        return 2;
    }
    const std::string path = argv[1];
    const bool hex = endsWith(path, ".hex");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const irmetersim::Bytes& frame : irmetersim::builtInSession()) {
        if (!hex) {
            out.write(reinterpret_cast<const char*>(frame.data()), std::streamsize(frame.size()));
            continue;
        }
        static const char digits[] = "0123456789abcdef";
        std::string line;
        for (unsigned char byte : frame) {
            line += digits[byte >> 4];
            line += digits[byte & 0xF];
        }
        out << line << '\n';
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "irmeter-sim-dump: cannot write '%s'\n", path.c_str());
        return 1;
    }
    return 0;
}
