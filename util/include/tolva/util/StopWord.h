#pragma once

#include <tolva/util/ChatterWord.h>

#include <QObject>

namespace tolva::util::gadget {

// A word that ends the conversation when its turn comes.
class TOLVA_UTIL_EXPORT StopWord : public QObject, public ChatterWord
{
    Q_OBJECT
public:
    explicit StopWord(QSharedPointer<Code> code = QSharedPointer<Code>(), QObject* parent = nullptr);
    ~StopWord() override;

    bool execute() override;

signals:
    void stopChatter();
};

} // namespace tolva::util::gadget
