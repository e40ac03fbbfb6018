// Recording desktop services for window tests.
#include "fake_services.h"

#include <QFile>
#include <QPrinter>

namespace vexmoor::test {

FakeServices::FakeServices()
{
    folder = m_ownFolder.path();
    stateFolder = folder + QStringLiteral("/state/quenbry-vexmoor");
}

void FakeServices::ShowMessage(const QString& text, const QString& title)
{
    messages.push_back({text, title});
    if (onMessage)
        onMessage(messages.back());
}

void FakeServices::ShowWarning(const QString& text, const QString& title)
{
    messages.push_back({text, title, true});
    if (onMessage)
        onMessage(messages.back());
}

void FakeServices::Beep()
{
    ++beeps;
}

void FakeServices::OpenUrl(const QString& address)
{
    openedUrls.append(address);
}

QString FakeServices::ExecutableFolder()
{
    return folder;
}

QString FakeServices::ExecutableBaseName()
{
    return baseName;
}

bool FakeServices::UserOwnsFolder(const QString&)
{
    return ownsFolder;
}

QString FakeServices::StateFolder()
{
    return stateFolder;
}

QString FakeServices::LocalDateTimeText()
{
    return dateTimeText;
}

QString FakeServices::SaveFileName(const QString& title, const QString& suggestedPath,
                                   const QString& filters)
{
    saveDialogs.push_back({title, suggestedPath, filters});
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

bool FakeServices::Print(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    ++printDialogs;
    if (printPath.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printPath);
    paint(printer);
    return true;
}

QStringList FakeServices::MessageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(message.text);
    return texts;
}

QString FakeServices::LogPath() const
{
    return folder + QLatin1Char('/') + baseName + QStringLiteral("ERR.txt");
}

QStringList FakeServices::LogLines() const
{
    QFile file(LogPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Split at LF, dropping the CR before it; a test of the line ends themselves reads the bytes.
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

ScopedServices::ScopedServices(platform::Services& services)
    : m_previous(&platform::CurrentServices())
{
    platform::SetServices(&services);
}

ScopedServices::~ScopedServices()
{
    platform::SetServices(m_previous);
}

} // namespace vexmoor::test
