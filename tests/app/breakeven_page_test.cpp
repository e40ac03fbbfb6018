// The break-even page through its real widgets: typing and Tab, the focus cue, the invalid-number
// message that keeps the focus, Calculate and Clear, the sub-pages, the analysis list and the
// graph's series, and a click on a data point.
#include "breakeven/ui/breakeven_chart.h"
#include "platform/container.h"
#include "platform/list_box.h"
#include "platform/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QValueAxis>
#include <QtTest>

using vexmoor::test::Click;
using vexmoor::test::ClickTab;
using vexmoor::test::TypeInto;
using vexmoor::test::WindowFixture;

namespace vexmoor {

namespace {

const QString kInvalidNumberMessage = QStringLiteral(" [frmVexmoor] Enter a valid number. {13}");

QLineEdit* Field(const WindowFixture& f, int index)
{
    return f.Find<QLineEdit>(QStringLiteral("txtBeV_%1").arg(index).toLatin1().constData());
}

QLabel* Caption(const WindowFixture& f, int index)
{
    return f.Find<QLabel>(QStringLiteral("lblBeV_%1").arg(index).toLatin1().constData());
}

QStringList FieldTexts(const WindowFixture& f)
{
    QStringList texts;
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        texts << Field(f, i)->text();
    return texts;
}

void ShowBreakEvenPage(WindowFixture& f)
{
    ClickTab(f.window->tabOptions, 2);
}

void PressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Types the four entries, each left with Tab.
void Enter(WindowFixture& f, const QString& units, const QString& price, const QString& variable,
           const QString& fixed)
{
    const QString texts[] = {units, price, variable, fixed};
    for (int i = 0; i < 4; ++i) {
        TypeInto(Field(f, i), texts[i]);
        PressTab();
    }
}

QList<QPointF> SeriesPoints(const WindowFixture& f, int series)
{
    return f.window->breakEvenChart->Series(series)->points();
}

} // namespace

class BreakEvenPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingAndTabComputeTheTotals();
    void focusCueBoldsTheCaptionWhileTheFieldHasTheFocus();
    void invalidNumberKeepsTheFocus_data();
    void invalidNumberKeepsTheFocus();
    void invalidNumberStopsAClickedButton();
    void overflowIsReportedAndTheFocusMovesOn();
    void calculateShowsContributionAndUnits();
    void clearResetsTextsListAndFigures();
    void subPagesShowOneAtATime();
    void threeUnitExampleFillsListAndChart();
    void chartCreatedLaterShowsTheLastGrid();
    void clickOnADataPointShowsItsValue();
    void unitsZeroGivesOneUnlabelledPoint();
    void unitCountsFailingInGenChart_data();
    void unitCountsFailingInGenChart();
    void thousandUnits();
};

void BreakEvenPageTest::typingAndTabComputeTheTotals()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    ShowBreakEvenPage(f);
    Enter(f, "100", "10", "6", "1000");
    QCOMPARE(FieldTexts(f),
             (QStringList {"100", "10.00", "6.00", "1,000.00", "600.00", "1,600.00", "1,000.00",
                           "-600.00", "0.00", "0.00"}));
    // Totals come from the text as typed; the field is reformatted after.
    TypeInto(Field(f, 0), "2.5");
    PressTab();
    QCOMPARE(Field(f, 0)->text(), QStringLiteral("3"));
    QCOMPARE(Field(f, 6)->text(), QStringLiteral("25.00"));
    QVERIFY(f.services.messages.empty());
}

void BreakEvenPageTest::focusCueBoldsTheCaptionWhileTheFieldHasTheFocus()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Click(Field(f, 1));
    QVERIFY(Caption(f, 1)->font().bold());
    QVERIFY(!Caption(f, 0)->font().bold());
    PressTab();
    QVERIFY(!Caption(f, 1)->font().bold());
    QVERIFY(Caption(f, 2)->font().bold());

    // The break-even units caption is bold by design and stays bold once its field is left.
    ClickTab(f.window->tabOptions1, 2);
    QVERIFY(Caption(f, 9)->font().bold());
    Click(Field(f, 9));
    QCOMPARE(QApplication::focusWidget(), Field(f, 9));
    PressTab();
    QVERIFY(QApplication::focusWidget() != Field(f, 9));
    QVERIFY(Caption(f, 9)->font().bold());
    QVERIFY(!Caption(f, 8)->font().bold());
}

