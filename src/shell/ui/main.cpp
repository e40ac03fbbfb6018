// Main: the program's entry point. Reads the command line (help and version end there, before a
// display is needed, in English), installs the translations of the desktop's language, creates
// the one window, loads it and shows it; the program then lives in the window's event handlers
// and ends when the window is closed.
#include "errors/core/error_context.h"
#include "platform/services/translation.h"
#include "shell/ui/command_line.h"
#include "shell/ui/frm_vexmoor.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    const vexmoor::CommandLineOutcome outcome = vexmoor::HandleCommandLine(argc, argv);
    if (!outcome.start)
        return outcome.exitStatus;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vexmoor::kAppShortName));
    QApplication::setDesktopFileName(QStringLiteral("com.quenbry.vexmoor"));
    // The words in the desktop's language, before the first control is made.
    vexmoor::platform::InstallDesktopTranslations();

    // The pages not shown at start are made after the window first appears.
    vexmoor::frmVexmoor window(nullptr, vexmoor::frmVexmoor::PageBuilding::OnFirstVisit);
    window.Form_Load();
    // Centred on the screen the window opens on.
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return QApplication::exec();
}
