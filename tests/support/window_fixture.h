// The main window as a user first sees it, with the desktop services replaced by a fake that
// records message boxes, beeps and opened addresses, and an error log in a temporary folder.
#pragma once

#include "fake_services.h"
#include "platform/services/translation.h"
#include "shell/ui/frm_vexmoor.h"
#include "support/named_controls.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vexmoor::test {

class WindowFixture
{
public:
    // With showNow false the window is made and loaded but not shown until Show().
    explicit WindowFixture(frmVexmoor::PageBuilding building = frmVexmoor::PageBuilding::AllAtOnce,
                           bool showNow = true)
    {
        // As the program does at start, unless a test chose a language itself.
        platform::InstallDesktopTranslations();
        services.folder = logFolder.path();
        scope = std::make_unique<ScopedServices>(services);
        window = std::make_unique<frmVexmoor>(nullptr, building);
        window->Form_Load();
        if (showNow)
            Show();
    }
    void Show()
    {
        window->show();
        window->activateWindow();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }
    ~WindowFixture()
    {
        window.reset();
        scope.reset();
    }

    template<typename T> T* Find(const char* objectName) const
    {
        return window->findChild<T*>(QString::fromLatin1(objectName));
    }

    QTemporaryDir logFolder;
    FakeServices services;
    std::unique_ptr<ScopedServices> scope;
    std::unique_ptr<frmVexmoor> window;
    bool exposed = false;
};

} // namespace vexmoor::test
