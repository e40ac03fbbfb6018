// frmVexmoor: the program's one window. It owns every control and every per-page figure.
//
// Design map
//   shell/core/layout      the table of every control (name, index, kind, twips rectangle,
//                          caption, tooltip, font, tab order); the window makes its controls
//                          from it page by page, the hidden pages on first need.
//   shell/ui/frm_vexmoor   builds the window from the table (each row goes to its member through
//                          the binding tables at the top of frm_vexmoor.cpp), Form_Load,
//                          Form_Colors, the main page switch tabOptions_Click with each page's
//                          steps (StepsOf), Form_Unload, the links.
//   shell/ui/keyboard      key preview: Form_KeyDown (Ctrl+Tab, calculator key codes) and
//                          Form_KeyPress (calculator characters).
//   shell/core/design_colors, shell/ui/design_paint   the design's colours, each fill with
//                          the text colour that reads on it, painted in light and dark themes.
//   shell/ui/accessibility roles screen readers hear (window frame, links, graph).
//   calculator/ui          cmdCalc_Click binds the calculator engine to the key pad and display;
//                          copy and paste of the display.
//   breakeven/ui           the break-even page: fields, Calculate, Clear, sub-pages, GenChart;
//                          the graph's Copy Graph and Save Graph As….
//   loan/ui                the loan pages: fields, selectors, calculations, LoanSchedule; one
//                          body per event for both entry pages, each seen as a LoanPageView.
//   errors/ui              LogError and Guarded, which every handler runs its body under.
//   platform/              Qt adapters: FocusEvents (Validate before the focus leaves, key
//                          preview), TabStrip, Selector, ListBox, containers, services;
//                          ListExport (a list's copy and CSV), ContextMenu, image export.
//
// One event traced: the user types 10 into the repayment interest-rate field and presses Tab.
//   FocusEvents sees the Tab before Qt moves the focus and runs txtCalRpy_Validate(1, cancel);
//   it reformats the text to 10.0000 (common/core number texts) and runs cmdCalRpy_Click, which
//   calls CalculateRepayment (loan/core) and writes the instalment, then LoanSchedule fills
//   lstLsd from BuildLoanScheduleLines. Validate did not cancel, so the Tab goes on: Qt moves
//   the focus, FocusEvents runs txtCalRpy_LostFocus(1) and the next control's GotFocus.
#pragma once

#include "breakeven/core/breakeven.h"
#include "calculator/core/calculator_engine.h"
#include "common/core/number_text.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_terms.h"
#include "platform/widgets/control_array.h"
#include "shell/core/layout.h"

#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace vexmoor {

namespace platform {
class ContextMenu;
class FocusEvents;
class ListBox;
class Selector;
class ShapePanel;
class TabStrip;
} // namespace platform

