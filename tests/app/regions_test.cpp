// The break-even and loan pages run in six regions, through their real widgets: the texts the
// program writes itself pass every Tab, every field, list line, axis label and result is in the
// region's own format, the region's ways of typing a group separator are taken and another
// region's habits refused.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "support/scoped_region.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTextDocument>
#include <QtTest>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// Texts are "|"-separated lists. fr_FR groups with U+202F, de_CH with U+2019, sv_SE with U+00A0
// and writes U+2212 as its minus sign.
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
    {"de_CH", "0.00|0.0000",
     "100|10.00|6.00|1\u2019000.00|600.00|1\u2019600.00|1\u2019000.00|-600.00|4.00|250",
     "1\u2019006.00|10.00|-996.00", "1\u2019000", "100\u2019000.00|10.0000|12|8\u2019791.60",
     "100\u2019000.00|8\u2019791.60|7\u2019958.26|833.33", "1234.5|1'234.5|1\u2019234.5",
     "1\u2019234.50", "1,234.5"},
    {"sv_SE", "0,00|0,0000",
     "100|10,00|6,00|1\u00A0000,00|600,00|1\u00A0600,00|1\u00A0000,00|\u2212600,00|4,00|250",
     "1\u00A0006,00|10,00|\u2212996,00", "1\u00A0000", "100\u00A0000,00|10,0000|12|8\u00A0791,60",
     "100\u00A0000,00|8\u00A0791,60|7\u00A0958,26|833,33",
     "1234,5|1 234,5|1\u00A0234,5|1\u202F234,5", "1\u00A0234,50", "1.234,5"},
    {"hi_IN", "0.00|0.0000", "100|10.00|6.00|1,000.00|600.00|1,600.00|1,000.00|-600.00|4.00|250",
     "1,006.00|10.00|-996.00", "1,000", "1,00,000.00|10.0000|12|8,791.60",
     "1,00,000.00|8,791.60|7,958.26|833.33", "1234.5|1,234.5", "1,234.50", "1.234,5"},
};

QStringList Split(const char* texts)
{
    return QString::fromUtf8(texts).split('|');
}

// Picks an item of the focused selector by typing, then leaves it with Tab.
void Choose(QComboBox* combo, const QString& label)
{
    QCOMPARE(QApplication::focusWidget(), combo);
    test::ChooseByTyping(combo, label);
    QCOMPARE(combo->currentText(), label);
    PressTab();
}

QLineEdit* BreakEvenField(const WindowFixture& f, int index)
{
    return Named<QLineEdit>(*f.window, "txtBeV", static_cast<std::int16_t>(index));
}

