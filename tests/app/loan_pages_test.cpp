// The loan pages through their real widgets: the first visit, typing and Tab, the focus cue,
// the invalid-number message, choosing rate periods, loan types and modes by keyboard and mouse
// (and how often that recalculates), the worked loans entered field by field, silent arithmetic
// stops, reported failures, Clear, the sub-pages and a schedule of 10,000 instalments.
#include "platform/container.h"
#include "platform/list_box.h"
#include "platform/selector.h"
#include "platform/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTabBar>
#include <QtTest>
#include <cmath>

using vexmoor::test::Click;
using vexmoor::test::ClickTab;
using vexmoor::test::TypeInto;
using vexmoor::test::WindowFixture;

namespace vexmoor {

namespace {

const QString kInvalidNumberMessage = QStringLiteral(" [frmVexmoor] Enter a valid number. {13}");

template<typename T> T* Named(const WindowFixture& f, const QString& name)
{
    T* widget = f.window->findChild<T*>(name);
    Q_ASSERT(widget != nullptr);
    return widget;
}

// Controls by page: R the Repayment sub-page, P the Principal sub-page.
QLineEdit* Field(const WindowFixture& f, char page, int index)
{
    return Named<QLineEdit>(
        f, QStringLiteral("txtCal%1_%2").arg(page == 'R' ? "Rpy" : "Prn").arg(index));
}

QLabel* Caption(const WindowFixture& f, char page, int index)
{
    return Named<QLabel>(f,
                         QStringLiteral("lblCal%1_%2").arg(page == 'R' ? "Rpy" : "Prn").arg(index));
}

QComboBox* Combo(const WindowFixture& f, const char* name)
{
    return Named<QComboBox>(f, QString::fromLatin1(name));
}

QComboBox* ModeCombo(const WindowFixture& f, char page)
{
    return Combo(f, page == 'R' ? "cboCalRpy_3" : "cboCalPrn_1");
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void ShowLoanPage(WindowFixture& f, int subPage = 1)
{
    ClickTab(f.window->tabOptions, 3);
    if (subPage != 1)
        ClickTab(f.window->tabOptions2, subPage);
}

void PressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Opens the drop-down list with the mouse and clicks the item. The list ignores a release that
// comes within a double-click interval of the press that opened it (the opening click's own
// release), so the item is clicked after that.
void ChooseByMouse(QComboBox* combo, const QString& label)
{
    Click(combo);
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
    const int row = combo->findText(label);
    QVERIFY2(row >= 0, qPrintable(label));
    view->scrollTo(view->model()->index(row, 0));
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

// Gives a selector the focus with the mouse without choosing: the list opens and is closed.
void FocusByMouse(QComboBox* combo)
{
    Click(combo);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!combo->view()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), combo);
}

// Schedule builds (and Clears) of the list, counted by its resets.
std::unique_ptr<QSignalSpy> CountBuilds(const WindowFixture& f)
{
    return std::make_unique<QSignalSpy>(f.window->lstLsd->View()->model(),
                                        &QAbstractItemModel::modelReset);
}

QStringList LogRecords(const WindowFixture& f)
{
    QFile log(f.services.LogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

struct Loan
{
    QString amount, rate, period, term, mode, type;
};

} // namespace
} // namespace vexmoor

Q_DECLARE_METATYPE(vexmoor::Loan)

namespace vexmoor {
namespace {

// Enters a loan on a page the way a user would: each field typed and left with Tab, each list
// item picked with the mouse, in the order of the page's rows.
void EnterLoan(WindowFixture& f, char page, const Loan& loan)
{
    if (page == 'R') {
        TypeInto(Field(f, 'R', 0), loan.amount);
        PressTab();
        ChooseByMouse(Combo(f, "cboIntRat_2"), loan.type);
        TypeInto(Field(f, 'R', 1), loan.rate);
        PressTab();
        ChooseByMouse(Combo(f, "cboIntRat_0"), loan.period);
        TypeInto(Field(f, 'R', 2), loan.term);
        PressTab();
        QCOMPARE(QApplication::focusWidget(), ModeCombo(f, 'R'));
    } else {
        TypeInto(Field(f, 'P', 0), loan.amount);
        PressTab();
        QCOMPARE(QApplication::focusWidget(), ModeCombo(f, 'P'));
        ChooseByMouse(Combo(f, "cboIntRat_1"), loan.period); // refills the mode list first
        TypeInto(Field(f, 'P', 2), loan.term);
        PressTab();
        TypeInto(Field(f, 'P', 3), loan.rate);
        PressTab();
        ChooseByMouse(Combo(f, "cboIntRat_3"), loan.type);
    }
    if (ModeCombo(f, page)->currentText() != loan.mode)
        ChooseByMouse(ModeCombo(f, page), loan.mode);
}

} // namespace

class LoanPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void firstVisitClearsBothPages();
    void resultFieldsAndScheduleList();
    void leavingAFieldReformatsIt_data();
    void leavingAFieldReformatsIt();
    void notANumberKeepsTheFocus_data();
    void notANumberKeepsTheFocus();
    void focusCueFollowsTheFocus();
    void subPagesShowOneAtATime();
    void choosingARatePeriodRefillsTheModes_data();
    void choosingARatePeriodRefillsTheModes();
    void choosingByKeyboard();
    void loanTypeAndModeRecalculateOnce();
    void lumpSumIsCalculatedMonthly();
    void workedRepayments_data();
    void workedRepayments();
    void workedPrincipals_data();
    void workedPrincipals();
    void silentStopEmptiesResultAndSchedule();
    void faultAfterThePrincipalKeepsIt();
    void conversionErrorsAreReportedPerCalculation();
    void scheduleFailureIsReported();
    void clearResetsOnePage();
    void tenThousandInstalmentsShownWhole();
};

void LoanPagesTest::initTestCase()
{
    // Short, so that choosing from a list with the mouse need not wait long.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(40);
}

void LoanPagesTest::firstVisitClearsBothPages()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    QCOMPARE(Field(f, 'R', 0)->text(), QString());
    QVERIFY(f.window->repaymentPageActive);
    QVERIFY(!f.window->principalPageActive);

