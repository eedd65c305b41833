#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace tolva::util::gadget {

// Maps a step name to the handler that runs it on a list of values, which it may change.
class TOLVA_UTIL_EXPORT FlowHandler
{
public:
    using Handler = std::function<bool(QList<QVariant>& values)>;

    // Replaces an earlier handler of the same name; an empty name or handler is ignored.
    void add(const QString& name, Handler handler);
    // -1 when no handler has this name, otherwise 1 for success and 0 for failure.
    int run(const QString& name, QList<QVariant>& values);
    void clear();

private:
    QHash<QString, Handler> m_handlers;
};

} // namespace tolva::util::gadget
