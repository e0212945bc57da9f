#pragma once

#include <QString>

// Starts a program file of the working folder as a process of its own, without waiting for it.
// A downloaded file is not executable, so it is made so first. False when it does not start.
bool startProgram(const QString& fileName);