void BreakEvenPageTest::invalidNumberKeepsTheFocus_data()
{
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("badText");
    QTest::addColumn<int>("left");
    QTest::addColumn<QStringList>("results"); // fields 4 to 7 afterwards

    const QStringList untouched {"0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("units abc") << 0 << "abc" << 0 << untouched;
    QTest::newRow("units empty") << 0 << "" << 0 << untouched;
    QTest::newRow("price empty") << 1 << "" << 1 << QStringList {"600.00", "0.00", "0.00", "0.00"};
    // Another field's bad text stops the totals after fields 4 and 6 were written.
    QTest::newRow("fixed costs bad, units left")
        << 3 << "abc" << 0 << QStringList {"600.00", "0.00", "1,000.00", "0.00"};
}

void BreakEvenPageTest::invalidNumberKeepsTheFocus()
{
    QFETCH(int, badField);
    QFETCH(QString, badText);
    QFETCH(int, left);
    QFETCH(QStringList, results);

    WindowFixture f;
    ShowBreakEvenPage(f);
    // Fill the fields without validating them, then make one of them bad.
    const QString good[] = {"100", "10", "6", "1000"};
    for (int i = 0; i < 4; ++i)
        Field(f, i)->setText(good[i]);
    Field(f, badField)->setText(badText);

    TypeInto(Field(f, left), left == badField ? badText : good[left]);
    PressTab();
    QCOMPARE(f.services.MessageTexts(), QStringList {kInvalidNumberMessage});
    QCOMPARE(f.services.messages.front().title, QStringLiteral("System Support"));
    QCOMPARE(QApplication::focusWidget(), Field(f, left));
    QVERIFY(Caption(f, left)->font().bold());
    QCOMPARE(FieldTexts(f).mid(4, 4), results);
    // The text is not reformatted: the field was never left.
    QCOMPARE(Field(f, left)->text(), left == badField ? badText : good[left]);
}

void BreakEvenPageTest::invalidNumberStopsAClickedButton()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "100", "10", "6", "1000");
    TypeInto(Field(f, 2), "six");
    Click(f.window->cmdCalBeV);
    QCOMPARE(f.services.MessageTexts(), QStringList {kInvalidNumberMessage});
    QCOMPARE(QApplication::focusWidget(), Field(f, 2));
    QCOMPARE(Field(f, 8)->text(), QStringLiteral("0.00")); // Calculate did not run
    QCOMPARE(f.window->lstBev->Count(), 0);

    // Clear does not act either while the field holds no number.
    Click(f.window->cmdClrBeV);
    QCOMPARE(f.services.messages.size(), std::size_t(2));
    QCOMPARE(Field(f, 0)->text(), QStringLiteral("100"));
}

void BreakEvenPageTest::overflowIsReportedAndTheFocusMovesOn()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    const QString huge = "1" + QString(400, '0'); // beyond the double range
    TypeInto(Field(f, 0), huge);
    PressTab();
    // Validation reports it without cancelling; reformatting on the way out fails the same way.
    QCOMPARE(f.services.MessageTexts(),
             (QStringList {" [frmVexmoor] Overflow {6}", " [frmVexmoor] Overflow {6}"}));
    QCOMPARE(QApplication::focusWidget(), Field(f, 1));
    QCOMPARE(Field(f, 0)->text(), huge);
    QVERIFY(!Caption(f, 0)->font().bold());
    QFile log(f.services.LogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString records = QString::fromUtf8(log.readAll());
    QVERIFY(records.contains(QStringLiteral("Position (txtBeV_Validate) -> Overflow {6}")));
    QVERIFY(records.contains(QStringLiteral("Position (txtBeV_LostFocus) -> Overflow {6}")));
    for (const QString& text : FieldTexts(f))
        QVERIFY(!text.contains(QStringLiteral("inf")) && !text.contains(QStringLiteral("nan")));
}

void BreakEvenPageTest::calculateShowsContributionAndUnits()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "100", "10", "6", "1000");
    Click(f.window->cmdCalBeV);
    QCOMPARE(Field(f, 8)->text(), QStringLiteral("4.00"));
    QCOMPARE(Field(f, 9)->text(), QStringLiteral("250"));
    QCOMPARE(f.window->lstBev->Count(), 101);
    const QString last = f.window->lstBev->Line(100);
    QVERIFY(last.startsWith(QStringLiteral("     100 ")));
    QVERIFY(last.endsWith(QStringLiteral("1,600.00") + QString(20, ' ') + "1,000.00" +
                          QString(21, ' ') + "-600.00"));
    QCOMPARE(f.window->lstBev->HorizontalExtent(), 300);
    QVERIFY(f.services.messages.empty());
}