    ShowLoanPage(f);
    const QStringList repayment {Field(f, 'R', 0)->text(), Field(f, 'R', 1)->text(),
                                 Field(f, 'R', 2)->text(), Field(f, 'R', 4)->text()};
    QCOMPARE(repayment, (QStringList {"0.00", "0.0000", "0", "0.00"}));
    const QStringList principal {Field(f, 'P', 0)->text(), Field(f, 'P', 2)->text(),
                                 Field(f, 'P', 3)->text(), Field(f, 'P', 4)->text()};
    QCOMPARE(principal, (QStringList {"0.00", "0", "0.0000", "0.00"}));
    for (const char* name :
         {"cboIntRat_0", "cboIntRat_1", "cboIntRat_2", "cboIntRat_3", "cboCalRpy_3", "cboCalPrn_1"})
        QCOMPARE(Combo(f, name)->currentIndex(), -1);
    QCOMPARE(ModeCombo(f, 'R')->count(), 9);
    QCOMPARE(Items(ModeCombo(f, 'P')).last(), QStringLiteral("Semi-Annually [2]"));
    QCOMPARE(ModeCombo(f, 'P')->count(), 7);
    QCOMPARE(Items(Combo(f, "cboIntRat_1")), (QStringList {"Month", "Year", "Day", "Week"}));
    QCOMPARE(Items(Combo(f, "cboIntRat_2")), (QStringList {"Flat Rate", "Red Bal", "Amortize"}));
    QCOMPARE(f.window->lstLsd->Count(), 0);

