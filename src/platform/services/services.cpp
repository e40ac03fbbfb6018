// The desktop's own services, and the switch that lets tests put recording ones in place.
#include "platform/services/services.h"

#include "common/core/state_folder.h"
#include "platform/services/modules.h"
#include "platform/services/print_preview.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <QMessageBox>
#include <QTime>
#include <QUrl>
#include <stdexcept>

#include <unistd.h>

namespace vexmoor::platform {

namespace {

class DesktopServices final : public Services
{
public:
    void ShowMessage(const QString& text, const QString& title) override
    {
        // Parented to the active window so that it is modal to it and centred over it.
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }

    void ShowWarning(const QString& text, const QString& title) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }

    void Beep() override { QApplication::beep(); }

    void OpenUrl(const QString& address) override
    {
        // No browser, or a refused address, is not the program's failure: nothing to report.
        static_cast<void>(QDesktopServices::openUrl(QUrl(address)));
    }

    QString ExecutableFolder() override { return QCoreApplication::applicationDirPath(); }

    QString ExecutableBaseName() override
    {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    }

    bool UserOwnsFolder(const QString& folder) override
    {
        const uint user = ::geteuid();
        const QFileInfo info(folder);
        return user != 0 && info.isDir() && info.ownerId() == user;
    }

    QString StateFolder() override
    {
        return QString::fromStdString(StateLogFolder(qgetenv("XDG_STATE_HOME").toStdString(),
                                                     QDir::homePath().toStdString()));
    }

    QString LocalDateTimeText() override
    {
        const QLocale locale = QLocale::system();
        return locale.toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(QTime::currentTime(), QLocale::LongFormat);
    }

    QString SaveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filters) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedPath,
                                            filters);
    }

    bool Print(const PrintJob& job) override
    {
        // Qt's print support is loaded on the first Print…, not at start.
        static QLibrary module(ModulePath(QStringLiteral(VEXMOOR_PRINT_MODULE_INSTALLED),
                                          QStringLiteral(VEXMOOR_PRINT_MODULE_BUILD_PATH)));
        auto print = reinterpret_cast<PrintWithPreviewFunction>(module.resolve(kPrintWithPreview));
        if (print == nullptr) // the guard reports it as an internal error, as for the graph
            throw std::runtime_error("Printing is not available: " +
                                     module.errorString().toStdString());
        return print(QApplication::activeWindow(), job);
    }
};

DesktopServices& Desktop()
{
    static DesktopServices desktop;
    return desktop;
}

Services* g_override = nullptr;

} // namespace

Services& CurrentServices()
{
    return g_override != nullptr ? *g_override : Desktop();
}

void SetServices(Services* services)
{
    g_override = services;
}

} // namespace vexmoor::platform
