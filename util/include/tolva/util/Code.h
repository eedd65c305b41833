#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QMetaType>
#include <QSharedPointer>

namespace tolva::util {

// A piece of content to be sent somewhere; subclasses say what it is.
class TOLVA_UTIL_EXPORT Code
{
public:
    Code();
    virtual ~Code();
};

} // namespace tolva::util

Q_DECLARE_METATYPE(tolva::util::Code)
Q_DECLARE_METATYPE(QSharedPointer<tolva::util::Code>)