    // Later visits keep what the user entered.
    TypeInto(Field(f, 'R', 0), "5");
    PressTab();
    ClickTab(f.window->tabOptions, 1);
    ClickTab(f.window->tabOptions, 3);
    QCOMPARE(Field(f, 'R', 0)->text(), QStringLiteral("5.00"));
}

void LoanPagesTest::resultFieldsAndScheduleList()
{
    WindowFixture f;
    ShowLoanPage(f);
    for (QLineEdit* result : {Field(f, 'R', 4), Field(f, 'P', 4)}) {
        QVERIFY(result->isReadOnly());
        QVERIFY(result->font().bold());
        QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
    }
    QVERIFY(QFontInfo(f.window->lstLsd->View()->font()).fixedPitch());

    // Tab from the mode selector passes the result field by.
    FocusByMouse(ModeCombo(f, 'R'));
    PressTab();
    QCOMPARE(QApplication::focusWidget(), f.window->cmdCalRpy);
}

void LoanPagesTest::leavingAFieldReformatsIt_data()
{
    QTest::addColumn<char>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("principal") << 'R' << 0 << "1234.5"
                               << "1,234.50";
    QTest::newRow("rate") << 'R' << 1 << "12.5"
                          << "12.5000";
    QTest::newRow("term rounds half up") << 'R' << 2 << "12.5"
                                         << "13";
    QTest::newRow("term grouped") << 'R' << 2 << "1234"
                                  << "1,234";
    QTest::newRow("instalment") << 'P' << 0 << "-0.005"
                                << "-0.01";
    QTest::newRow("principal page term") << 'P' << 2 << "7"
                                         << "7";
    QTest::newRow("principal page rate") << 'P' << 3 << "1,000.123456"
                                         << "1,000.1235";
}

void LoanPagesTest::leavingAFieldReformatsIt()
{
    QFETCH(char, page);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    WindowFixture f;
    ShowLoanPage(f, page == 'R' ? 1 : 2);
    const auto builds = CountBuilds(f);
    TypeInto(Field(f, page, index), typed);
    PressTab();
    QCOMPARE(Field(f, page, index)->text(), shown);
    QVERIFY(QApplication::focusWidget() != Field(f, page, index));
    // The page recalculated: no loan type yet, so the new state's figure and a totals-only
    // schedule. No mode was picked either; picking "Monthly [12]" for it recalculated first.
    QCOMPARE(builds->count(), 2);
    QCOMPARE(ModeCombo(f, page)->currentText(), QStringLiteral("Monthly [12]"));
    QCOMPARE(Field(f, page, 4)->text(), QStringLiteral("0.00"));
    QVERIFY(f.window->lstLsd->Lines().last().contains(QStringLiteral(" Totals : ")));
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::notANumberKeepsTheFocus_data()
{
    QTest::addColumn<char>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("procedure");
    QTest::newRow("principal deleted") << 'R' << 0 << ""
                                       << "txtCalRpy_Validate";
    QTest::newRow("rate letters") << 'R' << 1 << "ten"
                                  << "txtCalRpy_Validate";
    QTest::newRow("instalment deleted") << 'P' << 0 << ""
                                        << "txtCalPrn_Validate";
    QTest::newRow("term two decimal points") << 'P' << 2 << "1.2.3"
                                             << "txtCalPrn_Validate";
}

void LoanPagesTest::notANumberKeepsTheFocus()
{
    QFETCH(char, page);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, procedure);
    WindowFixture f;
    ShowLoanPage(f, page == 'R' ? 1 : 2);
    const auto builds = CountBuilds(f);
    TypeInto(Field(f, page, index), typed);
    PressTab();
    QCOMPARE(f.services.MessageTexts(), QStringList {kInvalidNumberMessage});
    QCOMPARE(f.services.messages.front().title, QStringLiteral("System Support"));
    QCOMPARE(QApplication::focusWidget(), Field(f, page, index));
    QCOMPARE(Field(f, page, index)->text(), typed);
    QCOMPARE(builds->count(), 0);
    const QStringList records = LogRecords(f);
    QCOMPARE(records.size(), 1);
    QVERIFY(records.front().endsWith(" -> QNVXM [frmVexmoor] -> Position (" + procedure +
                                     ") -> Enter a valid number. {13}"));
    // A button pressed meanwhile does not act either.
    Click(page == 'R' ? f.window->cmdClrRpy : f.window->cmdClrPrn);
    QCOMPARE(f.services.messages.size(), std::size_t(2));
    QCOMPARE(Field(f, page, index)->text(), typed);
}

void LoanPagesTest::focusCueFollowsTheFocus()
{
    WindowFixture f;
    ShowLoanPage(f);
    Click(Field(f, 'R', 0));
    QVERIFY(Caption(f, 'R', 0)->font().bold());
    PressTab(); // to the loan type
    QVERIFY(!Caption(f, 'R', 0)->font().bold());
    QVERIFY(Caption(f, 'R', 5)->font().bold());
    PressTab(); // the rate
    QVERIFY(!Caption(f, 'R', 5)->font().bold());
    QVERIFY(Caption(f, 'R', 1)->font().bold());
    PressTab(); // the rate period
    QVERIFY(Caption(f, 'R', 6)->font().bold());
    PressTab(); // the term
    PressTab(); // the mode
    QVERIFY(Caption(f, 'R', 3)->font().bold());
    QVERIFY(!Caption(f, 'R', 2)->font().bold());
    QVERIFY(!Caption(f, 'R', 6)->font().bold());
    // A click into the result field shows its cue as well; buttons have none.
    Click(Field(f, 'R', 4));
    QVERIFY(Caption(f, 'R', 4)->font().bold());
    Click(f.window->cmdClrRpy);
    QVERIFY(!Caption(f, 'R', 4)->font().bold());

    ClickTab(f.window->tabOptions2, 2);
    FocusByMouse(Combo(f, "cboIntRat_1"));
    QVERIFY(Caption(f, 'P', 6)->font().bold());
    QVERIFY(!Caption(f, 'R', 6)->font().bold());
    Click(Field(f, 'P', 3));
    QVERIFY(!Caption(f, 'P', 6)->font().bold());
    QVERIFY(Caption(f, 'P', 3)->font().bold());
}

void LoanPagesTest::subPagesShowOneAtATime()
{
    WindowFixture f;
    ShowLoanPage(f);
    TypeInto(Field(f, 'R', 0), "1200");
    PressTab();
    const QStringList schedule = f.window->lstLsd->Lines();
    QCOMPARE(schedule.size(), 2);

    const struct
    {
        int tab;
        bool repayment, principal;
    } steps[] = {{2, false, true}, {3, false, false}, {1, true, false}};
    for (const auto& step : steps) {
        ClickTab(f.window->tabOptions2, step.tab);
        for (int i = 0; i < 3; ++i) {
            QWidget* container = f.window->picOptions2[static_cast<std::int16_t>(i)];
            const bool shown = i == step.tab - 1;
            QCOMPARE(platform::ContainerLeftTwips(container), shown ? 175 : -20000);
            QCOMPARE(container->isEnabled(), shown);
        }
        QCOMPARE(f.window->repaymentPageActive, step.repayment);
        QCOMPARE(f.window->principalPageActive, step.principal);
        QCOMPARE(f.window->lstLsd->Lines(), schedule);
    }
    QCOMPARE(Field(f, 'R', 0)->text(), QStringLiteral("1,200.00"));
}

void LoanPagesTest::choosingARatePeriodRefillsTheModes_data()
{
    QTest::addColumn<char>("page");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("modes");
    const QStringList monthly {"Monthly [12]", "Bi-Monthly [6]", "Quarterly [3]",
                               "Semi-Annually [2]", "Annually [1]"};
    QTest::newRow("day") << 'R' << "Day"
                         << "Term (Days):" << QStringList {"Daily [1]"};
    QTest::newRow("week") << 'R' << "Week"
                          << "Term (Weeks):" << QStringList {"Weekly [7]", "Bi-Weekly [14]"};
    QTest::newRow("year") << 'R' << "Year"
                          << "Term (Months):" << monthly;
    QTest::newRow("month") << 'R' << "Month"
                           << "Term (Months):" << monthly;
    QTest::newRow("principal page week")
        << 'P' << "Week"
        << "Term (Weeks):" << QStringList {"Weekly [7]", "Bi-Weekly [14]"};
}

void LoanPagesTest::choosingARatePeriodRefillsTheModes()
{
    QFETCH(char, page);
    QFETCH(QString, period);
    QFETCH(QString, caption);
    QFETCH(QStringList, modes);
    WindowFixture f;
    ShowLoanPage(f, page == 'R' ? 1 : 2);
    QComboBox* periods = Combo(f, page == 'R' ? "cboIntRat_0" : "cboIntRat_1");
    // Give the selector the focus first; the choice alone is counted.
    FocusByMouse(periods);
    const auto builds = CountBuilds(f);
    ChooseByMouse(periods, period);
    QCOMPARE(Caption(f, page, 2)->text(), caption);
    QCOMPARE(Items(ModeCombo(f, page)), modes);
    QCOMPARE(ModeCombo(f, page)->currentText(), modes.front());
    // Once nested, for the new mode's selection, and once for the rate period itself.
    QCOMPARE(builds->count(), 2);
    QCOMPARE(f.window->lstLsd->Count(), 2);
    QVERIFY(f.services.messages.empty());

    // Leaving the rate-period selector handles the choice again and lets the focus go.
    builds->clear();
    PressTab();
    QCOMPARE(builds->count(), 2);
    QVERIFY(QApplication::focusWidget() != periods);
}

void LoanPagesTest::choosingByKeyboard()
{
    WindowFixture f;
    ShowLoanPage(f);
    // Tab from the rate to the rate period, then pick with the arrow and End keys.
    TypeInto(Field(f, 'R', 1), "0.5");
    PressTab();
    QComboBox* periods = Combo(f, "cboIntRat_0");
    QCOMPARE(QApplication::focusWidget(), periods);
    QTest::keyClick(periods, Qt::Key_Down);
    QCOMPARE(periods->currentText(), QStringLiteral("Month"));
    QTest::keyClick(periods, Qt::Key_End);
    QCOMPARE(periods->currentText(), QStringLiteral("Week"));
    QCOMPARE(Caption(f, 'R', 2)->text(), QStringLiteral("Term (Weeks):"));
    QCOMPARE(ModeCombo(f, 'R')->currentText(), QStringLiteral("Weekly [7]"));
    PressTab();
    TypeInto(Field(f, 'R', 2), "13");
    PressTab();
    QTest::keyClick(ModeCombo(f, 'R'), Qt::Key_Down);
    QCOMPARE(ModeCombo(f, 'R')->currentText(), QStringLiteral("Bi-Weekly [14]"));
    // The loan type by keyboard too.
    FocusByMouse(Combo(f, "cboIntRat_2"));
    QTest::keyClick(Combo(f, "cboIntRat_2"), Qt::Key_End);
    TypeInto(Field(f, 'R', 0), "10000");
    PressTab();
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("1,596.70"));
    QCOMPARE(f.window->lstLsd->Count(), 6 + 2);
}

