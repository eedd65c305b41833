#pragma once

// The library is built with hidden symbols so that, preloaded into any program, only the hidapi
// calls and this small C++ surface for our tools and tests become visible.
#define IRMETER_SIM_EXPORT __attribute__((visibility("default")))
