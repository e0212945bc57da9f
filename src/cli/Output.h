#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// What an option writes, and the exit status that follows from it.
namespace cli {

// Writes every byte and flushes them; false when the stream did not take them all.
bool write(std::FILE* stream, const QByteArray& bytes);
// The message on standard error; the status 1.
int fail(const QString& message);
// The bytes on standard output: the status 0, or 1 with a message when they could not be written.
int print(const QByteArray& bytes);

} // namespace cli
