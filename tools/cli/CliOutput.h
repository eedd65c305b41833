#pragma once

#include <QString>

// One-line error message on standard error, prefixed with the program's name.
void printError(const QString& message);
