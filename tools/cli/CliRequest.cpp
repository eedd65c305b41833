#include "CliRequest.h"

#include <cmath>

namespace {

ParsedCommandLine failure(const QString& error)
{
    return {CliRequest(), error};
}

// Takes the value of an option that needs one, from "--name VALUE" or "--name=VALUE".
bool takeValue(const QStringList& args, int& i, const QString& name, QString& value)
{
    const QString& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    }
    value = arg.mid(name.size() + 1);
    return true;
}

bool isOption(const QString& arg, const QString& name)
{
    return arg == name || arg.startsWith(name + QLatin1Char('='));
}

ParsedCommandLine parseRecord(const QStringList& args)
{
    CliRequest request;
    request.command = CliRequest::Command::Record;
    for (int i = 1; i < args.size(); ++i) {
        QString value;
        bool ok = true;
        if (isOption(args[i], QStringLiteral("--path"))) {
            ok = takeValue(args, i, QStringLiteral("--path"), value) && !value.isEmpty();
            request.path = value;
        } else if (isOption(args[i], QStringLiteral("--count"))) {
            ok = takeValue(args, i, QStringLiteral("--count"), value);
            request.count = ok ? value.toLongLong(&ok) : -1;
            ok = ok && request.count > 0;
        } else if (isOption(args[i], QStringLiteral("--seconds"))) {
            ok = takeValue(args, i, QStringLiteral("--seconds"), value);
            request.seconds = ok ? value.toDouble(&ok) : -1;
            ok = ok && std::isfinite(request.seconds) && request.seconds > 0;
        } else if (isOption(args[i], QStringLiteral("--output"))) {
            ok = takeValue(args, i, QStringLiteral("--output"), value) && !value.isEmpty();
            request.output = value;
        } else {
            return failure(QStringLiteral("unknown argument for record: %1").arg(args[i]));
        }
        if (!ok)
            return failure(
                QStringLiteral("invalid value for %1").arg(args[i].section(QLatin1Char('='), 0, 0)));
    }
    return {request, QString()};
}

ParsedCommandLine parseDecode(const QStringList& args)
{
    CliRequest request;
    request.command = CliRequest::Command::Decode;
    bool haveInput = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--hex")) {
            request.hex = true;
        } else if (!haveInput && (args[i] == QLatin1String("-") || !args[i].startsWith(QLatin1Char('-')))) {
            request.input = args[i];
            haveInput = true;
        } else {
            return failure(QStringLiteral("unknown argument for decode: %1").arg(args[i]));
        }
    }
    return {request, QString()};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return failure(QStringLiteral("no command given"));
    const QString& command = arguments.first();
    if (command == QLatin1String("list")) {
        if (arguments.size() > 1)
            return failure(QStringLiteral("list takes no arguments"));
        return {CliRequest(), QString()};
    }
    if (command == QLatin1String("record"))
        return parseRecord(arguments);
    if (command == QLatin1String("decode"))
        return parseDecode(arguments);
    return failure(QStringLiteral("unknown command: %1").arg(command));
}

QString usageText()
{
    return QStringLiteral(
        "usage: irmeter-cli list\n"
        "       irmeter-cli record [--path PATH] [--count N] [--seconds S] [--output FILE]\n"
        "       irmeter-cli decode [--hex] [FILE|-]\n"
        "\n"
        "list     one line per attached instrument: path, manufacturer, product, serial number\n"
        "record   write every live and stored record as it arrives, until N records, S seconds,\n"
        "         or SIGINT/SIGTERM; to FILE (written as it goes) or standard output\n"
        "decode   decode a captured byte stream (raw, or hexadecimal text with --hex)\n");
}
