#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The options of the command line, one row each: the parser, the help and the dispatch read
// them all from here, so an option is added by adding its row.
namespace cli {

struct Option {
    // The short names first, then the long one.
    QStringList names = {};
    // The help's name for the option's value, in Finnish and in English; empty for a switch.
    QString valueFi = {};
    QString valueEn = {};
    QString helpFi = {};
    QString helpEn = {};
    // Works on the register, so it needs the folder the files are in; a question about the
    // program itself makes no folder.
    bool readsFiles = false;
    // A name the user gave relative to where the command was given, before the data folder.
    bool valueIsFile = false;
    // The switch that changes what the option does; its name is the value when it is given.
    QString modifier = {};
    // Runs the option with its value; answers the exit status. None for a modifier.
    int (*run)(const QString& value) = nullptr;
};

// When the line names several, the first of them in this order runs: the help goes before the
// version, and both before any work on the register.
const QList<Option>& options();

} // namespace cli