void BreakEvenPageTest::clearResetsTextsListAndFigures()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "3", "10", "6", "20");
    Click(f.window->cmdCalBeV);
    QCOMPARE(Field(f, 9)->text(), QStringLiteral("5"));
    const GraphGrid before = f.window->breakEvenChart->Grid();

    Click(f.window->cmdClrBeV);
    QCOMPARE(FieldTexts(f),
             (QStringList {"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                           "0.00"}));
    QCOMPARE(f.window->lstBev->Count(), 0);
    // The graph keeps the last result.
    QCOMPARE(f.window->breakEvenChart->Grid().rows.size(), before.rows.size());
    // Calculating at once uses nothing the page no longer shows: no break-even units from the
    // old fixed costs.
    Click(f.window->cmdCalBeV);
    QCOMPARE(Field(f, 9)->text(), QStringLiteral("0"));
    QCOMPARE(f.window->breakEven.FixedCosts, 0.0);
}

void BreakEvenPageTest::subPagesShowOneAtATime()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    QCOMPARE(f.window->tabOptions1->Selected(), 1);
    QVERIFY(!f.window->breakEvenChart->Created());
    for (int tab : {3, 2, 1, 3}) {
        ClickTab(f.window->tabOptions1, tab);
        for (int p = 0; p < 3; ++p) {
            QWidget* container = f.window->picOptions1[static_cast<std::int16_t>(p)];
            const bool shown = p == tab - 1;
            QCOMPARE(container->isEnabled(), shown);
            QCOMPARE(container->isVisible(), shown);
            QCOMPARE(platform::ContainerLeftTwips(container),
                     shown ? 175 : platform::kHiddenLeftTwips);
        }
    }
    QVERIFY(f.window->breakEvenChart->Created());
    QWidget* host = f.Find<QWidget>("chtBeVAny");
    QCOMPARE(host->toolTip(), QStringLiteral("Click to view value of data point"));
    QVERIFY(f.window->breakEvenChart->View()->isVisible());
    QCOMPARE(f.window->breakEvenChart->View()->parentWidget(), host);
    QCOMPARE(f.window->breakEvenChart->View()->size(), host->size());
}

void BreakEvenPageTest::threeUnitExampleFillsListAndChart()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    ClickTab(f.window->tabOptions1, 3);
    ClickTab(f.window->tabOptions1, 1);
    Enter(f, "3", "10", "6", "20");
    Click(f.window->cmdCalBeV);

    const QString gap22(22, ' '), gap20(20, ' '), gap21(21, ' ');
    QCOMPARE(f.window->lstBev->Lines(),
             (QStringList {
                 "Units" + QString(16, ' ') + "Total Costs" + QString(16, ' ') + "Total Sales" +
                     QString(16, ' ') + "Profit",
                 "       1" + gap22 + "26.00" + gap20 + "10.00" + gap21 + "-16.00",
                 "       2" + gap22 + "32.00" + gap20 + "20.00" + gap21 + "-12.00",
                 "       3" + gap22 + "38.00" + gap20 + "30.00" + gap21 + "-8.00",
             }));
    QCOMPARE(SeriesPoints(f, 1), (QList<QPointF> {{1, 26}, {2, 32}, {3, 38}}));
    QCOMPARE(SeriesPoints(f, 2), (QList<QPointF> {{1, 10}, {2, 20}, {3, 30}}));
    QCOMPARE(SeriesPoints(f, 3), (QList<QPointF> {{1, 20}, {2, 20}, {3, 20}}));

    QChart* chart = f.window->breakEvenChart->View()->chart();
    QStringList names;
    for (QLegendMarker* marker : chart->legend()->markers()) {
        QVERIFY(marker->isVisible());
        names << marker->label();
    }
    QCOMPARE(names, (QStringList {"Total Costs", "Total Sales", "Fixed Costs"}));
    QCOMPARE(chart->legend()->isVisible(), true);
    // Every point lies inside the axes.
    QValueAxis* units = f.window->breakEvenChart->UnitsAxis();
    QValueAxis* amounts = f.window->breakEvenChart->AmountAxis();
    QVERIFY(units->min() <= 1 && units->max() >= 3);
    QVERIFY(amounts->min() <= 10 && amounts->max() >= 38);
}

void BreakEvenPageTest::chartCreatedLaterShowsTheLastGrid()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "3", "10", "6", "20");
    Click(f.window->cmdCalBeV);
    QVERIFY(!f.window->breakEvenChart->Created());
    ClickTab(f.window->tabOptions1, 3);
    QVERIFY(f.window->breakEvenChart->Created());
    QCOMPARE(SeriesPoints(f, 2), (QList<QPointF> {{1, 10}, {2, 20}, {3, 30}}));
}

