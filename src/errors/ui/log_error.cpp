// The logger: record first, message box second.
#include "errors/ui/log_error.h"

#include "errors/core/error_context.h"
#include "platform/services.h"

#include <QFile>
#include <QString>

namespace vexmoor {

namespace {

// Appends one CRLF-terminated line; any failure (folder not writable, disk full) loses it.
void AppendLine(const QString& path, const std::string& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    // One write call for the whole line, so a record is never split by another writer.
    const QByteArray bytes = QByteArray::fromStdString(line + "\r\n");
    file.write(bytes);
    file.close();
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
        const std::string path = LogFilePath(services.ExecutableFolder().toStdString(),
                                             services.ExecutableBaseName().toStdString());
        const std::string record = FormatLogRecord(services.LocalDateTimeText().toStdString(),
                                                   kAppShortName, module, proc, reportText, number);
        AppendLine(QString::fromStdString(path), record);
    } catch (...) {
        // The logger's own failures are never reported; the user is still told below.
    }

    try {
        services.ShowMessage(QString::fromStdString(FormatErrorMessage(module, reportText, number)),
                             QString::fromLatin1(kErrorMessageTitle));
    } catch (...) { }
}

} // namespace vexmoor
