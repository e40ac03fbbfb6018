// Hostile entries in every entry field of the break-even and loan pages, typed or pasted over a
// calculated example. An accepted entry is rewritten with the field's decimals and recalculates.
// A refused entry gives one message, logged under the field's Validate, keeps the focus and its
// text, stops the page's buttons, and leaves every result, list and figure as it was, so no later
// calculation can use a figure the fields do not show. And the pages in three regions: untouched
// fields pass every Tab and show the region's zeros, the region's ways of typing a number are
// taken and another region's refused, and the graph's axes are labelled in the region's format.
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

QStringList Texts(const WindowFixture& f, const char* name, std::initializer_list<int> indexes)
{
    QStringList texts;
    for (const int i : indexes)
        texts << f.Field(name, i)->text();
    return texts;
}

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

// The page's worked example calculated (fields named txtBeV, txtCalRpy, txtCalPrn): 100 units at
// 10, variable costs 6, fixed costs 1,000; the annuity of 100,000 at 10 % a year over 12 months;
// its inverse from 8,791.59, entered in the page's Tab order.
void EnterExample(WindowFixture& f, const QString& page)
{
    if (page == "BeV")
        return f.EnterBreakEven({"100", "10", "6", "1000"});
    if (page == "Rpy")
        return f.EnterRepayment("100000", "Amortize", "10", "Year", "12");
    f.Tab("tabOptions", 3);
    f.Tab("tabOptions2", 2);
    Enter(f.Field("txtCalPrn", 0), "8791.59");
    PressTab(); // past the mode
    Enter(f.Field("txtCalPrn", 2), "12");
    f.Choose("cboIntRat_1", "Year");
    Enter(f.Field("txtCalPrn", 3), "10");
    f.Choose("cboIntRat_3", "Amortize");
    QCOMPARE(f.Field("txtCalPrn", 4)->text(), QStringLiteral("100,000.00"));
}

// Every result and list line, which a refused entry must leave as they were.
QStringList Shown(const WindowFixture& f)
{
    return Texts(f, "txtBeV", {4, 5, 6, 7, 8, 9}) + Texts(f, "txtCalRpy", {4}) +
        Texts(f, "txtCalPrn", {4}) + f.ListBox("lstBev")->Lines() + f.ListBox("lstLsd")->Lines();
}

// Every entry field and its decimals; those with 2 hold money.
const std::pair<const char*, int> kFields[] = {
    {"txtBeV_0", 0},    {"txtBeV_1", 2},    {"txtBeV_2", 2},    {"txtBeV_3", 2},
    {"txtCalRpy_0", 2}, {"txtCalRpy_1", 4}, {"txtCalRpy_2", 0}, {"txtCalPrn_0", 2},
    {"txtCalPrn_2", 0}, {"txtCalPrn_3", 4},
};

// clang-format off
// One row per behaviour; the texts of a row behave alike in every field it applies to. A text
// that is no number zeroes the totals' figures, as ever; units that read well may still give
// totals beyond the double range.
const struct Hostile
{
    const char* name;
    QStringList texts;
    const QString* message; // none: accepted and rewritten
    bool moneyOnly = false, figuresKept = true;
    const char* only = nullptr; // the one field the row applies to
} kHostile[] = {
    {"no number", {"", "   ", "abc", "nan", "-inf", "0x1A", "1.2.3", "1e", "1 000",
                   "\u0661\u0662", "\uFF11\uFF12"}, &kNotANumber, false, false},
    {"accepted and rewritten", {" +1e3 ", "1,000.0000"}, nullptr},
    {"beyond the double range", {"1e400", "-1e309", QString(10000, '9')}, &kOverflow},
    {"money the program cannot hold", {"1e13", "1e308", "-9999999999999.996"}, &kNotANumber, true},
    {"totals beyond the double range", {"1e300"}, &kOverflow, false, true, "txtBeV_0"},
};

// Per region: a cleared amount and rate; the amounts axis' 1,000 after the worked example (the
// chart's rich text turns a narrow no-break space into a blank); 1,234.5 as the region's users
// type it, as the field shows it, and as another region writes it ("|"-separated).
const struct Region
{
    const char *name, *zero, *rate, *axisLabel, *typed, *shown, *refused;
} kRegions[] = {
    {"en_US", "0.00", "0.0000", "1,000", "1234.5|1,234.5", "1,234.50", "1.234,5"},
    {"de_DE", "0,00", "0,0000", "1.000", "1234,5|1.234,5", "1.234,50", "1,234.5"},
    {"fr_FR", "0,00", "0,0000", "1 000", "1234,5|1 234,5|1\u00A0234,5|1\u202F234,5", "1\u202F234,50",
     "1.234,5"},
};
// clang-format on

QStringList AxisLabels(const WindowFixture& f)
{
    QStringList labels;
    for (const QGraphicsItem* item : f.window->BreakEven().Chart().View()->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            labels << text->document()->toRawText(); // toPlainText turns no-break spaces to blanks
    return labels;
}

} // namespace

class EntriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldRefusesOrRewrites()
    {
        for (const auto& [name, decimals] : kFields) {
            const QString prefix = QString(name).section('_', 0, 0), page = prefix.right(3);
            WindowFixture f;
            EnterExample(f, page);
            QLineEdit* edit = f.Find<QLineEdit>(name);
            const QString example = edit->text();
            QSignalSpy builds(f.ListBox("lstLsd")->View()->model(),
                              &QAbstractItemModel::modelReset);

            for (const Hostile& row : kHostile) {
                if ((row.moneyOnly && decimals != 2) || (row.only && row.only != QString(name)))
                    continue;
                for (const QString& text : row.texts) {
                    const QByteArray where =
                        QByteArray(name) + ", " + row.name + ": " + text.left(20).toUtf8();
                    const QStringList shown = Shown(f);
                    const BreakEvenFigures figures = f.window->BreakEven().Figures();
                    f.services.messages.clear();
                    Click(edit); // leaving a selector for the field may recalculate
                    builds.clear();
                    Enter(edit, text);
                    if (!row.message) {
                        QVERIFY2(f.services.messages.empty() && QApplication::focusWidget() != edit,
                                 where);
                        QCOMPARE(edit->text(),
                                 QString("1,000.0000").left(decimals ? 6 + decimals : 5));
                        QVERIFY2(page == "BeV" || builds.count() > 0, where); // a loan recalculates
                    } else {
                        QVERIFY2(f.services.MessageTexts() == QStringList {*row.message}, where);
                        QVERIFY2(
                            f.services.LogLines().last().endsWith("(" + prefix + "_Validate) -> " +
                                                                  row.message->section("] ", 1)),
                            where);
                        // The page's buttons do not act meanwhile; the entry is refused again at
                        // each. (An overflowing fixed cost once left the stored fixed costs at 0,
                        // so that Calculate then gave 0 break-even units.)
                        f.Press(qPrintable("cmdCal" + page));
                        f.Press(qPrintable("cmdClr" + page));
                        QVERIFY2(f.services.MessageTexts() == QStringList(3, *row.message), where);
                        QVERIFY2(QApplication::focusWidget() == edit && edit->text() == text,
                                 where);
                        QVERIFY2(builds.count() == 0 && Shown(f) == shown, where);
                        QVERIFY2(!row.figuresKept || f.window->BreakEven().Figures() == figures,
                                 where);
                    }
                    f.services.messages.clear();
                    Enter(edit, example);
                    QVERIFY2(f.services.messages.empty() && edit->text() == example, where);
                }
            }
        }
    }

    void regionsFromUntouchedFieldsToTheGraph()
    {
        for (const Region& region : kRegions) {
            const ScopedRegion scoped(region.name);
            WindowFixture f;
            // From a fresh start, Tab through every field of both loan entry pages and the Break
            // Even page without typing: nothing is refused, and the loan pages calculate to zero.
            const auto tabThrough = [&f](const char* name) {
                Click(f.Field(name, 0));
                for (int i = 0; i < 10; ++i)
                    PressTab();
            };
            f.Tab("tabOptions", 3);
            tabThrough("txtCalRpy");
            f.Tab("tabOptions2", 2);
            tabThrough("txtCalPrn");
            f.Tab("tabOptions2", 1);
            f.Tab("tabOptions", 2);
            tabThrough("txtBeV");
            QCOMPARE(Texts(f, "txtBeV", {3}) + Texts(f, "txtCalRpy", {0, 1, 2, 4}) +
                         Texts(f, "txtCalPrn", {0, 2, 3, 4}),
                     (QStringList {region.zero, region.zero, region.rate, "0", region.zero,
                                   region.zero, "0", region.rate, region.zero}));
            QCOMPARE(f.Display(), QStringLiteral("0.")); // the pocket calculator keeps its point

            // After Clear the fields take the region's ways of typing an amount; another region's
            // number, and nothing typed before it, is refused with a message and keeps the focus.
            for (const auto& [page, field] :
                 {std::pair(2, f.Field("txtBeV", 3)), {3, f.Field("txtCalRpy", 0)}}) {
                f.Tab("tabOptions", page);
                f.Press(page == 2 ? "cmdClrBeV" : "cmdClrRpy");
                for (const QString& typed : QString(region.typed).split('|')) {
                    Enter(field, typed);
                    QVERIFY(field->text() == region.shown && QApplication::focusWidget() != field);
                }
                Enter(field, region.refused);
                QCOMPARE(f.services.MessageTexts(), QStringList {kNotANumber});
                QVERIFY(QApplication::focusWidget() == field && field->text() == region.refused);
                f.services.messages.clear();
                Enter(field, region.shown);
            }

            EnterExample(f, "BeV");
            f.Tab("tabOptions1", 3);
            QTRY_VERIFY(AxisLabels(f).contains(region.axisLabel));
        }
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::EntriesTest)
#include "entries_test.moc"
