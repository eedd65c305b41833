#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

namespace tolva::util::gadget {

// Maps a command name to the handler that runs it with one text argument.
class TOLVA_UTIL_EXPORT CommandHandler
{
public:
    using Handler = std::function<bool(const QString& name, const QString& argument)>;

    // Replaces an earlier handler of the same name; an empty name or handler is ignored.
    void add(const QString& name, Handler handler);
    // The handler's result, or false when no handler has this name.
    bool run(const QString& name, const QString& argument);
    void clear();

private:
    QHash<QByteArray, Handler> m_handlers;
};

} // namespace tolva::util::gadget
