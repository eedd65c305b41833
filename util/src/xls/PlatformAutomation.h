#pragma once

#include <tolva/util/XlsAutomationBackend.h>

#include <memory>

namespace tolva::util::character {

// The backend of the platform the library was built for.
std::shared_ptr<AutomationBackend> makePlatformAutomationBackend();

} // namespace tolva::util::character
