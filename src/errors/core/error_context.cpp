// Report texts and the log file's path.
#include "errors/core/error_context.h"

namespace vexmoor {

namespace {

// A report ends in its error number in braces: " {13}".
void AppendNumber(std::string& text, std::int32_t number)
{
    text.append(" {").append(std::to_string(number)).append("}");
}

} // namespace

ErrorContext& CurrentErrorContext()
{
    static ErrorContext context;
    return context;
}

std::string FormatLogRecord(std::string_view dateTime, std::string_view appShortName,
                            std::string_view module, std::string_view proc,
                            std::string_view reportText, std::int32_t number)
{
    std::string record;
    record.reserve(dateTime.size() + appShortName.size() + module.size() + proc.size() +
                   reportText.size() + 48);
    record.append(dateTime)
        .append(" -> ")
        .append(appShortName)
        .append(" [")
        .append(module)
        .append("] -> Position (")
        .append(proc)
        .append(") -> ")
        .append(reportText);
    AppendNumber(record, number);
    return record;
}

std::string FormatErrorMessage(std::string_view module, std::string_view reportText,
                               std::int32_t number)
{
    std::string text;
    text.append(" [").append(module).append("] ").append(reportText);
    AppendNumber(text, number);
    return text;
}

std::string ReportText(std::string_view userMessage, std::string_view description)
{
    return std::string(userMessage.empty() ? description : userMessage);
}

std::string LogFilePath(std::string_view folder, std::string_view baseName, char separator)
{
    std::string path(folder);
    if (path.empty() || path.back() != separator)
        path.push_back(separator);
    path.append(baseName).append("ERR.txt");
    return path;
}

} // namespace vexmoor