QStringList Texts(const std::vector<QLineEdit*>& fields)
{
    QStringList texts;
    for (const QLineEdit* field : fields)
        texts << field->text();
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
    const auto tabThrough = [](QWidget* first, const std::vector<QLineEdit*>& fields) {
        Click(first);
        QSet<QWidget*> reached;
        for (int i = 0; i < 10; ++i) {
            reached.insert(QApplication::focusWidget());
            PressTab();
        }
        for (QLineEdit* field : fields)
            QVERIFY2(reached.contains(field), qPrintable(field->objectName()));
    };

    ClickTab(Strip(*f.window, "tabOptions"), 2);
    QCOMPARE(BreakEvenField(f, 3)->text(), zeros[0]);
    tabThrough(
        BreakEvenField(f, 0),
        {BreakEvenField(f, 0), BreakEvenField(f, 1), BreakEvenField(f, 2), BreakEvenField(f, 3)});

    ClickTab(Strip(*f.window, "tabOptions"), 3);
    const auto& rpy = Array<QLineEdit>(*f.window, "txtCalRpy");
    const auto& prn = Array<QLineEdit>(*f.window, "txtCalPrn");
    QCOMPARE(Texts({rpy[0], rpy[1], rpy[2], rpy[4]}),
             (QStringList {zeros[0], zeros[1], "0", zeros[0]}));
    tabThrough(rpy[0], {rpy[0], rpy[1], rpy[2]});
    ClickTab(Strip(*f.window, "tabOptions2"), 2);
    QCOMPARE(Texts({prn[0], prn[2], prn[3], prn[4]}),
             (QStringList {zeros[0], "0", zeros[1], zeros[0]}));
    tabThrough(prn[0], {prn[0], prn[2], prn[3]});
    QCOMPARE(prn[4]->text(), zeros[0]);
    QCOMPARE(f.services.MessageTexts(), QStringList());
    // The pocket calculator keeps its point in every region.
    QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text(), QStringLiteral("0."));

    const QString shown = QString::fromUtf8(region.shown);
    ClickTab(Strip(*f.window, "tabOptions"), 2);
    Click(Named<QPushButton>(*f.window, "cmdClrBeV"));
    ClickTab(Strip(*f.window, "tabOptions"), 3);
    ClickTab(Strip(*f.window, "tabOptions2"), 1);
    Click(Named<QPushButton>(*f.window, "cmdClrRpy"));
    for (QLineEdit* field : {BreakEvenField(f, 3), Named<QLineEdit>(*f.window, "txtCalRpy", 0)}) {
        ClickTab(Strip(*f.window, "tabOptions"),
                 field == Named<QLineEdit>(*f.window, "txtCalRpy", 0) ? 3 : 2);
        for (const QString& typed : Split(region.typed)) {
            Enter(field, typed);
            QCOMPARE(field->text(), shown);
            QVERIFY(QApplication::focusWidget() != field);
        }
        QCOMPARE(f.services.MessageTexts(), QStringList());
        for (const QString& typed : {QString::fromUtf8(region.refused), QStringLiteral("abc")}) {
            Enter(field, typed);
            QCOMPARE(f.services.MessageTexts(),
                     QStringList {" [frmVexmoor] Enter a valid number. {13}"});
            QCOMPARE(QApplication::focusWidget(), field);
            QCOMPARE(field->text(), typed);
            f.services.messages.clear();
        }
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

    ClickTab(Strip(*f.window, "tabOptions"), 2);
    for (int i = 0; i < 4; ++i)
        Enter(BreakEvenField(f, i), QStringList {"100", "10", "6", "1000"}[i]);
    Click(Named<QPushButton>(*f.window, "cmdCalBeV"));
    std::vector<QLineEdit*> fields;
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        fields.push_back(BreakEvenField(f, i));
    const QStringList shown = Texts(fields);
    QCOMPARE(shown, Split(region.breakEven));
    QCOMPARE(List(*f.window, "lstBev")->Count(), 101);
    QCOMPARE(List(*f.window, "lstBev")->Line(1), AnalysisLine("1", Split(region.firstLine)));
    QCOMPARE(List(*f.window, "lstBev")->Line(100), AnalysisLine("100", shown.mid(5, 3)));
    ClickTab(Strip(*f.window, "tabOptions1"), 3);
    QTRY_VERIFY(AxisLabels(f).contains(QString::fromUtf8(region.axisLabel)));

    ClickTab(Strip(*f.window, "tabOptions"), 3);
    const auto& rpy = Array<QLineEdit>(*f.window, "txtCalRpy");
    Enter(rpy[0], "100000");
    Choose(f.Find<QComboBox>("cboIntRat_2"), "Amortize");
    Enter(rpy[1], "10");
    Choose(f.Find<QComboBox>("cboIntRat_0"), "Year");
    Enter(rpy[2], "12");
    QCOMPARE(f.Find<QComboBox>("cboCalRpy_3")->currentText(), QStringLiteral("Monthly [12]"));
    QCOMPARE(Texts({rpy[0], rpy[1], rpy[2], rpy[4]}), Split(region.loan));
    QCOMPARE(List(*f.window, "lstLsd")->Count(), 14);
    QCOMPARE(List(*f.window, "lstLsd")->Line(1), ScheduleRow(Split(region.firstRow)));
    QCOMPARE(f.services.MessageTexts(), QStringList());
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::RegionsTest)
#include "regions_test.moc"