void LoanPagesTest::loanTypeAndModeRecalculateOnce()
{
    WindowFixture f;
    ShowLoanPage(f, 2);
    FocusByMouse(Combo(f, "cboIntRat_3"));
    const auto builds = CountBuilds(f);
    // The first calculation finds no mode picked: it picks "Monthly [12]", and that change of
    // selection calculates once more, nested.
    ChooseByMouse(Combo(f, "cboIntRat_3"), "Red Bal");
    QCOMPARE(builds->count(), 2);
    QCOMPARE(ModeCombo(f, 'P')->currentText(), QStringLiteral("Monthly [12]"));
    QCOMPARE(ModeCombo(f, 'P')->count(), 7); // no refill
    builds->clear();
    ChooseByMouse(Combo(f, "cboIntRat_3"), "Amortize");
    QCOMPARE(builds->count(), 1);

    FocusByMouse(ModeCombo(f, 'P'));
    builds->clear();
    ChooseByMouse(ModeCombo(f, 'P'), "Quarterly [3]");
    QCOMPARE(builds->count(), 1);
    // Leaving the mode selector recalculates once more and lets the focus go.
    PressTab();
    QCOMPARE(builds->count(), 2);
    QCOMPARE(QApplication::focusWidget(), Field(f, 'P', 2));
}

