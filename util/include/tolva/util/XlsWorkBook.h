#pragma once

#include <tolva/util/XlsBase.h>

#include <QString>

namespace tolva::util::character {

class Sheet;
class XlsLib;

// The workbook of an XlsLib. Sheets are numbered from 1.
class TOLVA_UTIL_EXPORT WorkBook : public XlsBase
{
public:
    // Adds a workbook to the application and leaves it with one sheet.
    explicit WorkBook(XlsLib* owner);

    // New automation objects owned by the caller; getSheet is null for an
    // invalid number.
    AutomationObject* getSheets() const;
    AutomationObject* getSheet(int i) const;
    int sheetsCount() const;
    bool verifyIndex(int i) const;

    // New sheets owned by the caller; sheet() is null for an invalid number.
    Sheet* sheet(int i);
    Sheet* activeSheet();
    // -1 when no sheet has the name.
    int sheetIndex(const QString& name) const;
    void setActivateSheet(int i);
    // Adds a sheet after the last one and activates it.
    void appendSheet(const QString& name);
    void preAppendSheet(const QString& name);
    void deleteSheet(int i);
    bool save(const QString& fileName);
    void close();

private:
    AutomationObject* application() const;

    XlsLib* m_owner;
};

} // namespace tolva::util::character
