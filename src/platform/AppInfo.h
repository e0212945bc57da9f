#pragma once

#include <QString>

struct ProgramVersion {
    int major = SALDORI_VERSION_MAJOR;
    int minor = SALDORI_VERSION_MINOR;
    int revision = SALDORI_VERSION_PATCH;
};

// The running executable's file name without its extension.
QString executableBaseName();
// The current local date and time as the desktop writes them: its short date, a blank, and its
// time with seconds, without a time-zone name.
QString localDateTimeText();
