// Hostile entries in every entry field of the break-even and loan pages, typed or pasted into the
// real widgets over a calculated example. An accepted entry is rewritten with the field's decimals
// and recalculates. A refused entry gives one message, logged under the field's Validate, keeps
// the focus and its text, stops the page's buttons, and leaves every result, list and figure as it
// was, for Tab and a click alike, so no later calculation can use a figure the fields do not show.
// And the pages in three regions: the texts the program writes itself pass every Tab, every field,
// list line, axis label and result is in the region's own format, the region's ways of typing a
// group separator are taken and another region's habits refused.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "support/window_fixture.h"

#include <QChartView>
#include <QClipboard>
#include <QGraphicsTextItem>
#include <QTextDocument>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

const QString kNotANumber = QStringLiteral(" [frmVexmoor] Enter a valid number. {13}");
const QString kOverflow = QStringLiteral(" [frmVexmoor] Overflow {6}");

// Types over the field's text, or pastes a long text as a user would, then leaves with Tab.
void Enter(QLineEdit* field, const QString& text)
{
    if (text.size() <= 100)
        return test::Enter(field, text);
    QApplication::clipboard()->setText(text);
    Click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    PressTab();
}

enum class Entry { BreakEven, Repayment, Principal };

// The page with its worked example calculated: 100 units at 10, variable costs 6, fixed costs
// 1,000; the annuity of 100,000 at 10 % a year over 12 months; its inverse from 8,791.59.
void EnterExample(WindowFixture& f, Entry page)
{
    if (page == Entry::BreakEven) {
        f.EnterBreakEven({"100", "10", "6", "1000"});
        QCOMPARE(f.Field("txtBeV", 9)->text(), QStringLiteral("250"));
        return;
    }
    if (page == Entry::Repayment) {
        f.EnterRepayment("100000", "Amortize", "10", "Year", "12");
        QCOMPARE(f.Field("txtCalRpy", 4)->text(), QStringLiteral("8,791.60"));
    } else { // then mode, term, rate period, rate, loan type
        f.Tab("tabOptions", 3);
        f.Tab("tabOptions2", 2);
        Enter(f.Field("txtCalPrn", 0), "8791.59");
        PressTab();
        Enter(f.Field("txtCalPrn", 2), "12");
        f.Choose("cboIntRat_1", "Year");
        Enter(f.Field("txtCalPrn", 3), "10");
        f.Choose("cboIntRat_3", "Amortize");
        QCOMPARE(f.Field("txtCalPrn", 4)->text(), QStringLiteral("100,000.00"));
    }
    QCOMPARE(f.ListBox("lstLsd")->Count(), 14);
}

// What an entry must not change when it is refused.
struct Shown
{
    QStringList results;
    QStringList lines;
    BreakEvenFigures figures;
    bool operator==(const Shown&) const = default;
};

Shown Snapshot(const WindowFixture& f)
{
    Shown shown;
    for (int i = 4; i < kBreakEvenFieldCount; ++i)
        shown.results << f.Field("txtBeV", i)->text();
    shown.results << f.Field("txtCalRpy", 4)->text() << f.Field("txtCalPrn", 4)->text();
    shown.lines = f.ListBox("lstBev")->Lines() + f.ListBox("lstLsd")->Lines();
    shown.figures = f.window->BreakEven().Figures();
    return shown;
}

const struct EntryField
{
    const char* name;
    Entry page;
    int decimals;
    bool money;
} kFields[] = {
    {"txtBeV_0", Entry::BreakEven, 0, false},    {"txtBeV_1", Entry::BreakEven, 2, true},
    {"txtBeV_2", Entry::BreakEven, 2, true},     {"txtBeV_3", Entry::BreakEven, 2, true},
    {"txtCalRpy_0", Entry::Repayment, 2, true},  {"txtCalRpy_1", Entry::Repayment, 4, false},
    {"txtCalRpy_2", Entry::Repayment, 0, false}, {"txtCalPrn_0", Entry::Principal, 2, true},
    {"txtCalPrn_2", Entry::Principal, 0, false}, {"txtCalPrn_3", Entry::Principal, 4, false},
};

enum class Outcome { Accepted, NotANumber, Overflow };

