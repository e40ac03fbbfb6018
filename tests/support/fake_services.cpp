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

bool FakeServices::Print(const platform::PrintJob& job)
{
    ++printDialogs;
    if (printPath.isEmpty())
        return false;
    // The printer the print module sets up, printing to a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(job.layout);
    printer.setDocName(job.name);
    printer.setCreator(job.creator);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printPath);
    if (!job.paint(printer))
        printer.abort();
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

} // namespace vexmoor::test