void LoanPagesTest::lumpSumIsCalculatedMonthly()
{
    WindowFixture f;
    ShowLoanPage(f);
    TypeInto(Field(f, 'R', 0), "1200");
    PressTab();
    ChooseByMouse(Combo(f, "cboIntRat_2"), "Red Bal");
    TypeInto(Field(f, 'R', 1), "1");
    // Past the rate period with the mouse: leaving that selector would refill the mode list.
    TypeInto(Field(f, 'R', 2), "12");
    PressTab();
    ChooseByMouse(ModeCombo(f, 'R'), "End-of-Term Lump Sum");
    QCOMPARE(ModeCombo(f, 'R')->currentText(), QStringLiteral("Monthly [12]"));
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("112.00"));
    QCOMPARE(f.window->lstLsd->Count(), 14);
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::workedRepayments_data()
{
    QTest::addColumn<Loan>("loan");
    QTest::addColumn<QString>("shown");
    const struct
    {
        const char *amount, *rate, *period, *term, *mode, *flat, *amortize;
    } rows[] = {
        {"100000", "10", "Year", "12", "Monthly [12]", "9,166.70", "8,791.60"},
        {"100000", "10", "Year", "12", "Quarterly [3]", "27,500.00", "26,581.80"},
        {"100000", "10", "Year", "12", "Bi-Monthly [6]", "18,333.30", "17,652.30"},
        {"100000", "1", "Month", "12", "Monthly [12]", "9,333.30", "8,884.90"},
        {"10000", "0.5", "Week", "13", "Bi-Weekly [14]", "1,638.50", "1,596.70"},
        {"5000", "0.1", "Day", "30", "Daily [1]", "171.70", "169.30"},
    };
    for (const auto& row : rows) {
        for (const char* type : {"Flat Rate", "Red Bal", "Amortize"}) {
            const Loan loan {row.amount, row.rate, row.period, row.term, row.mode, type};
            QTest::addRow("%s %s %s", row.amount, row.mode, type)
                << loan << (QString(type) == "Amortize" ? row.amortize : row.flat);
        }
    }
}

