#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// What the command line prints, and the status it ends with.
namespace cli {

bool writeAll(std::FILE* stream, const QByteArray& bytes);
// The message on standard error; status 1.
int fail(const QString& message);
// The bytes on standard output; status 0, or 1 with a message when they could not be written.
int print(const QByteArray& bytes);

} // namespace cli
