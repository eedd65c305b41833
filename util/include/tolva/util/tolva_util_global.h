#pragma once

#include <QtCore/qglobal.h>

#if defined(TOLVA_UTIL_BUILD)
#define TOLVA_UTIL_EXPORT Q_DECL_EXPORT
#else
#define TOLVA_UTIL_EXPORT Q_DECL_IMPORT
#endif
