// The loan pages through their real widgets: visits, the focus cue, choosing by keyboard and
// mouse (and how often that recalculates), silent stops and reported failures, Clear, and a
// schedule of 10,000 instalments.
#include "support/window_fixture.h"

#include <QFontInfo>
#include <QSignalSpy>
#include <QStyleHints>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// The window on the Loan Calculator page. Controls by sub-page: R Repayment, P Principal.
struct LoanWindow : test::WindowFixture
{
    LoanWindow() { Tab("tabOptions", 3); }
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
    void Enter(char p, int i, const QString& text) const { test::Enter(Field(p, i), text); }
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

    // The first visit picks no mode; later visits keep the entries; the schedule is in a
    // fixed-pitch font. The focus cue follows the focus.
    void visitsAndTheFocusCue()
    {
        LoanWindow f;
        QCOMPARE(f.Modes('R')->currentIndex(), -1);
        QVERIFY(QFontInfo(f.Schedule()->View()->font()).fixedPitch());
        f.Enter('R', 0, "5");
        f.Tab("tabOptions", 1);
        f.Tab("tabOptions", 3);
        QCOMPARE(f.Text('R', 0), QStringLiteral("5.00"));
        Click(f.Field('R', 0));
        QVERIFY(f.Bold('R', 0));
        // Tab on through loan type, rate, rate period, term and mode: one cue at a time.
        for (const int caption : {5, 1, 6, 2, 3}) {
            PressTab();
            for (const int other : {0, 5, 1, 6, 2, 3})
                QCOMPARE(f.Bold('R', other), other == caption);
        }
        // A click into the result field shows its cue as well.
        Click(f.Field('R', 4));
        QVERIFY(f.Bold('R', 4) && !f.Bold('R', 3));
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
        // clang-format off
        const struct { const char *period, *caption, *first; int modes; } rows[] = {
            {"Day", "Term (Days):", "Daily [1]", 1},
            {"Week", "Term (Weeks):", "Weekly [7]", 2}, // the last item, by keyboard
            {"Year", "Term (Months):", "Monthly [12]", 5}};
        // clang-format on
        for (const auto& row : rows) {
            FocusByMouse(periods); // so that the choice alone is counted
            QSignalSpy builds(f.Schedule()->View()->model(), &QAbstractItemModel::modelReset);
            if (row.period == QLatin1String("Week"))
                QTest::keyClick(periods, Qt::Key_End);
            else
                ChooseByMouse(periods, row.period);
            QCOMPARE(f.Caption('R', 2)->text(), QString(row.caption));
            QCOMPARE(f.Modes('R')->count(), row.modes);
            QCOMPARE(f.Modes('R')->currentText(), QString(row.first));
            // Once nested, for the new mode's selection, and once for the rate period itself;
            // leaving the selector handles the choice again and lets the focus go.
            QCOMPARE(builds.count(), 2);
            PressTab();
            QCOMPARE(builds.count(), 4);
            QVERIFY(QApplication::focusWidget() != periods);
        }

        // With no mode picked yet, a loan type picks "Monthly [12]" (without a refill), which
        // recalculates, nested; once picked, a loan type or a mode recalculates once, and leaving
        // the mode selector once more.
        f.SubPage(2);
        FocusByMouse(f.Combo("cboIntRat_3"));
        QSignalSpy builds(f.Schedule()->View()->model(), &QAbstractItemModel::modelReset);
        ChooseByMouse(f.Combo("cboIntRat_3"), "Red Bal");
        QCOMPARE(builds.count(), 2);
        QCOMPARE(f.Modes('P')->currentText(), QStringLiteral("Monthly [12]"));
        QCOMPARE(f.Modes('P')->count(), 7);
        builds.clear();
        ChooseByMouse(f.Combo("cboIntRat_3"), "Amortize");
        QCOMPARE(builds.count(), 1);
        FocusByMouse(f.Modes('P'));
        builds.clear();
        ChooseByMouse(f.Modes('P'), "Quarterly [3]");
        QCOMPARE(builds.count(), 1);
        PressTab();
        QCOMPARE(builds.count(), 2);
        QCOMPARE(QApplication::focusWidget(), f.Field('P', 2));
    }