struct BreakEvenChart;

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

    // Whether a layout row of this name and kind has a member of the window to go to. Building
    // a row that has none stops the program with a message naming the control.
    static bool HasMemberFor(const ControlSpec& control);

    // ---- shell (shell/ui/frm_vexmoor.cpp) -----------------------------------------------------
    void Form_Load();
    void Form_Colors();
    void Form_Unload(std::int16_t& cancel);
    void tabOptions_Click();
    void lblQnbWeb_Click(std::int16_t index);
    // Whether the controls of a main page exist, and making them if not.
    bool PageBuilt(MainPage page) const;
    void EnsurePageBuilt(MainPage page);

    platform::TabStrip* tabOptions = nullptr;
    platform::ControlArray<QWidget> picOptions;
    platform::ControlArray<platform::ShapePanel> shpVexmr;
    platform::ControlArray<QLabel> lblQnbWeb;
    QLabel* imgQnfSut = nullptr;
    QLabel* lblVxmDsc = nullptr;
    platform::FocusEvents* focusEvents = nullptr;

    bool calculatorPageActive = false;
    bool breakEvenPageActive = false;
    bool loanPageActive = false;
    bool talkToUsPageActive = false;
    QString linkTarget;
    // The user's regional number format, read when the window is created.
    RegionalFormat regionalFormat;

    // ---- keyboard (shell/ui/keyboard.cpp) -----------------------------------------------------
    // Sees every key before the focused control; returns true to swallow it.
    bool PreviewKey(QKeyEvent* event);
    // Key-down by platform key code and shift bits (1 Shift, 2 Ctrl, 4 Alt), and key-press by
    // character. Each returns true when it acted on the key (cycled the pages or pressed a
    // calculator key): one physical key press then acts once only and goes no further.
    bool Form_KeyDown(int keyCode, int shift);
    bool Form_KeyPress(int charCode);
    // Gives the calculator key at `index` the focus and presses it; false for no key (-1).
    bool PressPadKey(int index);

    // ---- calculator (calculator/ui) -----------------------------------------------------------
    void cmdCalc_Click(std::int16_t index);

    QLabel* lblDisplay = nullptr;
    platform::ControlArray<QPushButton> cmdCalc;
    CalculatorState calculator;

    // ---- calculator clipboard (calculator/ui/calculator_clipboard.cpp) -----------------------
    // Copies the number on the display; pastes the clipboard's number by pressing its keys.
    void lblDisplay_Copy();
    void lblDisplay_Paste();
    // A copy or paste key on the Calculator page: acts and returns true.
    bool CalculatorClipboardKey(QKeyEvent* event);
    platform::ContextMenu* displayMenu = nullptr;

    // ---- break-even (breakeven/ui) ------------------------------------------------------------
    void txtBeV_GotFocus(std::int16_t index);
    void txtBeV_LostFocus(std::int16_t index);
    void txtBeV_Validate(std::int16_t index, bool& cancel);
    void cmdCalBeV_Click();
    void cmdClrBeV_Click();
    void ClearBreakEven();
    // What loading the window does on the page: the fields cleared, the sub-page shown.
    void LoadBreakEvenPage();
    void tabOptions1_Click();
    void GenChart();
    void chtBeVAny_PointSelected(int series, int dataPoint);

    platform::TabStrip* tabOptions1 = nullptr;
    platform::ControlArray<QWidget> picOptions1;
    platform::ControlArray<platform::ShapePanel> shpBeVAny;
    platform::ControlArray<QLabel> lblBeV;
    platform::ControlArray<QLineEdit> txtBeV;
    QPushButton* cmdCalBeV = nullptr;
    QPushButton* cmdClrBeV = nullptr;
    platform::ListBox* lstBev = nullptr;
    // Host of the chart; the chart itself is created on the first display of the Graph sub-page.
    QWidget* chtBeVAny = nullptr;
    BreakEvenChart* breakEvenChart = nullptr;
    BreakEvenFigures breakEven;

    // ---- break-even export (breakeven/ui/breakeven_export.cpp) -------------------------------
    // The graph's picture onto the clipboard, or into a PNG or SVG file the user names.
    void chtBeVAny_CopyGraph();
    void chtBeVAny_SaveGraph();
    platform::ContextMenu* graphMenu = nullptr;

    // ---- loan (loan/ui) -----------------------------------------------------------------------
    // The two entry pages share one body for each event (loan_pages.cpp); the handlers of each
    // page's controls choose the page and pass the event on.
    // What loading the window does on the page (the sub-page shown), and what its first visit
    // does (both entry pages cleared).
    void LoadLoanPage();
    void ShowLoanPage();
    void tabOptions2_Click();
    void txtCalRpy_GotFocus(std::int16_t index);
    void txtCalRpy_LostFocus(std::int16_t index);
    void txtCalRpy_Validate(std::int16_t index, bool& cancel);
    void txtCalPrn_GotFocus(std::int16_t index);
    void txtCalPrn_LostFocus(std::int16_t index);
    void txtCalPrn_Validate(std::int16_t index, bool& cancel);
    void cboCalRpy_Click(std::int16_t index);
    void cboCalRpy_GotFocus(std::int16_t index);
    void cboCalRpy_LostFocus(std::int16_t index);
    void cboCalRpy_Validate(std::int16_t index, bool& cancel);
    void cboCalPrn_Click(std::int16_t index);
    void cboCalPrn_GotFocus(std::int16_t index);
    void cboCalPrn_LostFocus(std::int16_t index);
    void cboCalPrn_Validate(std::int16_t index, bool& cancel);
    void cboIntRat_Click(std::int16_t index);
    void cboIntRat_GotFocus(std::int16_t index);
    void cboIntRat_LostFocus(std::int16_t index);
    void cboIntRat_Validate(std::int16_t index, bool& cancel);
    void cmdCalRpy_Click();
    void cmdCalPrn_Click();
    void cmdClrRpy_Click();
    void cmdClrPrn_Click();
    void CalculateLoan(LoanEntryPage page);
    void ClearLoanPage(LoanEntryPage page);
    void LoanSchedule(bool fromRepayment);

    platform::TabStrip* tabOptions2 = nullptr;
    platform::ControlArray<QWidget> picOptions2;
    platform::ControlArray<platform::ShapePanel> shpLonCal;
    platform::ControlArray<QLabel> lblCalRpy;
    platform::ControlArray<QLabel> lblCalPrn;
    platform::ControlArray<QLineEdit> txtCalRpy;
    platform::ControlArray<QLineEdit> txtCalPrn;
    platform::ControlArray<platform::Selector> cboIntRat;
    platform::ControlArray<platform::Selector> cboCalRpy;
    platform::ControlArray<platform::Selector> cboCalPrn;
    QPushButton* cmdCalRpy = nullptr;
    QPushButton* cmdClrRpy = nullptr;
    QPushButton* cmdCalPrn = nullptr;
    QPushButton* cmdClrPrn = nullptr;
    platform::ListBox* lstLsd = nullptr;
    // The entry page whose calculation built the schedule in lstLsd, for its report.
    LoanEntryPage schedulePage = LoanEntryPage::Repayment;
    LoanState loanState;
    // Both entry pages are cleared on the first visit of the loan page.
    bool loanPagePrepared = false;
    bool repaymentPageActive = false;
    bool principalPageActive = false;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's own controls (the main tab strip, the page containers, the footer link),
    // then each main page's: made from the layout table, linked to their captions, placed in
    // the Tab order and wired to their handlers.
    static constexpr int kWindowControls = -1;
    // Makes the controls ControlPages() puts on `page` (a main page's number, or kWindowControls).
    void BuildControls(int page);
    // A main page's controls, wired, with what loading gave the others when it has loaded.
    void BuildPage(MainPage page);
    void BuildNextPageWhenIdle();
    // Paints anew the design colours that are the desktop's own, after a change of theme.
    void PaintTheme();
    void ShowTalkToUsPage();

    // What a main page's subsystem does when the page is made (wires its controls), when the
    // window loads, and each time the page is shown, and the flag that tells the page is shown;
    // null where there is nothing to do.
    struct PageSteps
    {
        void (frmVexmoor::*connect)();
        void (frmVexmoor::*load)();
        void (frmVexmoor::*show)();
        bool frmVexmoor::*active;
    };
    static const PageSteps& StepsOf(MainPage page);

    std::array<bool, kMainPageCount> pageBuilt {};
    bool idleBuildingDue = false;
    bool formLoaded = false;
    QHash<QString, QWidget*> controlsByName;
    std::vector<std::pair<int, QWidget*>> tabChain; // Tab position, control
    // Each subsystem wires its controls' events to the handlers above (and fills its lists).
    void ConnectCalculator();
    void ConnectCalculatorClipboard();
    void ConnectBreakEven();
    void ConnectBreakEvenExport();
    void ConnectLoan();
};

} // namespace vexmoor
