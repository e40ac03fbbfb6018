// The error context that every guarded handler fills before it reports, and the pure text pieces
// of a report: the log record, the message box text, the report text and the log file's path.
// Kept free of Qt so that the formats can be tested on their own.
#pragma once

#include "common/core/translatable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vexmoor {

// `AppShortName`: written into every log record, whatever the executable is called.
inline constexpr const char* kAppShortName = "QNVXM";
// The text naming the one main window in every report (`ErrModuleName`).
inline constexpr const char* kErrModuleName = "frmVexmoor";
// The user message that replaces "Type mismatch" when an entry field holds no number.
inline constexpr const char* kInvalidNumberMessage =
    VEXMOOR_TR_NOOP("Errors", "Enter a valid number.");
// Title of the message box that reports a failure.
inline constexpr const char* kErrorMessageTitle = VEXMOOR_TR_NOOP("Errors", "System Support");

struct ErrorContext
{
    std::string ErrModuleName;
    std::string ErrProcName;
    std::string ErrUserMessage;
};

// The program-wide context; each report overwrites it and it keeps the last report's values.
ErrorContext& CurrentErrorContext();

// One log record without its line end:
// dateTime " -> " appShortName " [" module "] -> Position (" proc ") -> " reportText " {" number
// "}"
std::string FormatLogRecord(std::string_view dateTime, std::string_view appShortName,
                            std::string_view module, std::string_view proc,
                            std::string_view reportText, std::int32_t number);

// The message box text: " [" module "] " reportText " {" number "}" (the leading blank belongs).
std::string FormatErrorMessage(std::string_view module, std::string_view reportText,
                               std::int32_t number);

// The user message when there is one, else the failure's description.
std::string ReportText(std::string_view userMessage, std::string_view description);

// folder + separator + baseName + "ERR.txt"; a folder that already ends in the separator (the
// root folder) gets no second one.
std::string LogFilePath(std::string_view folder, std::string_view baseName, char separator = '/');

} // namespace vexmoor