    // An arithmetic fault ends a calculation without a message or a log record, and leaves no
    // result or schedule that the inputs no longer produce; other failures are reported.
    void silentStopsAndReportedFailures()
    {
        LoanWindow f;
        f.EnterRepayment("1200", "Amortize", "1", "Month", "12");
        QCOMPARE(f.Schedule()->Count(), 14);
        f.Enter('R', 2, "0"); // no instalments
        QCOMPARE(f.Text('R', 4), QString());
        QCOMPARE(f.Schedule()->Count(), 0);

        // A fault after the principal is shown: the held principal of 9e12 (no loan type on the
        // Principal page) is shown, and its interest at 1e300 % overflows afterwards.
        f.Enter('R', 0, "9e12");
        f.SubPage(2);
        f.Enter('P', 0, "1");
        QCOMPARE(f.Text('P', 4), QStringLiteral("9,000,000,000,000.00"));
        QCOMPARE(f.Schedule()->Count(), 2);
        f.Enter('P', 3, "1e300");
        QCOMPARE(f.Text('P', 4), QStringLiteral("9,000,000,000,000.00"));
        QCOMPARE(f.Schedule()->Count(), 0);
        QVERIFY(f.services.messages.empty());
        QVERIFY(f.services.LogLines().isEmpty());

        // Other failures are reported under the procedure that met them.
        f.SubPage(1);
        f.Enter('R', 0, "1200");
        f.Enter('R', 2, "12");
        const QStringList schedule = f.Schedule()->Lines();
        // A field emptied behind the page's back: both calculations that choosing a rate period
        // runs report it, and the result and schedule stay.
        FocusByMouse(f.Combo("cboIntRat_0"));
        f.Field('R', 2)->setText(QString());
        ChooseByMouse(f.Combo("cboIntRat_0"), "Year");
        QCOMPARE(f.services.MessageTexts(), QStringList(2, " [frmVexmoor] Type mismatch {13}"));
        QCOMPARE(f.services.LogLines().filter("(cmdCalRpy_Click) -> Type mismatch {13}").size(), 2);
        QCOMPARE(f.Text('R', 4), QStringLiteral("106.60"));
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

    // Clear on the Repayment sub-page empties that page and the schedule, not rebuilt; the mode,
    // the term caption and the Principal sub-page stay.
    void clearEmptiesItsPage()
    {
        LoanWindow f;
        f.SubPage(2);
        f.Enter('P', 0, "171.67");
        f.EnterRepayment("1200", "Flat", "1", "Week", "12");
        ChooseByMouse(f.Modes('R'), "Bi-Weekly [14]");
        f.Press("cmdClrRpy"); // leaving the mode selector recalculates first
        QSignalSpy builds(f.Schedule()->View()->model(), &QAbstractItemModel::modelReset);
        f.Press("cmdClrRpy");
        QCOMPARE((QStringList {f.Text('R', 0), f.Text('R', 1), f.Text('R', 2), f.Text('R', 4)}),
                 (QStringList {"0.00", "0.0000", "0", "0.00"}));
        QCOMPARE(f.Schedule()->Count(), 0);
        QCOMPARE(builds.count(), 1);
        QCOMPARE(f.Modes('R')->currentText(), QStringLiteral("Bi-Weekly [14]"));
        QCOMPARE(f.Caption('R', 2)->text(), QStringLiteral("Term (Weeks):"));
        QCOMPARE(f.Text('P', 0), QStringLiteral("171.67"));
        QVERIFY(f.services.messages.empty());
    }

    // All 10,000 instalments listed, the last line reached by the keyboard on the schedule
    // sub-page.
    void tenThousandInstalmentsShownWhole()
    {
        LoanWindow f;
        f.EnterRepayment("1000000", "Amortize", "0", "Month", "10000");
        QCOMPARE(f.Schedule()->Count(), 10002);
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
