#pragma once

#include <QString>

// The folder the program keeps its files in, and opens them by bare name from: the folder it was
// started in, or, when the saldori command or the desktop started it, the user's data folder
// (${XDG_DATA_HOME:-~/.local/share}/saldori), made for the user alone when it is missing.
namespace data_folder {

// The variable the saldori command sets to ask for the user's data folder.
inline constexpr char kAskVariable[] = "SALDORI_IN_DATA_FOLDER";

struct Entry {
    bool entered = false;
    // The folder that could not be made or entered; empty when no home folder is known.
    QString folder;
};

// Makes the folder the working folder. Called only where the files are needed, so that a
// question like --version makes no folder.
Entry enter();

// A file the user named, as it is named from the folder the command was given in, so that it
// still names that file once enter() has moved on.
QString fromCallersFolder(const QString& name);

} // namespace data_folder
