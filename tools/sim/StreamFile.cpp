#include "tools/sim/StreamFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace irmetersim {

namespace {

bool endsWithHex(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string suffix = path.substr(path.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return suffix == ".hex";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex(const std::string& text, Bytes& bytes, std::string& error)
{
    int pending = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        const int digit = hexDigit(c);
        if (digit < 0) {
            error = "not a hexadecimal digit at offset " + std::to_string(i);
            return false;
        }
        if (pending < 0) {
            pending = digit;
        } else {
            bytes.push_back(uint8_t(pending << 4 | digit));
            pending = -1;
        }
    }
    if (pending >= 0) {
        error = "odd number of hexadecimal digits";
        return false;
    }
    return true;
}

} // namespace

bool loadStreamFile(const std::string& path, Bytes& stream, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open stream file '" + path + "'";
        return false;
    }
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        error = "cannot read stream file '" + path + "'";
        return false;
    }
    stream.clear();
    if (!endsWithHex(path)) {
        stream.assign(content.begin(), content.end());
        return true;
    }
    if (!parseHex(content, stream, error)) {
        error = "stream file '" + path + "': " + error;
        return false;
    }
    return true;
}

std::vector<Bytes> cutIntoReports(const Bytes& stream)
{
    std::vector<Bytes> reports;
    for (size_t at = 0; at < stream.size(); at += MaxReportPayload) {
        const size_t end = std::min(stream.size(), at + MaxReportPayload);
        reports.emplace_back(stream.begin() + long(at), stream.begin() + long(end));
    }
    return reports;
}

} // namespace irmetersim
