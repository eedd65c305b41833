#include "models/ColumnLists.h"

#include <QCoreApplication>

#include <array>
#include <memory>
#include <vector>

namespace {

struct Header
{
    const char* source;        // translated for the title
    const char* key = nullptr; // untranslated key when it differs from the source
};

using HeaderList = std::vector<Header>;

const HeaderList sharedHeaders = {
    {QT_TRANSLATE_NOOP("TemplateWindow", "No.")},
    {QT_TRANSLATE_NOOP("TemplateWindow", "Date/Time")},
    {QT_TRANSLATE_NOOP("TemplateWindow", "Mode")},
};

// The mode's own headers, indexed by DMMData::DataMode.
const std::array<HeaderList, DMMData::ModeCount> modeHeaders = {{
    // IR
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "LC")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Out")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "DAR")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "PI")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time")}},
    // Time
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "LC")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Out")}},
    // PI
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES1")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "RES2")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "PI")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time-Set1")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time-Set2")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "LC")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Out")}},
    // DAR
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES1")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "RES2")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "DAR")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time-Set1")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Time-Set2")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "LC")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Out")}},
    // COMP
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES-COMP")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "RES")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "Result")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "LC")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")},
     {QT_TRANSLATE_NOOP("TemplateWindow", "V-Out")}},
    // CAP
    {{QT_TRANSLATE_NOOP("TemplateWindow", "CAP")}, {QT_TRANSLATE_NOOP("TemplateWindow", "V-Set")}},
    // VOLT
    {{QT_TRANSLATE_NOOP("TemplateWindow", "VOLT")}, {QT_TRANSLATE_NOOP("TemplateWindow", "ACDC"), "AC/DC"}},
    // RES
    {{QT_TRANSLATE_NOOP("TemplateWindow", "RES")}},
}};

// Owns every Column for the rest of the program; the models only borrow them.
class ColumnStore
{
public:
    ColumnStore()
    {
        for (int mode = 0; mode < DMMData::ModeCount; ++mode) {
            for (const Header& header : sharedHeaders)
                m_lists[mode].append(make(header));
            for (const Header& header : modeHeaders[mode])
                m_lists[mode].append(make(header));
        }
    }

    QList<Column*> columns(int mode) const
    {
        return mode >= 0 && mode < DMMData::ModeCount ? m_lists[mode] : QList<Column*>();
    }

private:
    Column* make(const Header& header)
    {
        const char* key = header.key ? header.key : header.source;
        m_owned.push_back(std::make_unique<Column>(
            Column{QCoreApplication::translate("TemplateWindow", header.source), QString::fromUtf8(key)}));
        return m_owned.back().get();
    }

    std::vector<std::unique_ptr<Column>> m_owned;
    std::array<QList<Column*>, DMMData::ModeCount> m_lists;
};

} // namespace

QList<Column*> ColumnLists::columns(int mode)
{
    static const ColumnStore store;
    return store.columns(mode);
}