void LoanPagesTest::workedRepayments()
{
    QFETCH(Loan, loan);
    QFETCH(QString, shown);
    WindowFixture f;
    ShowLoanPage(f);
    EnterLoan(f, 'R', loan);
    QCOMPARE(Field(f, 'R', 4)->text(), shown);
    const int rows = static_cast<int>(std::nearbyint(f.window->loanState.instalmentCount));
    QCOMPARE(f.window->lstLsd->Count(), rows + 2);
    QVERIFY(f.window->lstLsd->Line(rows + 1).contains(" Totals : "));
    QCOMPARE(f.window->lstLsd->HorizontalExtent(), 350);
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::workedPrincipals_data()
{
    QTest::addColumn<Loan>("loan");
    QTest::addColumn<QString>("shown");
    const struct
    {
        const char *amount, *rate, *period, *term, *mode, *flat, *amortize;
    } rows[] = {
        {"8791.59", "10", "Year", "12", "Monthly [12]", "95,908.30", "100,000.00"},
        {"9166.67", "10", "Year", "12", "Monthly [12]", "100,000.00", "104,266.40"},
        {"27500", "10", "Year", "12", "Quarterly [3]", "100,000.00", "103,454.30"},
        {"1638.46", "0.5", "Week", "13", "Bi-Weekly [14]", "10,000.00", "10,261.70"},
        {"171.67", "0.1", "Day", "30", "Daily [1]", "5,000.10", "5,071.10"},
    };
    for (const auto& row : rows) {
        for (const char* type : {"Flat Rate", "Red Bal", "Amortize"}) {
            const Loan loan {row.amount, row.rate, row.period, row.term, row.mode, type};
            QTest::addRow("%s %s %s", row.amount, row.mode, type)
                << loan << (QString(type) == "Amortize" ? row.amortize : row.flat);
        }
    }
}

void LoanPagesTest::workedPrincipals()
{
    QFETCH(Loan, loan);
    QFETCH(QString, shown);
    WindowFixture f;
    ShowLoanPage(f, 2);
    EnterLoan(f, 'P', loan);
    QCOMPARE(Field(f, 'P', 4)->text(), shown);
    QVERIFY(f.window->lstLsd->Lines().last().contains(" Totals : "));
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::silentStopEmptiesResultAndSchedule()
{
    WindowFixture f;
    ShowLoanPage(f);
    EnterLoan(f, 'R', {"1200", "1", "Month", "12", "Monthly [12]", "Amortize"});
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("106.60"));
    QCOMPARE(f.window->lstLsd->Count(), 14);

    // A term of 0 has no instalment: no message, no record, and no stale result or schedule.
    TypeInto(Field(f, 'R', 2), "0");
    PressTab();
    QCOMPARE(Field(f, 'R', 4)->text(), QString());
    QCOMPARE(f.window->lstLsd->Count(), 0);
    QVERIFY(f.services.messages.empty());
    QVERIFY(!QFile::exists(f.services.LogPath()));

    // Without interest the annuity is the even split, with no interest in any row.
    TypeInto(Field(f, 'R', 2), "12");
    PressTab();
    TypeInto(Field(f, 'R', 1), "0");
    PressTab();
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("100.00"));
    QVERIFY(f.window->lstLsd->Line(12).endsWith(QStringLiteral("100.00           0.00")));
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::faultAfterThePrincipalKeepsIt()
{
    WindowFixture f;
    ShowLoanPage(f);
    // A principal at the edge of the double range, entered on the Repayment page.
    TypeInto(Field(f, 'R', 0), "1e300");
    PressTab();
    QVERIFY(Field(f, 'R', 0)->text().startsWith(QStringLiteral("1,000,000,000,000,")));
    ClickTab(f.window->tabOptions2, 2);
    TypeInto(Field(f, 'P', 0), "1");
    PressTab();
    const QString shown = Field(f, 'P', 4)->text();
    QCOMPARE(f.window->lstLsd->Count(), 2);
    // With no loan type the principal page shows the held principal; its interest at this
    // rate is beyond the double range, a fault that comes after the principal was shown.
    TypeInto(Field(f, 'P', 3), "1e12");
    PressTab();
    QCOMPARE(Field(f, 'P', 4)->text(), shown);
    QVERIFY(shown.startsWith(QStringLiteral("1,000,000,000,000,")));
    QCOMPARE(f.window->lstLsd->Count(), 0);
    QVERIFY(f.services.messages.empty());
}

void LoanPagesTest::conversionErrorsAreReportedPerCalculation()
{
    WindowFixture f;
    ShowLoanPage(f);
    EnterLoan(f, 'R', {"1200", "1", "Month", "12", "Monthly [12]", "Red Bal"});
    const QStringList schedule = f.window->lstLsd->Lines();
    // A field emptied behind the page's back: each of the two calculations that choosing a rate
    // period runs reports it, and the result and schedule stay.
    FocusByMouse(Combo(f, "cboIntRat_0"));
    Field(f, 'R', 2)->setText(QString());
    ChooseByMouse(Combo(f, "cboIntRat_0"), "Year");
    QCOMPARE(
        f.services.MessageTexts(),
        (QStringList {" [frmVexmoor] Type mismatch {13}", " [frmVexmoor] Type mismatch {13}"}));
    const QStringList records = LogRecords(f);
    QCOMPARE(records.size(), 2);
    for (const QString& record : records)
        QVERIFY(record.contains("Position (cmdCalRpy_Click) -> Type mismatch {13}"));
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("112.00"));
    QCOMPARE(f.window->lstLsd->Lines(), schedule);
}

