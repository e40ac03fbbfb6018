// The loan pages through their real widgets: typing and Tab, the focus cue, choosing by keyboard
// and mouse (and how often that recalculates), the worked loans, silent stops, reported failures,
// Clear, the sub-pages and a schedule of 10,000 instalments.
#include "loan/ui/loan_page.h"
#include "platform/widgets/container.h"
#include "support/window_fixture.h"

#include <QFontInfo>
#include <QSignalSpy>
#include <QStyleHints>
#include <cmath>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// The window, by default on the Loan Calculator page. Controls by page: R the Repayment
// sub-page, P the Principal sub-page.
struct LoanWindow : test::WindowFixture
{
    explicit LoanWindow(bool visit = true)
    {
        if (visit)
            Tab("tabOptions", 3);
    }
    QLineEdit* Field(char page, int index) const
    {
        return WindowFixture::Field(page == 'R' ? "txtCalRpy" : "txtCalPrn", index);
    }
    QLabel* Caption(char page, int index) const
    {
        return Named<QLabel>(*window, page == 'R' ? "lblCalRpy" : "lblCalPrn", index);
    }
    QString Text(char page, int index) const { return Field(page, index)->text(); }
    bool Bold(char page, int index) const { return Caption(page, index)->font().bold(); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QComboBox* Modes(char page) const { return Combo(page == 'R' ? "cboCalRpy_3" : "cboCalPrn_1"); }
    platform::ListBox* Schedule() const { return ListBox("lstLsd"); }
    void SubPage(int tab) const { Tab("tabOptions2", tab); }
    // Schedule builds (and Clears), counted by the list's resets.
    auto CountBuilds() const
    {
        return std::make_unique<QSignalSpy>(Schedule()->View()->model(),
                                            &QAbstractItemModel::modelReset);
    }
    void Enter(char page, int index, const QString& text) const
    {
        test::Enter(Field(page, index), text);
    }

    // A loan entered as a user would, each field left with Tab and each item picked with the
    // mouse, in the order of the page's rows.
    void EnterLoan(char page, const QString& amount, const QString& rate, const QString& period,
                   const QString& term, const QString& mode, const QString& type) const
    {
        if (page == 'R') {
            Enter('R', 0, amount);
            ChooseByMouse(Combo("cboIntRat_2"), type);
            Enter('R', 1, rate);
            ChooseByMouse(Combo("cboIntRat_0"), period);
            Enter('R', 2, term);
        } else {
            Enter('P', 0, amount);
            ChooseByMouse(Combo("cboIntRat_1"), period); // refills the mode list first
            Enter('P', 2, term);
            Enter('P', 3, rate);
            ChooseByMouse(Combo("cboIntRat_3"), type);
        }
        if (Modes(page)->currentText() != mode)
            ChooseByMouse(Modes(page), mode);
    }
};

// The worked loans, one per page and rate period (loan_core_test has every mode); flat rate and
// reducing balance show the same result.
const struct WorkedLoan
{
    char page;
    const char *amount, *rate, *period, *term, *mode, *flat, *amortize;
} kWorkedLoans[] = {
    {'R', "100000", "10", "Year", "12", "Monthly [12]", "9,166.70", "8,791.60"},
    {'R', "100000", "1", "Month", "12", "Monthly [12]", "9,333.30", "8,884.90"},
    {'R', "10000", "0.5", "Week", "13", "Bi-Weekly [14]", "1,638.50", "1,596.70"},
    {'R', "5000", "0.1", "Day", "30", "Daily [1]", "171.70", "169.30"},
    {'P', "8791.59", "10", "Year", "12", "Monthly [12]", "95,908.30", "100,000.00"},
    {'P', "1638.46", "0.5", "Week", "13", "Bi-Weekly [14]", "10,000.00", "10,261.70"},
    {'P', "171.67", "0.1", "Day", "30", "Daily [1]", "5,000.10", "5,071.10"},
};

} // namespace

class LoanPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Short, so that choosing from a list with the mouse need not wait long.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(40);
    }

    void firstVisitAndTheSubPages()
    {
        LoanWindow f(false);
        QVERIFY(f.exposed);
        QCOMPARE(f.Text('R', 0), QString());
        f.Tab("tabOptions", 3); // the zeros it writes: regions_test
        QCOMPARE(f.Modes('R')->currentIndex(), -1);
        QCOMPARE(f.Modes('R')->count(), 9);

        QVERIFY(QFontInfo(f.Schedule()->View()->font()).fixedPitch());

        // Later visits keep what the user entered.
        f.Enter('R', 0, "5");
        f.Tab("tabOptions", 1);
        f.Tab("tabOptions", 3);
        QCOMPARE(f.Text('R', 0), QStringLiteral("5.00"));

        // The sub-pages show one at a time, the schedule kept.
        const QStringList schedule = f.Schedule()->Lines();
        QCOMPARE(schedule.size(), 2);
        for (const int tab : {2, 3, 1}) {
            f.SubPage(tab);
            for (std::int16_t i = 0; i < 3; ++i) {
                QWidget* container = Named<QWidget>(*f.window, "picOptions2", i);
                QCOMPARE(platform::ContainerLeftTwips(container), i == tab - 1 ? 175 : -20000);
                QCOMPARE(container->isEnabled(), i == tab - 1);
            }
            QCOMPARE(f.Schedule()->Lines(), schedule);
        }
    }

    void focusCueFollowsTheFocus()
    {
        LoanWindow f;
        Click(f.Field('R', 0));
        QVERIFY(f.Bold('R', 0));
        // Tab on through loan type, rate, rate period, term and mode: one cue at a time.
        for (const int caption : {5, 1, 6, 2, 3}) {
            PressTab();
            for (const int other : {0, 5, 1, 6, 2, 3})
                QCOMPARE(f.Bold('R', other), other == caption);
        }
        // A click into the result field shows its cue as well; buttons have none.
        Click(f.Field('R', 4));
        QVERIFY(f.Bold('R', 4));
        f.Press("cmdClrRpy");
        QVERIFY(!f.Bold('R', 4));

        f.SubPage(2);
        FocusByMouse(f.Combo("cboIntRat_1"));
        QVERIFY(f.Bold('P', 6) && !f.Bold('R', 6));
        Click(f.Field('P', 3));
        QVERIFY(!f.Bold('P', 6) && f.Bold('P', 3));
    }

    // Choosing by mouse or keyboard recalculates; a rate period refills the modes first.
    void choosingRecalculates()
    {
        LoanWindow f;
        QComboBox* periods = f.Combo("cboIntRat_0");
        const struct
        {
            const char *period, *caption, *modes;
        } rows[] = {
            {"Day", "Term (Days):", "Daily [1]"},
            {"Week", "Term (Weeks):", "Weekly [7]|Bi-Weekly [14]"},
            {"Year", "Term (Months):",
             "Monthly [12]|Bi-Monthly [6]|Quarterly [3]|Semi-Annually [2]|Annually [1]"},
        };
        for (const auto& row : rows) {
            FocusByMouse(periods); // so that the choice alone is counted
            const auto builds = f.CountBuilds();
            if (row.period == QLatin1String("Week")) // the last item, by keyboard
                QTest::keyClick(periods, Qt::Key_End);
            else
                ChooseByMouse(periods, row.period);
            QCOMPARE(f.Caption('R', 2)->text(), QString(row.caption));
            QStringList modes;
            for (int i = 0; i < f.Modes('R')->count(); ++i)
                modes << f.Modes('R')->itemText(i);
            QCOMPARE(modes.join('|'), QString(row.modes));
            QCOMPARE(f.Modes('R')->currentText(), modes.front());
            // Once nested, for the new mode's selection, and once for the rate period itself.
            QCOMPARE(builds->count(), 2);
            // Leaving the selector handles the choice again and lets the focus go.
            PressTab();
            QCOMPARE(builds->count(), 4);
            QVERIFY(QApplication::focusWidget() != periods);
        }
        QVERIFY(f.services.messages.empty());

        // A loan type or a mode recalculates once (the Principal page has no mode picked yet).
        f.SubPage(2);
        FocusByMouse(f.Combo("cboIntRat_3"));
        const auto builds = f.CountBuilds();
        // No mode picked yet: the calculation picks "Monthly [12]", which recalculates, nested.
        ChooseByMouse(f.Combo("cboIntRat_3"), "Red Bal");
        QCOMPARE(builds->count(), 2);
        QCOMPARE(f.Modes('P')->currentText(), QStringLiteral("Monthly [12]"));
        QCOMPARE(f.Modes('P')->count(), 7); // no refill
        builds->clear();
        ChooseByMouse(f.Combo("cboIntRat_3"), "Amortize");
        QCOMPARE(builds->count(), 1);

        FocusByMouse(f.Modes('P'));
        builds->clear();
        ChooseByMouse(f.Modes('P'), "Quarterly [3]");
        QCOMPARE(builds->count(), 1);
        // Leaving the mode selector recalculates once more and lets the focus go.
        PressTab();
        QCOMPARE(builds->count(), 2);
        QCOMPARE(QApplication::focusWidget(), f.Field('P', 2));
    }

    void workedLoans_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("type");
        for (int row = 0; row < int(std::size(kWorkedLoans)); ++row) {
            for (const char* type : {"Flat Rate", "Red Bal", "Amortize"})
                QTest::addRow("%c %s %s %s", kWorkedLoans[row].page, kWorkedLoans[row].amount,
                              kWorkedLoans[row].mode, type)
                    << row << type;
        }
    }

    void workedLoans()
    {
        QFETCH(int, row);
        QFETCH(QString, type);
        const WorkedLoan& loan = kWorkedLoans[row];
        LoanWindow f;
        f.SubPage(loan.page == 'R' ? 1 : 2);
        f.EnterLoan(loan.page, loan.amount, loan.rate, loan.period, loan.term, loan.mode, type);
        QCOMPARE(f.Text(loan.page, 4), QString(type == "Amortize" ? loan.amortize : loan.flat));
        const int rows = static_cast<int>(std::nearbyint(f.window->Loan().State().instalmentCount));
        QCOMPARE(f.Schedule()->Count(), rows + 2);
        QVERIFY(f.Schedule()->Line(rows + 1).contains(" Totals : "));
        QCOMPARE(f.Schedule()->HorizontalExtent(), 350);
        QVERIFY(f.services.messages.empty());
    }

    // An arithmetic fault ends a calculation without a message or a log record, and leaves no
    // result or schedule that the inputs no longer produce.
    void silentStopsEmptyWhatTheyNoLongerProduce()
    {
        LoanWindow f;
        f.EnterLoan('R', "1200", "1", "Month", "12", "Monthly [12]", "Amortize");
        QCOMPARE(f.Text('R', 4), QStringLiteral("106.60"));
        QCOMPARE(f.Schedule()->Count(), 14);
        f.Enter('R', 2, "0"); // no instalments
        QCOMPARE(f.Text('R', 4), QString());
        QCOMPARE(f.Schedule()->Count(), 0);

        // A fault after the principal is shown: the held principal of 9e12 (no loan type on the
        // Principal page) is shown, and its interest at 1e300 % overflows afterwards.
        f.Enter('R', 0, "9e12");
        f.SubPage(2);
        f.Enter('P', 0, "1");
        const QString shown = f.Text('P', 4);
        QCOMPARE(shown, QStringLiteral("9,000,000,000,000.00"));
        QCOMPARE(f.Schedule()->Count(), 2);
        f.Enter('P', 3, "1e300");
        QCOMPARE(f.Text('P', 4), shown);
        QCOMPARE(f.Schedule()->Count(), 0);
        QVERIFY(f.services.messages.empty());
        QVERIFY(f.services.LogLines().isEmpty());
    }

    // Other failures are reported under the procedure that met them.
    void failuresAreReported()
    {
        LoanWindow f;
        f.EnterLoan('R', "1200", "1", "Month", "12", "Monthly [12]", "Red Bal");
        const QStringList schedule = f.Schedule()->Lines();
        // A field emptied behind the page's back: both calculations that choosing a rate period
        // runs report it, and the result and schedule stay.
        FocusByMouse(f.Combo("cboIntRat_0"));
        f.Field('R', 2)->setText(QString());
        ChooseByMouse(f.Combo("cboIntRat_0"), "Year");
        QCOMPARE(f.services.MessageTexts(), QStringList(2, " [frmVexmoor] Type mismatch {13}"));
        QCOMPARE(f.services.LogLines().filter("(cmdCalRpy_Click) -> Type mismatch {13}").size(), 2);
        QCOMPARE(f.Text('R', 4), QStringLiteral("112.00"));
        QCOMPARE(f.Schedule()->Lines(), schedule);

        // More instalments than a schedule can list: the result shows, the schedule reports an
        // overflow and stays empty.
        TypeInto(f.Field('R', 2), "40000"); // leaving the rate period reports the empty term again
        f.services.messages.clear();
        PressTab();
        QCOMPARE(f.Text('R', 4), QStringLiteral("1.00"));
        QCOMPARE(f.Schedule()->Count(), 0);
        QCOMPARE(f.services.MessageTexts(), QStringList {" [frmVexmoor] Overflow {6}"});
        QVERIFY(f.services.LogLines().last().contains("Position (LoanSchedule) -> Overflow {6}"));
    }

    void clearResetsOnePage()
    {
        LoanWindow f;
        f.SubPage(2);
        f.Enter('P', 0, "112");
        f.SubPage(1);
        f.EnterLoan('R', "1200", "1", "Week", "12", "Bi-Weekly [14]", "Flat Rate");
        QVERIFY(f.Schedule()->Count() > 0);
        f.Press("cmdClrRpy"); // leaving the mode selector recalculates first
        const auto builds = f.CountBuilds();
        f.Press("cmdClrRpy");
        QCOMPARE((QStringList {f.Text('R', 0), f.Text('R', 1), f.Text('R', 2), f.Text('R', 4)}),
                 (QStringList {"0.00", "0.0000", "0", "0.00"}));
        QCOMPARE(f.Schedule()->Count(), 0);
        QCOMPARE(builds->count(), 1); // emptied, not rebuilt
        QCOMPARE(f.Modes('R')->currentText(), QStringLiteral("Bi-Weekly [14]"));
        QCOMPARE(f.Caption('R', 2)->text(), QStringLiteral("Term (Weeks):"));
        QCOMPARE(f.Text('P', 0), QStringLiteral("112.00"));
    }

    void tenThousandInstalmentsShownWhole()
    {
        LoanWindow f;
        // Without interest the annuity is the even split, with no interest in any row.
        f.EnterLoan('R', "1000000", "0", "Month", "10000", "Monthly [12]", "Amortize");
        QCOMPARE(f.Text('R', 4), QStringLiteral("100.00"));
        QCOMPARE(f.Schedule()->Count(), 10002);
        QVERIFY(f.Schedule()->Line(10000).startsWith(QStringLiteral("10000           100.00")));
        const QString gap(11, ' ');
        QCOMPARE(f.Schedule()->Line(10001),
                 gap + " Totals : " + gap + "1,000,000.00" + gap + "1,000,000.00" + gap + "0.00");

        // The schedule sub-page shows it, scrolled to its last line by the keyboard.
        f.SubPage(3);
        QListView* view = f.Schedule()->View();
        Click(view);
        QTest::keyClick(view, Qt::Key_End);
        QTRY_COMPARE(view->currentIndex().row(), 10001);
        QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::LoanPagesTest)
#include "loan_pages_test.moc"
