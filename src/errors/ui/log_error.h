// `LogError`: the one logger every error guard calls. It appends one record to the error log and
// then tells the user in a modal message box.
#pragma once

#include "errors/core/failure.h"

#include <string>

namespace vexmoor {

// Appends the record (CRLF, UTF-8, file created if missing, opened and closed per report) to
// <executable folder>/<executable base name>ERR.txt when the user owns that folder and the file
// opens for appending, else to the same file name in the user's state folder (created when
// needed), then shows the message box titled "System Support". The record goes to disk before
// the box is shown, so closing or killing the program while the box is up loses nothing. A record
// that can be written nowhere is lost silently; the message is shown all the same. Never throws.
void LogError(const std::string& module, const std::string& proc, const std::string& userMessage,
              const Failure& failure);

} // namespace vexmoor
