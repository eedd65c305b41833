#include "command/Command.h"

#include <utility>

Command::Command(QObject* parent) : QObject(parent) {}

Command::Command(QByteArray content, bool needResponse, int timeout, QVariant remark)
    : m_content(std::move(content)), m_needResponse(needResponse), m_timeout(timeout),
      m_remark(std::move(remark))
{
}