void BreakEvenPageTest::clickOnADataPointShowsItsValue()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "3", "10", "6", "20");
    Click(f.window->cmdCalBeV);
    ClickTab(f.window->tabOptions1, 3);
    QChartView* view = f.window->breakEvenChart->View();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QLineSeries* sales = f.window->breakEvenChart->Series(2);

    // A real click on the "Total Sales" line just left of unit 2, clear of the fixed costs line.
    const QPointF scenePos = view->chart()->mapToPosition(QPointF(1.9, 19), sales);
    const QPoint at = view->mapFromScene(view->chart()->mapToScene(scenePos));
    Click(view->viewport(), at);
    QCOMPARE(f.services.MessageTexts(), QStringList {"Value of DataPoint = 20"});
    QCOMPARE(f.services.messages.back().title, QStringLiteral("Break-Even Graph"));

    // The chart's own clicked signals name the series: costs at unit 2, then fixed costs.
    Q_EMIT f.window->breakEvenChart->Series(1)->clicked(QPointF(2.2, 33));
    Q_EMIT f.window->breakEvenChart->Series(3)->clicked(QPointF(3, 20));
    QCOMPARE(f.services.MessageTexts(),
             (QStringList {"Value of DataPoint = 20", "Value of DataPoint = 32",
                           "Value of DataPoint = 20"}));
}

void BreakEvenPageTest::unitsZeroGivesOneUnlabelledPoint()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    ClickTab(f.window->tabOptions1, 3);
    ClickTab(f.window->tabOptions1, 1);
    // As after clearing: units "0".
    Click(f.window->cmdCalBeV);
    QCOMPARE(f.window->lstBev->Count(), 0);
    QCOMPARE(f.window->lstBev->HorizontalExtent(), 0);
    const GraphGrid& grid = f.window->breakEvenChart->Grid();
    QCOMPARE(grid.rows.size(), std::size_t(1));
    QVERIFY(!grid.labelled);
    QCOMPARE(grid.seriesCount, 2);
    QCOMPARE(SeriesPoints(f, 1), (QList<QPointF> {{1, 0}}));
    QCOMPARE(SeriesPoints(f, 2), (QList<QPointF> {{1, 0}}));
    QVERIFY(!f.window->breakEvenChart->Series(3)->isVisible());
    QChart* chart = f.window->breakEvenChart->View()->chart();
    QVERIFY(!chart->legend()->markers(f.window->breakEvenChart->Series(3)).front()->isVisible());
    QCOMPARE(f.window->breakEven.GraphUnits, std::int16_t(1));
    QVERIFY(f.services.messages.empty());
}

void BreakEvenPageTest::unitCountsFailingInGenChart_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lines");

    QTest::newRow("40,000") << "40000"
                            << " [frmVexmoor] Overflow {6}" << 0;
    QTest::newRow("-5") << "-5"
                        << " [frmVexmoor] Invalid procedure call or argument {5}" << 1;
}

void BreakEvenPageTest::unitCountsFailingInGenChart()
{
    QFETCH(QString, units);
    QFETCH(QString, message);
    QFETCH(int, lines);

    WindowFixture f;
    ShowBreakEvenPage(f);
    ClickTab(f.window->tabOptions1, 3);
    ClickTab(f.window->tabOptions1, 1);
    Enter(f, "3", "10", "6", "20");
    Click(f.window->cmdCalBeV);

    TypeInto(Field(f, 0), units);
    PressTab();
    QVERIFY(f.services.messages.empty());
    Click(f.window->cmdCalBeV);
    QCOMPARE(f.services.MessageTexts(), QStringList {message});
    QCOMPARE(f.window->lstBev->Count(), lines);
    if (lines > 0)
        QVERIFY(f.window->lstBev->Line(0).startsWith(QStringLiteral("Units ")));
    // The graph is unchanged, and so is the log's procedure name.
    QCOMPARE(SeriesPoints(f, 2), (QList<QPointF> {{1, 10}, {2, 20}, {3, 30}}));
    QFile log(f.services.LogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral("Position (GenChart)")));
}

void BreakEvenPageTest::thousandUnits()
{
    WindowFixture f;
    ShowBreakEvenPage(f);
    Enter(f, "1,000", "10", "6", "20");
    Click(f.window->cmdCalBeV);
    QCOMPARE(f.window->lstBev->Count(), 1001);
    QVERIFY(f.window->lstBev->Line(1000).startsWith(QStringLiteral("    1000 ")));
    ClickTab(f.window->tabOptions1, 3);
    QCOMPARE(SeriesPoints(f, 3).size(), 1000);
    QCOMPARE(SeriesPoints(f, 1).back(), QPointF(1000, 6020));
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::BreakEvenPageTest)
#include "breakeven_page_test.moc"
