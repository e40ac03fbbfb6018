// The logger: record first, message box second. The record goes beside the executable when the
// program runs from a folder of the user's own (a build folder, a portable copy); an installed
// program, or one whose file there cannot be opened, logs to the user's state folder instead.
#include "errors/ui/log_error.h"

#include "errors/core/error_context.h"
#include "platform/services/services.h"
#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace vexmoor {

namespace {

// Appends one CRLF-terminated line; false when the file cannot be opened or written.
bool AppendLine(const std::string& path, const std::string& line)
{
    QFile file(platform::ToQString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // One write call for the whole line, so a record is never split by another writer.
    const QByteArray bytes = QByteArray::fromStdString(line + "\r\n");
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

void LogError(const std::string& module, const std::string& proc, const std::string& userMessage,
              const Failure& failure)
{
    // Read the failure before anything else can go wrong.
    std::int32_t number = 0;
    std::string reportText;
    try {
        number = failure.Number();
        reportText = ReportText(userMessage, failure.Description());
    } catch (...) {
        return;
    }

    platform::Services& services = platform::CurrentServices();

    // The record goes to disk before the box: the box is modal and the user may end the program
    // from it (or the session may be killed) before pressing OK.
    try {
        const std::string record = FormatLogRecord(platform::ToStd(services.LocalDateTimeText()),
                                                   kAppShortName, module, proc, reportText, number);
        const QString folder = services.ExecutableFolder();
        const std::string baseName = platform::ToStd(services.ExecutableBaseName());
        if (!services.UserOwnsFolder(folder) ||
            !AppendLine(LogFilePath(platform::ToStd(folder), baseName), record)) {
            // Created when first needed; a folder that cannot be made loses the record.
            const QString state = services.StateFolder();
            if (!state.isEmpty() && QDir().mkpath(state))
                AppendLine(LogFilePath(platform::ToStd(state), baseName), record);
        }
    } catch (...) {
        // The logger's own failures are never reported; the user is still told below.
    }

    try {
        // The record above stays English for support; the box speaks the user's language.
        const std::string shown = platform::ToStd(platform::Translated("Errors", reportText));
        services.ShowMessage(platform::ToQString(FormatErrorMessage(module, shown, number)),
                             platform::Translated("Errors", kErrorMessageTitle));
    } catch (...) { }
}

} // namespace vexmoor
