// The break-even and loan pages run in six regions, through their real widgets: the texts the
// program writes itself pass every Tab, every field, list line, axis label and result is in the
// region's own format, the region's ways of typing a group separator are taken and another
// region's habits refused.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "support/window_fixture.h"

#include <QChartView>
#include <QGraphicsTextItem>
#include <QTextDocument>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

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

class RegionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void untouchedFieldsPassEveryTabThenClearAndType_data() { Regions(); }
    void untouchedFieldsPassEveryTabThenClearAndType();
    void workedExamplesInTheRegionsFormat_data() { Regions(); }
    void workedExamplesInTheRegionsFormat();

private:
    static void Regions()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kRegions)); ++row)
            QTest::newRow(kRegions[row].name) << row;
    }
};

// From a fresh start, Tab through every control of the Break Even page and both loan entry
// pages without typing: nothing is refused, and the loan pages recalculate to 0.00 in the
// region's format. After Clear the fields take the region's ways of typing an amount; a text that
// is not a number, or a number as another region writes it, is still refused and keeps the focus.
void RegionsTest::untouchedFieldsPassEveryTabThenClearAndType()
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
        QCOMPARE(f.services.MessageTexts(),
                 QStringList {" [frmVexmoor] Enter a valid number. {13}"});
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->text(), refused);
        f.services.messages.clear();
        Enter(field, shown);
    }
    QCOMPARE(f.services.MessageTexts(), QStringList());
}

// The break-even example (100 units at 10, variable costs 6, fixed costs 1,000) and the annuity
// (100,000 at 10 % a year, monthly for 12 months), typed and chosen with the keyboard.
void RegionsTest::workedExamplesInTheRegionsFormat()
{
    QFETCH(int, row);
    const Region& region = kRegions[row];
    const ScopedRegion scoped(region.name);
    WindowFixture f;

    f.EnterBreakEven({"100", "10", "6", "1000"});
    const QStringList shown = Texts(f, "txtBeV", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    QCOMPARE(shown, Split(region.breakEven));
    QCOMPARE(f.ListBox("lstBev")->Count(), 101);
    QCOMPARE(f.ListBox("lstBev")->Line(1), AnalysisLine("1", Split(region.firstLine)));
    QCOMPARE(f.ListBox("lstBev")->Line(100), AnalysisLine("100", shown.mid(5, 3)));
    f.Tab("tabOptions1", 3);
    QTRY_VERIFY(AxisLabels(f).contains(QString::fromUtf8(region.axisLabel)));

    f.EnterRepayment("100000", "Amortize", "10", "Year", "12");
    QCOMPARE(f.Find<QComboBox>("cboCalRpy_3")->currentText(), QStringLiteral("Monthly [12]"));
    QCOMPARE(Texts(f, "txtCalRpy", {0, 1, 2, 4}), Split(region.loan));
    QCOMPARE(f.ListBox("lstLsd")->Count(), 14);
    QCOMPARE(f.ListBox("lstLsd")->Line(1), ScheduleRow(Split(region.firstRow)));
    QCOMPARE(f.services.MessageTexts(), QStringList());
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::RegionsTest)
#include "regions_test.moc"
