#pragma once

// Exit codes of irmeter-cli; scripts rely on them.
enum ExitCode {
    ExitOk = 0,
    ExitUsage = 2,
    ExitNoInstrument = 3,
    ExitCannotOpen = 4,
    ExitLinkLost = 5,
    ExitFileError = 6,
};
