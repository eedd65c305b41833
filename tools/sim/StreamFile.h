#pragma once

#include "tools/sim/FrameEncoder.h"

#include <string>
#include <vector>

namespace irmetersim {

constexpr size_t ReportSize = 64;
constexpr size_t MaxReportPayload = ReportSize - 1;

// Reads the bytes the instrument is to send: raw, or hexadecimal text (white space ignored) when the
// name ends in ".hex". Returns false with a reason in `error` when the file cannot be used.
bool loadStreamFile(const std::string& path, Bytes& stream, std::string& error);

// Cuts a byte stream into report payloads of at most 63 bytes, in order.
std::vector<Bytes> cutIntoReports(const Bytes& stream);

} // namespace irmetersim
