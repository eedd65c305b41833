#include "instrument/DMMData.h"

#include <QMetaEnum>

QString DMMData::modeName(int mode)
{
    const QMetaEnum modes = staticMetaObject.enumerator(staticMetaObject.indexOfEnumerator("DataMode"));
    const char* key = modes.valueToKey(mode);
    return key ? QString::fromLatin1(key).mid(2) : QString();
}