void LoanPagesTest::scheduleFailureIsReported()
{
    WindowFixture f;
    ShowLoanPage(f);
    // More instalments than a schedule can list: the result shows, the schedule reports an
    // overflow and stays empty.
    EnterLoan(f, 'R', {"40000", "0", "Month", "40000", "Monthly [12]", "Red Bal"});
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("1.00"));
    QCOMPARE(f.window->lstLsd->Count(), 0);
    QVERIFY(!f.services.messages.empty());
    for (const QString& text : f.services.MessageTexts())
        QCOMPARE(text, QStringLiteral(" [frmVexmoor] Overflow {6}"));
    QVERIFY(LogRecords(f).last().contains("Position (LoanSchedule) -> Overflow {6}"));
}

void LoanPagesTest::clearResetsOnePage()
{
    WindowFixture f;
    ShowLoanPage(f, 2);
    EnterLoan(f, 'P', {"112", "1", "Month", "12", "Monthly [12]", "Flat Rate"});
    const QString principalResult = Field(f, 'P', 4)->text();
    ClickTab(f.window->tabOptions2, 1);
    EnterLoan(f, 'R', {"1200", "1", "Week", "12", "Bi-Weekly [14]", "Flat Rate"});
    QVERIFY(f.window->lstLsd->Count() > 0);

    Click(f.window->cmdClrRpy); // leaving the mode selector recalculates first
    const auto builds = CountBuilds(f);
    Click(f.window->cmdClrRpy);
    const QStringList texts {Field(f, 'R', 0)->text(), Field(f, 'R', 1)->text(),
                             Field(f, 'R', 2)->text(), Field(f, 'R', 4)->text()};
    QCOMPARE(texts, (QStringList {"0.00", "0.0000", "0", "0.00"}));
    QCOMPARE(f.window->lstLsd->Count(), 0);
    QCOMPARE(builds->count(), 1); // emptied, not rebuilt
    QCOMPARE(Combo(f, "cboIntRat_0")->currentText(), QStringLiteral("Week"));
    QCOMPARE(ModeCombo(f, 'R')->currentText(), QStringLiteral("Bi-Weekly [14]"));
    QCOMPARE(Caption(f, 'R', 2)->text(), QStringLiteral("Term (Weeks):"));
    QCOMPARE(Field(f, 'P', 4)->text(), principalResult);
    QCOMPARE(Field(f, 'P', 0)->text(), QStringLiteral("112.00"));
}

