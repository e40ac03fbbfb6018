// Recording desktop services for window tests.
#include "fake_services.h"

namespace vexmoor::test {

void FakeServices::ShowMessage(const QString& text, const QString& title)
{
    messages.push_back({text, title});
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

QString FakeServices::LocalDateTimeText()
{
    return dateTimeText;
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
