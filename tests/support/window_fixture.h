// The main window as a user first sees it, with the desktop services replaced by a fake that
// records message boxes, beeps and opened addresses, and an error log in a temporary folder; the
// controls by name, and the worked examples typed in as a user types them. Also the regions and
// palettes window tests run in.
#pragma once

#include "fake_services.h"
#include "platform/services/translation.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"
#include "support/named_controls.h"
#include "support/user_input.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
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

    template<typename T = QWidget> T* Find(const char* objectName) const
    {
        return window->findChild<T*>(QString::fromLatin1(objectName));
    }
    QLineEdit* Field(const char* name, int index) const
    {
        return Named<QLineEdit>(*window, name, index);
    }
    QString Display() const { return Find<QLabel>("lblDisplay")->text(); }
    platform::ListBox* ListBox(const char* name) const { return List(*window, name); }
    void Press(const char* button) const { Click(Find<QPushButton>(button)); }
    void Tab(const char* strip, int position) const { ClickTab(Strip(*window, strip), position); }

    // On the Break Even page, the entries typed into the fields in turn, each left with Tab.
    void EnterBreakEven(const QStringList& entries, bool calculate = true) const
    {
        Tab("tabOptions", 2);
        for (int i = 0; i < entries.size(); ++i)
            Enter(Field("txtBeV", i), entries[i]);
        if (calculate)
            Press("cmdCalBeV");
    }
    // On the Repayment sub-page in the Tab order: amount, loan type, rate, rate period, term; the
    // items chosen by typing on the closed list.
    void EnterRepayment(const QString& amount, const QString& type, const QString& rate,
                        const QString& period, const QString& term) const
    {
        Tab("tabOptions", 3);
        Tab("tabOptions2", 1);
        Enter(Field("txtCalRpy", 0), amount);
        Choose("cboIntRat_2", type);
        Enter(Field("txtCalRpy", 1), rate);
        Choose("cboIntRat_0", period);
        Enter(Field("txtCalRpy", 2), term);
    }
    // Picks an item of the selector by typing its first letters on the closed list.
    void Choose(const char* selector, const QString& label) const
    {
        QTest::keyClicks(Find<QComboBox>(selector), label);
        PressTab();
    }

    // Declared in the order they are needed: the window goes first, then the services.
    QTemporaryDir logFolder;
    FakeServices services;
    std::unique_ptr<ScopedServices> scope;
    std::unique_ptr<frmVexmoor> window;
    bool exposed = false;
};

// Runs the program in a region for the object's lifetime, as the region's LC_ALL would: the
// window reads its number format from QLocale's default when it is made.
struct ScopedRegion
{
    explicit ScopedRegion(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~ScopedRegion() { QLocale::setDefault(QLocale::system()); }
};

// The style's own light palette, and a dark theme as desktops give it: light text on dark grey,
// a blue highlight.
inline QPalette LightPalette()
{
    return QApplication::style()->standardPalette();
}

inline QPalette DarkPalette()
{
    const QColor text(230, 230, 230), window(53, 53, 53), base(35, 35, 35);
    QPalette dark(text, window, window.lighter(), window.darker(), QColor(90, 90, 90), text,
                  Qt::white, base, window);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}

} // namespace vexmoor::test
