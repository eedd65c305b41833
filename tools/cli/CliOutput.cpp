#include "CliOutput.h"

#include <cstdio>

void printError(const QString& message)
{
    std::fprintf(stderr, "irmeter-cli: %s\n", qUtf8Printable(message));
}