void LoanPagesTest::tenThousandInstalmentsShownWhole()
{
    WindowFixture f;
    ShowLoanPage(f);
    EnterLoan(f, 'R', {"1000000", "0", "Month", "10000", "Monthly [12]", "Amortize"});
    QCOMPARE(Field(f, 'R', 4)->text(), QStringLiteral("100.00"));
    platform::ListBox* list = f.window->lstLsd;
    QCOMPARE(list->Count(), 10002);
    QVERIFY(list->Line(9999).startsWith(QStringLiteral("9999           ")));
    QVERIFY(list->Line(10000).startsWith(QStringLiteral("10000           100.00")));
    QCOMPARE(list->Line(10001),
             QString(11, ' ') + " Totals : " + QString(11, ' ') + "1,000,000.00" +
                 QString(11, ' ') + "1,000,000.00" + QString(11, ' ') + "0.00");
    QVERIFY(f.services.messages.empty());

    // The schedule sub-page shows it, scrolled to its last line by the keyboard.
    ClickTab(f.window->tabOptions2, 3);
    QListView* view = list->View();
    Click(view);
    QTest::keyClick(view, Qt::Key_End);
    QTRY_COMPARE(view->currentIndex().row(), 10001);
    QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::LoanPagesTest)
#include "loan_pages_test.moc"
