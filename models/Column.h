#pragma once

#include <QString>

// One table column: the header text shown to the user and the same text untranslated,
// which stays stable across languages (exports and lookups use it).
struct Column
{
    QString title;
    QString key;
};
