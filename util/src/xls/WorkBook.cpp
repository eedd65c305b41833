#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsLib.h>
#include <tolva/util/XlsSheet.h>
#include <tolva/util/XlsWorkBook.h>

#include "AutomationCalls.h"

#include <QDir>

namespace tolva::util::character {

namespace {

AutomationObject* applicationOf(XlsLib* owner)
{
    return owner ? owner->handle() : nullptr;
}

AutomationObject* addWorkBook(XlsLib* owner)
{
    AutomationObject* application = applicationOf(owner);
    calls::call(calls::sub(application, "Workbooks").get(), "Add");
    return calls::sub(application, "ActiveWorkBook").release();
}

} // namespace

WorkBook::WorkBook(XlsLib* owner) : XlsBase(addWorkBook(owner)), m_owner(owner)
{
    // A new workbook comes with the application's default number of sheets.
    for (int n = sheetsCount(); n > 1; --n)
        deleteSheet(n);
}

AutomationObject* WorkBook::application() const
{
    return applicationOf(m_owner);
}

AutomationObject* WorkBook::getSheets() const
{
    return calls::sub(handle(), "Sheets").release();
}

int WorkBook::sheetsCount() const
{
    return calls::subGet(handle(), "Sheets", "Count").toInt();
}

bool WorkBook::verifyIndex(int i) const
{
    return i >= 1 && i <= sheetsCount();
}

AutomationObject* WorkBook::getSheet(int i) const
{
    if (!verifyIndex(i))
        return nullptr;
    std::unique_ptr<AutomationObject> sheets(getSheets());
    return calls::sub(sheets.get(), "Item(int)", {i}).release();
}

Sheet* WorkBook::sheet(int i)
{
    return verifyIndex(i) ? new Sheet(this, i) : nullptr;
}

Sheet* WorkBook::activeSheet()
{
    const int index = calls::subGet(application(), "ActiveSheet", "Index").toInt();
    return new Sheet(this, index);
}

int WorkBook::sheetIndex(const QString& name) const
{
    std::unique_ptr<AutomationObject> sheets(getSheets());
    auto sheet = calls::sub(sheets.get(), "Item(QString)", {name});
    return sheet ? sheet->property("Index").toInt() : -1;
}

void WorkBook::setActivateSheet(int i)
{
    std::unique_ptr<AutomationObject> sheet(getSheet(i));
    calls::call(sheet.get(), "Activate", {true});
}

void WorkBook::appendSheet(const QString& name)
{
    const int n = sheetsCount();
    std::unique_ptr<AutomationObject> sheets(getSheets());
    auto last = calls::sub(sheets.get(), "Item(int)", {n});
    if (!last)
        return;
    // The application inserts before the given sheet; moving the last one
    // behind the new sheet puts the new one at the end.
    auto added = calls::sub(sheets.get(), "Add(QVariant)", {last->asVariant()});
    calls::set(added.get(), "Name", name);
    calls::call(last.get(), "Move(QVariant)", {added ? added->asVariant() : QVariant()});
    calls::call(added.get(), "Activate", {true});
}

void WorkBook::preAppendSheet(const QString& name)
{
    calls::call(handle(), "Add");
    calls::set(calls::sub(application(), "ActiveSheet").get(), "Name", name);
}

void WorkBook::deleteSheet(int i)
{
    std::unique_ptr<AutomationObject> sheet(getSheet(i));
    calls::call(sheet.get(), "Delete");
}

bool WorkBook::save(const QString& fileName)
{
    const AutomationObject* app = application();
    if (!app || app->isNull())
        return false;
    const QString none = QLatin1String("");
    const QVariantList args{QDir::toNativeSeparators(fileName),
                            -4143, // the application's normal workbook format
                            none,
                            none,
                            false,
                            false,
                            1,
                            1,
                            false,
                            none,
                            none,
                            false};
    return calls::call(
               handle(),
               "SaveAs(const QString &,int,QString,QString,bool,bool,int,int,bool,QString,QString,bool)",
               args)
        .toBool();
}

void WorkBook::close()
{
    AutomationObject* app = application();
    if (!app || app->isNull())
        return;
    calls::call(handle(), "Close(Boolean)", {false});
    calls::call(app, "Quit(void)");
}

} // namespace tolva::util::character
