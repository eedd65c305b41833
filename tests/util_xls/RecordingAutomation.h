#pragma once

#include <tolva/util/XlsAutomationBackend.h>

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>

// A stand-in for the spreadsheet application: logs every automation call as one
// line "<object> <kind> <name> <arguments>" and answers scripted values.
// An object is named by the last step that reached it: "app" for the
// application, otherwise its prototype with the arguments in brackets,
// e.g. "Cells(int,int)[3, 1]". Objects passed as arguments show as "@name".
class RecordingAutomation : public tolva::util::character::AutomationBackend
{
public:
    struct State
    {
        QStringList log;
        QHash<QString, QVariant> answers;
        QSet<QString> refusedSubObjects;
        bool acceptControl = true;
        bool acceptApartment = true;
        bool logReleases = false;
        int liveObjects = 0;
    };

    std::unique_ptr<tolva::util::character::AutomationPeer> createPeer() override;
    bool enterApartment() override;
    void leaveApartment() override;

    // What a property read or a method call on an object answers; the object
    // "*" stands for every object without an answer of its own.
    void answer(const QString& object, const QString& name, const QVariant& value);
    // Sub-object queries with this prototype return no object.
    void refuseSubObject(const QString& prototype);
    void setControlAccepted(bool accepted) { m_state->acceptControl = accepted; }
    void setApartmentAccepted(bool accepted) { m_state->acceptApartment = accepted; }
    void setLogReleases(bool log) { m_state->logReleases = log; }

    QStringList takeLog();
    // Lines of the log that contain the text.
    QStringList takeLog(const QString& containing);
    int liveObjects() const { return m_state->liveObjects; }

    static QString format(const QVariant& value);

private:
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
