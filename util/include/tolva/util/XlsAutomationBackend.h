#pragma once

#include <tolva/util/tolva_util_global.h>

#include <memory>

namespace tolva::util::character {

class AutomationPeer;

// Where automation objects come from. The platform's backend is used unless the
// library's user installs another one, e.g. a stand-in that records every call.
class TOLVA_UTIL_EXPORT AutomationBackend
{
public:
    virtual ~AutomationBackend();

    // A fresh object bound to nothing yet.
    virtual std::unique_ptr<AutomationPeer> createPeer() = 0;
    // Prepares the calling thread for automation; returns whether
    // leaveApartment() must balance it on the same thread.
    virtual bool enterApartment() = 0;
    virtual void leaveApartment() = 0;

    // Installs the backend for objects created from now on; null restores the
    // platform's. Objects keep the backend that created them.
    static void install(std::shared_ptr<AutomationBackend> backend);
    static std::shared_ptr<AutomationBackend> current();
};

} // namespace tolva::util::character
