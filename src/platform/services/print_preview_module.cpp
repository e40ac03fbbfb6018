// The print dialog with its preview, in the module that the desktop services load on the first
// Print… (print_preview.h). Everything of Qt's print support that the program uses is here.
#include "platform/services/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool vexmoor_print_with_preview(QWidget* parent,
                                                         const vexmoor::platform::PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(job.layout);
    printer.setDocName(job.name);
    printer.setCreator(job.creator);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&job](QPrinter* target) {
                         if (!job.paint(*target))
                             target->abort();
                     });
    return dialog.exec() == QDialog::Accepted;
}
