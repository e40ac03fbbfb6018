// frmVexmoor: the program's one window. It composes the main pages; each page owns its controls,
// its figures and flags, and its handlers.
//
// Design map
//   shell/core/layout      the table of every control (name, index, kind, twips rectangle,
//                          caption, tooltip, font, tab order) and the main pages' tabs.
//   shell/ui/frm_vexmoor   the window: makes its own controls (the main tab strip, the page
//                          containers, the footer link) and each page's from the table, hands
//                          each page its controls and runs its steps (make, load, show) through
//                          the Page interface (pages/page.h); Form_Load, Form_Colors, the main
//                          page switch tabOptions_Click, Form_Unload, the links.
//   shell/ui/control_makers one maker per kind of control, and the properties every control
//                          takes from its row.
//   shell/ui/keyboard      key preview: Form_KeyDown (Ctrl+Tab, calculator key codes) and
//                          Form_KeyPress (calculator characters).
//   shell/ui/talk_to_us_page, disclaimer_page   the two pages without calculations.
//   shell/core/design_colors, shell/ui/design_paint   the design's colours, each fill with
//                          the text colour that reads on it, painted in light and dark themes.
//   shell/ui/accessibility roles screen readers hear (window frame, links, graph).
//   shell/core/help_text, shell/ui/help_window   the help, written once; F1 opens it in a
//                          window made on the first F1.
//   pages/page             what a page is to the window (Make, Load, Show, its sub-page strip),
//                          and what the pages share (PageContext: the regional format, the error
//                          guard, the focus events, the desktop services).
//   calculator/ui          CalculatorPage: cmdCalc_Click binds the calculator engine to the key
//                          pad and display; copy and paste of the display.
//   breakeven/ui           BreakEvenPage: fields, Calculate, Clear, sub-pages, GenChart; the
//                          graph (BreakEvenChart) and its Copy Graph and Save Graph As….
//   loan/ui                LoanPage: fields, selectors, calculations, LoanSchedule; one body
//                          per event for both entry pages, each seen as a LoanPageView.
//   errors/ui              LogError and Guarded, which every handler runs its body under.
//   platform/              Qt adapters: widgets/ (ControlSet, FocusEvents: Validate before the
//                          focus leaves, key preview; TabStrip, Selector, ListBox, containers),
//                          services/ (desktop services, regional format), export/ (a list's copy
//                          and CSV, pictures, the table window, the printed and PDF reports).
//
// One event traced: the user types 10 into the repayment interest-rate field and presses Tab.
//   FocusEvents sees the Tab before Qt moves the focus and runs LoanPage::txtCalRpy_Validate(1,
//   cancel), which the loan page attached when it was made; it reformats the text to 10.0000
//   (common/core number texts, in the PageContext's regional format) and runs CalculateLoan for
//   the Repayment page under the context's guard, which calls CalculateRepayment (loan/core) and
//   writes the instalment, then LoanSchedule fills lstLsd from BuildLoanScheduleLines. Validate
//   did not cancel, so the Tab goes on: Qt moves the focus, FocusEvents runs the page's
//   txtCalRpy_LostFocus(1) and the next control's GotFocus. The window takes no part in it.
#pragma once

#include "platform/widgets/control_array.h"
#include "shell/core/layout.h"

#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QKeyEvent;
class QLabel;

namespace vexmoor {

namespace platform {
class ControlSet;
class FocusEvents;
class TabStrip;
} // namespace platform

class Page;
struct PageContext;
class CalculatorPage;
class BreakEvenPage;
class LoanPage;

class frmVexmoor : public QWidget
{
    Q_OBJECT
public:
    // When the controls of the pages not shown at start are made. OnFirstVisit keeps them out of
    // start-up time: a page is made on its first visit, or in the idle moments after the window
    // is first painted, whichever comes first. AllAtOnce makes every control now.
    enum class PageBuilding { AllAtOnce, OnFirstVisit };

    explicit frmVexmoor(QWidget* parent = nullptr, PageBuilding building = PageBuilding::AllAtOnce);
    ~frmVexmoor() override;

    void Form_Load();
    void Form_Colors();
    void Form_Unload(std::int16_t& cancel);
    void tabOptions_Click();
    void lblQnbWeb_Click(std::int16_t index);
    // Whether the controls of a main page exist, and making them if not.
    bool PageBuilt(MainPage page) const;
    void EnsurePageBuilt(MainPage page);

    // The pages, for the key preview and for tests.
    CalculatorPage& Calculator() const;
    BreakEvenPage& BreakEven() const;
    LoanPage& Loan() const;

    // Sees every key before the focused control; returns true to swallow it.
    bool PreviewKey(QKeyEvent* event);
    // Key-down by platform key code and shift bits (1 Shift, 2 Ctrl, 4 Alt), and key-press by
    // character. Each returns true when it acted on the key (cycled the pages or pressed a
    // calculator key): one physical key press then acts once only and goes no further.
    bool Form_KeyDown(int keyCode, int shift);
    bool Form_KeyPress(int charCode);

    // Which main page is shown; all false on the Disclaimer page.
    bool calculatorPageActive = false;
    bool breakEvenPageActive = false;
    bool loanPageActive = false;
    bool talkToUsPageActive = false;
    // The address the last link opened.
    QString linkTarget;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's own controls (the main tab strip, the page containers, the footer link),
    // then each main page's: made from the layout table, linked to their captions, placed in
    // the Tab order, and handed over in `controls`.
    static constexpr int kWindowControls = -1;
    void BuildControls(int page, platform::ControlSet& controls);
    // A main page's controls, made and taken by the page, with what loading gave the others
    // when the window has loaded.
    void BuildPage(MainPage page);
    void BuildNextPageWhenIdle();
    // Stops the program, naming the controls, when a page could not take its controls.
    static void RequireTaken(const platform::ControlSet& controls);
    // Lays the Tab order of every control made so far.
    void LayTabOrder();
    // Paints anew the design colours that are the desktop's own, after a change of theme.
    void PaintTheme();
    // The page flags say which main page is shown.
    void SetPageFlags(int selected);

    std::unique_ptr<PageContext> m_context;
    platform::FocusEvents* focusEvents = nullptr;
    platform::TabStrip* tabOptions = nullptr;
    platform::ControlArray<QWidget> picOptions;
    platform::ControlArray<QLabel>
        lblQnbWeb; // the footer link; the others are the Talk to Us page's
    std::array<Page*, kMainPageCount> m_pages {};
    std::array<bool, kMainPageCount> m_pageBuilt {};
    bool m_idleBuildingDue = false;
    bool m_iconSet = false; // the window icon is set at the first paint
    bool m_formLoaded = false;
    QHash<QString, QWidget*> m_controlsByName;
    std::vector<std::pair<int, QWidget*>> m_tabChain; // Tab position, control
};

} // namespace vexmoor
