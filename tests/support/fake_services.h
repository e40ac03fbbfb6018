// Desktop services for window tests: message boxes, beeps, opened addresses and save dialogs are
// recorded and never block; the executable's folder and base name and the date-time text are fixed
// values a test can set. The folder starts as a temporary folder of its own, removed with the fake,
// and owned by the user; the state folder lies inside it and does not exist yet. So an error log
// written during a test never lands anywhere else.
#pragma once

#include "platform/services/services.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace vexmoor::test {

class FakeServices : public platform::Services
{
public:
    struct Message
    {
        QString text;
        QString title;
        bool warning = false;
    };
    struct SaveDialog
    {
        QString title;
        QString suggestedPath;
        QString filters;
    };

    FakeServices();

    std::vector<Message> messages;
    int beeps = 0;
    QStringList openedUrls;
    QString folder; // without a trailing separator
    QString baseName = QStringLiteral("vexmoor");
    bool ownsFolder = true;
    QString stateFolder;
    QString dateTimeText = QStringLiteral("12/6/2026 3:04:05 PM");
    std::vector<SaveDialog> saveDialogs;
    // What the user picks in the next save dialogs, in turn; empty (or none left): Cancel.
    QStringList savePaths;
    // Print dialogs opened; where the next one prints, as a PDF file (empty: the user cancels).
    int printDialogs = 0;
    QString printPath;
    // Runs while the "message box" is up, for a test that needs to act at that moment.
    std::function<void(const Message&)> onMessage;

    void ShowMessage(const QString& text, const QString& title) override { Show({text, title}); }
    void ShowWarning(const QString& text, const QString& title) override
    {
        Show({text, title, true});
    }
    void Beep() override { ++beeps; }
    void OpenUrl(const QString& address) override { openedUrls.append(address); }
    QString ExecutableFolder() override { return folder; }
    QString ExecutableBaseName() override { return baseName; }
    bool UserOwnsFolder(const QString&) override { return ownsFolder; }
    QString StateFolder() override { return stateFolder; }
    QString LocalDateTimeText() override { return dateTimeText; }
    QString SaveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filters) override
    {
        saveDialogs.push_back({title, suggestedPath, filters});
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    bool Print(const platform::PrintJob& job) override;

    // The texts of the messages shown so far, in order.
    QStringList MessageTexts() const;
    // The path the error log gets with this folder and base name.
    QString LogPath() const;
    // The lines of that file (without line ends); none when it does not exist.
    QStringList LogLines() const;

private:
    void Show(const Message& message)
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(messages.back());
    }
    QTemporaryDir m_ownFolder;
};

// The bytes of a file; none when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts `services` in place for its lifetime and then restores the services that were in use.
class ScopedServices
{
public:
    explicit ScopedServices(platform::Services& services) { platform::SetServices(&services); }
    ~ScopedServices() { platform::SetServices(m_previous); }

private:
    platform::Services* m_previous = &platform::CurrentServices();
};

} // namespace vexmoor::test
