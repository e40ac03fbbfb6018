// Small services of the desktop that the program uses, behind one interface so that tests can
// replace them: the modal message box, the beep, opening a web address, the executable's folder
// and base name, the places the error log may go, the local date-time text, the file dialog
// for saving, and the print dialog.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace vexmoor::platform {

// A document for the printer: its paper, its name in the print queue, its creator, and what
// paints its pages on the (high-resolution) printer. `paint` answers false when the document is
// not to be printed (cancelled or failed), and the printer then drops it.
struct PrintJob
{
    QPageLayout layout;
    QString name;
    QString creator;
    std::function<bool(QPagedPaintDevice&)> paint;
};

class Services
{
public:
    virtual ~Services() = default;

    // A modal message box with an information icon and one OK button; returns when dismissed.
    virtual void ShowMessage(const QString& text, const QString& title) = 0;
    // The same with a warning icon, for a failure the user can mend (a file that cannot be saved).
    // Services without a warning of their own show it as a message.
    virtual void ShowWarning(const QString& text, const QString& title)
    {
        ShowMessage(text, title);
    }
    virtual void Beep() = 0;
    // Opens the address in the user's default browser; failures are ignored.
    virtual void OpenUrl(const QString& address) = 0;
    // The folder of the running executable, without a trailing separator.
    virtual QString ExecutableFolder() = 0;
    // The executable's file name without its extension.
    virtual QString ExecutableBaseName() = 0;
    // Whether `folder` belongs to the user running the program, so that the error log may go
    // there. Root owns every system folder, so for root no folder counts as its own: a program
    // started with sudo never leaves a file among the system's programs.
    virtual bool UserOwnsFolder(const QString& folder) = 0;
    // The per-user folder for the error log when the program's own folder cannot take it; it
    // need not exist yet.
    virtual QString StateFolder() = 0;
    // Now, as the user's short date, a blank and the long time.
    virtual QString LocalDateTimeText() = 0;
    // The modal "save as" file dialog, opened at `suggestedPath`, with name filters such as
    // "CSV files (*.csv)"; returns the chosen path, empty when the user cancelled. Services
    // without a dialog (a benchmark's) answer as if cancelled.
    virtual QString SaveFileName(const QString& title, const QString& suggestedPath,
                                 const QString& filters)
    {
        static_cast<void>(title);
        static_cast<void>(suggestedPath);
        static_cast<void>(filters);
        return {};
    }
    // The platform's print dialog with a preview of what the job paints on a printer set up
    // with its paper, name and creator. The job paints for the preview and again for the
    // printing; returns whether the user printed. Services without a dialog answer as if
    // cancelled.
    virtual bool Print(const PrintJob& job)
    {
        static_cast<void>(job);
        return false;
    }
};

// The services in use: the desktop's own unless a test has put others in place.
Services& CurrentServices();
// Puts `services` in place (nullptr restores the desktop's own); the caller keeps ownership.
void SetServices(Services* services);

} // namespace vexmoor::platform
