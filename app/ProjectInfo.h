#pragma once

#include <QString>

// Identity of the program, constructed before main runs.
extern const QString Project_Name;
extern const QString Project_Version;
extern const QString Organization_Name;
extern const QString Organization_Domain;
