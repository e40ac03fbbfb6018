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
    // Split at the CR LF line ends; a test of the line ends themselves reads the bytes.
    return QString::fromUtf8(ReadAll(LogPath())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace vexmoor::test
