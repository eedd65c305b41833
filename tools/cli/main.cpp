#include "CliOutput.h"
#include "CliRequest.h"
#include "Commands.h"
#include "ExitCode.h"
#include "RecordSession.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Output is for machines: the window's English formats, and no diagnostics on the terminal.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const ParsedCommandLine parsed = parseCommandLine(app.arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "irmeter-cli: %s\n%s", qUtf8Printable(parsed.error),
                     qUtf8Printable(usageText()));
        return ExitUsage;
    }
    const CliRequest& request = parsed.request;
    switch (request.command) {
    case CliRequest::Command::List:
        return runList();
    case CliRequest::Command::Decode:
        return runDecode(request);
    case CliRequest::Command::Record:
        break;
    }
    RecordSession session(request);
    const int early = session.start();
    if (early >= 0)
        return early;
    QObject::connect(&session, &RecordSession::finished, &app, &QCoreApplication::exit);
    return app.exec();
}
