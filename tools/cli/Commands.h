#pragma once

#include "CliRequest.h"

// Each returns the process exit code.
int runList();
int runDecode(const CliRequest& request);
