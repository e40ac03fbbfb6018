// The break-even page through its real widgets: typing and Tab, the focus cue, the invalid-number
// message that keeps the focus, Calculate and Clear, the sub-pages, the analysis list and the
// graph's series, and a click on a data point or a line.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "support/window_fixture.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

QLineEdit* Field(const WindowFixture& f, int index)
{
    return f.Field("txtBeV", index);
}

bool CaptionBold(const WindowFixture& f, int index)
{
    return Named<QLabel>(*f.window, "lblBeV", static_cast<std::int16_t>(index))->font().bold();
}

QStringList FieldTexts(const WindowFixture& f)
{
    QStringList texts;
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        texts << Field(f, i)->text();
    return texts;
}

QList<QPointF> SeriesPoints(const WindowFixture& f, int series)
{
    return f.window->BreakEven().Chart().Series(series)->points();
}

QString Line(const char* units, const char* costs, const char* sales, const char* profit)
{
    return QString::fromLatin1(units).rightJustified(8) + QString(22, ' ') + costs +
        QString(20, ' ') + sales + QString(21, ' ') + profit;
}

const QString kHeader = "Units" + QString(16, ' ') + "Total Costs" + QString(16, ' ') +
    "Total Sales" + QString(16, ' ') + "Profit";
const QList<QPointF> kThreeUnitSales {{1, 10}, {2, 20}, {3, 30}};

} // namespace

class BreakEvenPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleTypedAndCalculated()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
        f.EnterBreakEven({"100", "10", "6", "1000"}, false);
        QCOMPARE(FieldTexts(f),
                 (QStringList {"100", "10.00", "6.00", "1,000.00", "600.00", "1,600.00", "1,000.00",
                               "-600.00", "0.00", "0.00"}));
        // The results and analysis lines: regions_test's en_US row.
        f.Press("cmdCalBeV");
        QCOMPARE(f.ListBox("lstBev")->HorizontalExtent(), 300);
        // A screen reader hears what the graph shows, and each point the arrow keys step onto.
        auto* graph = f.Find("chtBeVAny");
        const auto heard = [graph] {
            return QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Description);
        };
        QCOMPARE(heard(),
                 QStringLiteral("Break-even units 250. From 1 to 100 units: total costs "
                                "from 1,006.00 to 1,600.00, total sales from 10.00 to "
                                "1,000.00, fixed costs 1,000.00. The cost and sales lines "
                                "cross at 250.00 units, at 2,500.00."));
        f.Tab("tabOptions1", 3);
        graph->setFocus();
        for (const auto& [key, said] :
             {std::pair {Qt::Key_Right,
                         "1 units: total costs 1,006.00, total sales 10.00, fixed "
                         "costs 1,000.00."},
              std::pair {Qt::Key_End,
                         "100 units: total costs 1,600.00, total sales 1,000.00, "
                         "fixed costs 1,000.00."},
              std::pair {Qt::Key_PageUp,
                         "90 units: total costs 1,540.00, total sales 900.00, "
                         "fixed costs 1,000.00."}}) {
            QTest::keyClick(graph, key);
            QCOMPARE(heard(), QString::fromLatin1(said));
        }
        f.Tab("tabOptions1", 1);
        // Totals come from the text as typed; the field is reformatted after.
        Enter(Field(f, 0), "2.5");
        QCOMPARE(Field(f, 0)->text(), QStringLiteral("3"));
        QCOMPARE(Field(f, 6)->text(), QStringLiteral("25.00"));
        QVERIFY(f.services.messages.empty());
    }

    void focusCueAndInvalidNumber()
    {
        WindowFixture f;
        f.Tab("tabOptions", 2);
        // The fixed costs are no number; the price is typed and left with Tab.
        const QStringList texts {"100", "10", "6", "abc"};
        for (int i = 0; i < 4; ++i)
            Field(f, i)->setText(texts[i]);
        TypeInto(Field(f, 1), "10");
        QVERIFY(CaptionBold(f, 1) && !CaptionBold(f, 0));
        PressTab();
        QCOMPARE(f.services.MessageTexts(),
                 QStringList {" [frmVexmoor] Enter a valid number. {13}"});
        QCOMPARE(QApplication::focusWidget(), Field(f, 1));
        QVERIFY(CaptionBold(f, 1));
        QCOMPARE(Field(f, 1)->text(), QStringLiteral("10")); // not reformatted: never left
        // The totals stopped at the fixed costs, after fields 4 and 6 were written.
        QCOMPARE(FieldTexts(f).mid(4, 4), (QStringList {"600.00", "0.00", "1,000.00", "0.00"}));

        // Once the fixed costs are a number, Tab moves on and the cue follows.
        Field(f, 3)->setText(QStringLiteral("1000"));
        PressTab();
        QVERIFY(!CaptionBold(f, 1) && CaptionBold(f, 2));
        // The break-even units caption is bold by design and stays bold once its field is left.
        f.Tab("tabOptions1", 2);
        Click(Field(f, 9));
        QCOMPARE(QApplication::focusWidget(), Field(f, 9));
        PressTab();
        QVERIFY(QApplication::focusWidget() != Field(f, 9) && CaptionBold(f, 9));
    }

    void failuresAndClearKeepTheGraph()
    {
        WindowFixture f;
        f.Tab("tabOptions", 2); // the graph made first
        f.Tab("tabOptions1", 3);
        f.Tab("tabOptions1", 1);
        f.EnterBreakEven({"3", "10", "6", "20"});
        QCOMPARE(Field(f, 9)->text(), QStringLiteral("5"));
        // 40,000 units are reported; -5 stop after the header.
        const QStringList units {"40000", "-5"};
        const QStringList errors {"Overflow {6}", "Invalid procedure call or argument {5}"};
        for (int i = 0; i < 2; ++i) {
            Enter(Field(f, 0), units[i]);
            f.Press("cmdCalBeV");
            QCOMPARE(f.services.MessageTexts().last(), " [frmVexmoor] " + errors[i]);
            QCOMPARE(f.ListBox("lstBev")->Lines(), QStringList(i, kHeader));
            QCOMPARE(SeriesPoints(f, 2), kThreeUnitSales);
        }
        QCOMPARE(f.services.messages.size(), std::size_t(2));
        QVERIFY(f.services.LogLines().join('\n').contains(QStringLiteral("Position (GenChart)")));

        f.Press("cmdClrBeV");
        QCOMPARE(FieldTexts(f), QStringList {"0"} + QStringList(9, QStringLiteral("0.00")));
        QCOMPARE(f.ListBox("lstBev")->Count(), 0);
        QCOMPARE(SeriesPoints(f, 2), kThreeUnitSales);
        // Calculating at once uses no figure the page no longer shows (the old fixed costs would
        // give 20 units), and units "0" give one unlabelled point of two values.
        f.Press("cmdCalBeV");
        QCOMPARE(Field(f, 9)->text(), QStringLiteral("0"));
        QCOMPARE(f.window->BreakEven().Figures().FixedCosts, 0.0);
        QCOMPARE(f.ListBox("lstBev")->Count(), 0);
        QVERIFY(!f.window->BreakEven().Chart().Grid().labelled);
        QCOMPARE(SeriesPoints(f, 1), (QList<QPointF> {{1, 0}}));
        QCOMPARE(SeriesPoints(f, 2), (QList<QPointF> {{1, 0}}));
        QLineSeries* fixed = f.window->BreakEven().Chart().Series(3);
        QVERIFY(!fixed->isVisible());
        QVERIFY(!fixed->chart()->legend()->markers(fixed).front()->isVisible());
        QCOMPARE(f.services.messages.size(), std::size_t(2));
    }

    void thousandUnitsAndTheSubPages()
    {
        WindowFixture f;
        f.EnterBreakEven({"1,000", "10", "6", "20"});
        QCOMPARE(f.ListBox("lstBev")->Count(), 1001);
        QCOMPARE(f.ListBox("lstBev")->Line(1000),
                 Line("1000", "6,020.00", "10,000.00", "3,980.00"));
        QVERIFY(!f.window->BreakEven().Chart().Created());
        for (int tab : {3, 2, 1, 3}) {
            f.Tab("tabOptions1", tab);
            for (int p = 0; p < 3; ++p) {
                QWidget* container =
                    Named<QWidget>(*f.window, "picOptions1", static_cast<std::int16_t>(p));
                const bool shown = p == tab - 1;
                QCOMPARE(container->isEnabled(), shown);
                QCOMPARE(container->isVisible(), shown);
            }
        }
        QChartView* view = f.window->BreakEven().Chart().View();
        QVERIFY(view != nullptr && view->isVisible());
        QCOMPARE(view->size(), f.Find<QWidget>("chtBeVAny")->size());
        // Straight lines without dots are drawn from their ends.
        QCOMPARE(SeriesPoints(f, 1), (QList<QPointF> {{1, 26}, {1000, 6020}}));
    }

    void threeUnitExampleAndAPointClick()
    {
        WindowFixture f;
        f.EnterBreakEven({"3", "10", "6", "20"});
        QCOMPARE(f.ListBox("lstBev")->Lines(),
                 (QStringList {kHeader, Line("1", "26.00", "10.00", "-16.00"),
                               Line("2", "32.00", "20.00", "-12.00"),
                               Line("3", "38.00", "30.00", "-8.00")}));

        // The chart is made when the graph is first shown, with the last result.
        QVERIFY(!f.window->BreakEven().Chart().Created());
        f.Tab("tabOptions1", 3);
        QCOMPARE(SeriesPoints(f, 1), (QList<QPointF> {{1, 26}, {2, 32}, {3, 38}}));
        QCOMPARE(SeriesPoints(f, 2), kThreeUnitSales);
        QCOMPARE(SeriesPoints(f, 3), (QList<QPointF> {{1, 20}, {2, 20}, {3, 20}}));
        QVERIFY(f.window->BreakEven().Chart().Series(2)->pointsVisible()); // dots while few
        QChartView* view = f.window->BreakEven().Chart().View();
        QStringList names;
        for (QLegendMarker* marker : view->chart()->legend()->markers())
            names << (marker->isVisible() ? marker->label() : QString());
        QCOMPARE(names, (QStringList {"Total Costs", "Total Sales", "Fixed Costs"}));
        QStringList titles;
        for (QAbstractAxis* axis : view->chart()->axes())
            titles << axis->titleText();
        QVERIFY2(titles.contains(QStringLiteral("Units")), qPrintable(titles.join('|')));

        // A real click on "Total Sales" just left of unit 2, clear of the fixed costs line.
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QPointF scenePos =
            view->chart()->mapToPosition(QPointF(1.9, 19), f.window->BreakEven().Chart().Series(2));
        Click(view->viewport(), view->mapFromScene(view->chart()->mapToScene(scenePos)));
        QCOMPARE(f.services.MessageTexts(), QStringList {"Value of DataPoint = 20"});
        QCOMPARE(f.services.messages.back().title, QStringLiteral("Break-Even Graph"));
        // The chart's own clicked signal names the series: total costs at unit 2.
        Q_EMIT f.window->BreakEven().Chart().Series(1)->clicked(QPointF(2.2, 33));
        QCOMPARE(f.services.MessageTexts().last(), QStringLiteral("Value of DataPoint = 32"));
    }

    // Dots while the units are few; beyond, each line drawn from its corners, one pixel wide while
    // the units lie apart and two where more than one falls on a pixel (the weight the lines had
    // drawn through every unit); and a click on a line answers with the value of the unit nearest
    // to the pixel clicked.
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::BreakEvenPageTest)
#include "breakeven_page_test.moc"
