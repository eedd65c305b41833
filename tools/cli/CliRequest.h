#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct CliRequest
{
    enum class Command { List, Record, Decode };

    Command command = Command::List;
    QString path;        // record: instrument path; empty = the first one found
    qint64 count = -1;   // record: stop after this many records; -1 = no limit
    double seconds = -1; // record: stop after this many seconds; -1 = no limit
    QString output;      // record: output file; empty = standard output
    bool hex = false;    // decode: the input is hexadecimal text
    QString input;       // decode: input file; empty or "-" = standard input
};

struct ParsedCommandLine
{
    CliRequest request;
    QString error; // empty when the command line is valid
};

ParsedCommandLine parseCommandLine(const QStringList& arguments);
QString usageText();