// One row per behaviour; the texts of a row behave alike in every field it applies to.
const struct Hostile
{
    const char* name;
    QStringList texts;
    Outcome outcome;
    bool moneyOnly = false;
    bool figuresKept = true; // a text that is no number zeroes the totals' figures, as ever
    const char* only = nullptr; // the one field the row applies to
} kHostile[] = {
    {"no number",
     {"", "   ", "abc", "nan", "-inf", "0x1A", "1.2.3", "1e", "1 000", "\u0661\u0662",
      "\uFF11\uFF12"},
     Outcome::NotANumber,
     false,
     false},
    {"accepted and rewritten", {" +1e3 ", "1,000.0000"}, Outcome::Accepted},
    {"beyond the double range", {"1e400", "-1e309", QString(10000, '9')}, Outcome::Overflow},
    {"money the program cannot hold",
     {"1e13", "1e308", "-9999999999999.996"},
     Outcome::NotANumber,
     true},
    // Units that read well but give totals beyond what the program can hold.
    {"totals beyond the double range", {"1e300"}, Outcome::Overflow, false, true, "txtBeV_0"},
};

// Texts are "|"-separated lists. fr_FR groups with U+202F (the other regions and their own
// separators: the core tests and regional_format_test).
const struct Region
{
    const char* name;
    const char* zeros; // a cleared amount and rate
    const char* breakEven; // fields 0 to 9 after the worked example and Calculate
    const char* firstLine; // costs, sales and profit of the first analysis line
    // 1,000 on the amounts axis of the graph; the chart's labels are rich text, which turns a
    // narrow no-break space into a blank.
    const char* axisLabel;
    const char* loan; // principal, rate, term and instalment after the annuity example
    const char* firstRow; // balance, instalment, principal and interest of its first row
    const char* typed; // 1,234.5 as a user of the region may type it
    const char* shown; // and as the field shows it
    const char* refused; // 1,234.5 as another region writes it
} kRegions[] = {
    {"en_US", "0.00|0.0000", "100|10.00|6.00|1,000.00|600.00|1,600.00|1,000.00|-600.00|4.00|250",
     "1,006.00|10.00|-996.00", "1,000", "100,000.00|10.0000|12|8,791.60",
     "100,000.00|8,791.60|7,958.26|833.33", "1234.5|1,234.5", "1,234.50", "1.234,5"},
    {"de_DE", "0,00|0,0000", "100|10,00|6,00|1.000,00|600,00|1.600,00|1.000,00|-600,00|4,00|250",
     "1.006,00|10,00|-996,00", "1.000", "100.000,00|10,0000|12|8.791,60",
     "100.000,00|8.791,60|7.958,26|833,33", "1234,5|1.234,5", "1.234,50", "1,234.5"},
    {"fr_FR", "0,00|0,0000",
     "100|10,00|6,00|1\u202F000,00|600,00|1\u202F600,00|1\u202F000,00|-600,00|4,00|250",
     "1\u202F006,00|10,00|-996,00", "1 000", "100\u202F000,00|10,0000|12|8\u202F791,60",
     "100\u202F000,00|8\u202F791,60|7\u202F958,26|833,33",
     "1234,5|1 234,5|1\u00A0234,5|1\u202F234,5", "1\u202F234,50", "1.234,5"},
};

QStringList Split(const char* texts)
{
    return QString::fromUtf8(texts).split('|');
}

QStringList Texts(const WindowFixture& f, const char* name, std::initializer_list<int> indexes)
{
    QStringList texts;
    for (const int i : indexes)
        texts << f.Field(name, i)->text();
    return texts;
}

QString AnalysisLine(const QString& units, const QStringList& amounts)
{
    return units.rightJustified(8) + QString(22, ' ') + amounts[0] + QString(20, ' ') + amounts[1] +
        QString(21, ' ') + amounts[2];
}

QString ScheduleRow(const QStringList& amounts)
{
    const QString gap(11, ' ');
    return "   1" + gap + amounts.join(gap);
}

// Every text the graph's axes show.
QStringList AxisLabels(const WindowFixture& f)
{
    QStringList labels;
    for (const QGraphicsItem* item : f.window->BreakEven().Chart().View()->scene()->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            labels
                << text->document()->toRawText(); // the plain text turns no-break spaces to blanks
    }
    return labels;
}

} // namespace

class EntriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldRefusesOrRewrites_data()
    {
        QTest::addColumn<int>("field");
        for (int i = 0; i < int(std::size(kFields)); ++i)
            QTest::newRow(kFields[i].name) << i;
    }

    void everyFieldRefusesOrRewrites()
    {
        QFETCH(int, field);
        const EntryField& entry = kFields[field];
        WindowFixture f;
        EnterExample(f, entry.page);
        QLineEdit* edit = f.Find<QLineEdit>(entry.name);
        const QString example = edit->text();
        const QString accepted =
            QStringList {"1,000", "", "1,000.00", "", "1,000.0000"}[entry.decimals];
        const QStringList buttons = entry.page == Entry::BreakEven
            ? QStringList {"cmdCalBeV", "cmdClrBeV"}
            : entry.page == Entry::Repayment ? QStringList {"cmdCalRpy", "cmdClrRpy"}
                                             : QStringList {"cmdCalPrn", "cmdClrPrn"};
        const QString procedure = QString(entry.name).section('_', 0, 0) + "_Validate";
        QSignalSpy builds(f.ListBox("lstLsd")->View()->model(), &QAbstractItemModel::modelReset);

        for (const Hostile& row : kHostile) {
            if ((row.moneyOnly && !entry.money) || (row.only && row.only != QString(entry.name)))
                continue;
            for (const QString& text : row.texts) {
                const QByteArray where = QByteArray(row.name) + ": " + text.left(20).toUtf8();
                f.services.messages.clear();
                const Shown before = Snapshot(f);
                Click(edit); // leaving a selector for the field may recalculate
                builds.clear();
                Enter(edit, text);
                if (row.outcome == Outcome::Accepted) {
                    QVERIFY2(f.services.messages.empty(), where);
                    QVERIFY2(QApplication::focusWidget() != edit, where);
                    QCOMPARE(edit->text(), accepted);
                    // A loan page recalculates, schedule and all.
                    if (entry.page != Entry::BreakEven) {
                        QVERIFY2(builds.count() > 0, where);
                        QVERIFY2(f.ListBox("lstLsd")->Lines().last().contains(" Totals : "), where);
                    }
                } else {
                    const QString message =
                        row.outcome == Outcome::Overflow ? kOverflow : kNotANumber;
                    QVERIFY2(f.services.MessageTexts() == QStringList {message}, where);
                    QVERIFY2(f.services.LogLines().last().endsWith("(" + procedure + ") -> " +
                                                                   message.section("] ", 1)),
                             where);
                    // The page's buttons do not act meanwhile; the entry is refused again at
                    // each. (An overflowing fixed cost once left the stored fixed costs at 0, so
                    // that Calculate then gave 0 break-even units.)
                    for (const QString& button : buttons)
                        f.Press(qPrintable(button));
                    QVERIFY2(f.services.MessageTexts() == QStringList(3, message), where);
                    QVERIFY2(QApplication::focusWidget() == edit, where);
                    QVERIFY2(edit->text() == text, where);
                    QVERIFY2(builds.count() == 0, where);
                    Shown after = Snapshot(f);
                    if (!row.figuresKept)
                        after.figures = before.figures;
                    QVERIFY2(after == before, where);
                }
                f.services.messages.clear();
                Enter(edit, example);
                QVERIFY2(f.services.messages.empty() && edit->text() == example, where);
            }
        }
    }

    void untouchedFieldsPassEveryTabThenTheWorkedExamples_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kRegions)); ++row)
            QTest::newRow(kRegions[row].name) << row;
    }
    // From a fresh start, Tab through every control of the Break Even page and both loan entry
    // pages without typing: nothing is refused, and the loan pages recalculate to 0.00 in the
    // region's format. After Clear the fields take the region's ways of typing an amount; a text
    // that is not a number, or a number as another region writes it, is still refused and keeps the
    // focus. Then the worked examples in the region's format.
    void untouchedFieldsPassEveryTabThenTheWorkedExamples()
    {
        QFETCH(int, row);
        const Region& region = kRegions[row];
        const ScopedRegion scoped(region.name);
        WindowFixture f;
        const QStringList zeros = Split(region.zeros);
        const auto tabThrough = [&f](const char* name, std::initializer_list<int> indexes) {
            Click(f.Field(name, *indexes.begin()));
            QSet<QWidget*> reached;
            for (int i = 0; i < 10; ++i) {
                reached.insert(QApplication::focusWidget());
                PressTab();
            }
            for (const int i : indexes)
                QVERIFY2(reached.contains(f.Field(name, i)), name);
        };

        f.Tab("tabOptions", 2);
        QCOMPARE(f.Field("txtBeV", 3)->text(), zeros[0]);
        tabThrough("txtBeV", {0, 1, 2, 3});
        f.Tab("tabOptions", 3);
        QCOMPARE(Texts(f, "txtCalRpy", {0, 1, 2, 4}),
                 (QStringList {zeros[0], zeros[1], "0", zeros[0]}));
        tabThrough("txtCalRpy", {0, 1, 2});
        f.Tab("tabOptions2", 2);
        QCOMPARE(Texts(f, "txtCalPrn", {0, 2, 3, 4}),
                 (QStringList {zeros[0], "0", zeros[1], zeros[0]}));
        tabThrough("txtCalPrn", {0, 2, 3});
        QCOMPARE(f.Field("txtCalPrn", 4)->text(), zeros[0]);
        QCOMPARE(f.services.MessageTexts(), QStringList());
        // The pocket calculator keeps its point in every region.
        QCOMPARE(f.Display(), QStringLiteral("0."));

        const QString shown = QString::fromUtf8(region.shown);
        f.Tab("tabOptions", 2);
        f.Press("cmdClrBeV");
        f.Tab("tabOptions", 3);
        f.Tab("tabOptions2", 1);
        f.Press("cmdClrRpy");
        for (QLineEdit* field : {f.Field("txtBeV", 3), f.Field("txtCalRpy", 0)}) {
            f.Tab("tabOptions", field == f.Field("txtCalRpy", 0) ? 3 : 2);
            for (const QString& typed : Split(region.typed)) {
                Enter(field, typed);
                QCOMPARE(field->text(), shown);
                QVERIFY(QApplication::focusWidget() != field);
            }
            QCOMPARE(f.services.MessageTexts(), QStringList());
            const QString refused = QString::fromUtf8(region.refused);
            Enter(field, refused);
            QCOMPARE(f.services.MessageTexts(), QStringList {kNotANumber});
            QCOMPARE(QApplication::focusWidget(), field);
            QCOMPARE(field->text(), refused);
            f.services.messages.clear();
            Enter(field, shown);
        }
        QCOMPARE(f.services.MessageTexts(), QStringList());

        // The break-even example (100 units at 10, variable costs 6, fixed costs 1,000) and the
        // annuity (100,000 at 10 % a year, monthly for 12 months), typed and chosen with the
        // keyboard.
        f.EnterBreakEven({"100", "10", "6", "1000"});
        const QStringList results = Texts(f, "txtBeV", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        QCOMPARE(results, Split(region.breakEven));
        QCOMPARE(f.ListBox("lstBev")->Count(), 101);
        QCOMPARE(f.ListBox("lstBev")->Line(1), AnalysisLine("1", Split(region.firstLine)));
        QCOMPARE(f.ListBox("lstBev")->Line(100), AnalysisLine("100", results.mid(5, 3)));
        f.Tab("tabOptions1", 3);
        QTRY_VERIFY(AxisLabels(f).contains(QString::fromUtf8(region.axisLabel)));

        f.EnterRepayment("100000", "Amortize", "10", "Year", "12");
        QCOMPARE(f.Find<QComboBox>("cboCalRpy_3")->currentText(), QStringLiteral("Monthly [12]"));
        QCOMPARE(Texts(f, "txtCalRpy", {0, 1, 2, 4}), Split(region.loan));
        QCOMPARE(f.ListBox("lstLsd")->Count(), 14);
        QCOMPARE(f.ListBox("lstLsd")->Line(1), ScheduleRow(Split(region.firstRow)));
        QCOMPARE(f.services.MessageTexts(), QStringList());
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::EntriesTest)
#include "entries_test.moc"
