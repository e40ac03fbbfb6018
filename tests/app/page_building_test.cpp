// Pages made late (on their first visit, or once the window has been painted) must end up as if
// made at once, and a page made on its first visit must work at once.
#include "loan/ui/loan_page.h"
#include "platform/widgets/control_set.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

using Later = frmVexmoor::PageBuilding;

// What a user and a screen reader can tell of a control.
QString Describe(const QWidget* widget)
{
    QString text = QStringLiteral("%1 %2,%3 %4x%5 visible=%6 font=%7")
                       .arg(QString::fromLatin1(widget->metaObject()->className()))
                       .arg(widget->x())
                       .arg(widget->y())
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(widget->isVisibleTo(widget->window()))
                       .arg(widget->font().toString());
    for (const char* property : {"enabled", "toolTip", "text", "readOnly", "currentIndex"})
        text += QLatin1Char(' ') + widget->property(property).toString();
    if (auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
        text += " buddy=" + label->buddy()->objectName();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            text += " item=" + combo->itemText(i);
    if (auto* panel = qobject_cast<const platform::ShapePanel*>(widget))
        text += " colours=" + panel->OutlineColor().name() + panel->FillColor().name();
    return text;
}

QMap<QString, QString> Controls(const frmVexmoor& window)
{
    QMap<QString, QString> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            controls.insert(widget->objectName(), Describe(widget));
    return controls;
}

// The named controls in the order the Tab key walks the window's focus chain.
QStringList FocusChain(frmVexmoor& window)
{
    QStringList chain;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain())
        if (!widget->objectName().isEmpty() && widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
    return chain;
}

} // namespace

class PageBuildingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesMadeAfterThePaintMatchPagesMadeAtOnce();
    void aPageVisitedFirstIsMadeAndWorks();
    void controlsAPageCannotTakeAreNamed();
};

void PageBuildingTest::pagesMadeAfterThePaintMatchPagesMadeAtOnce()
{
    WindowFixture atOnce;
    Strip(*atOnce.window, "tabOptions")->Select(3);
    Strip(*atOnce.window, "tabOptions")->Select(1);
    // The loan page is visited before the window is shown, so the pages are made out of order.
    WindowFixture later(Later::OnFirstVisit, false);
    Strip(*later.window, "tabOptions")->Select(3);
    Strip(*later.window, "tabOptions")->Select(1);
    QVERIFY(later.window->PageBuilt(MainPage::Loan) &&
            !later.window->PageBuilt(MainPage::BreakEven));
    later.Show();
    QTRY_VERIFY(later.window->PageBuilt(MainPage::BreakEven) &&
                later.window->PageBuilt(MainPage::TalkToUs) &&
                later.window->PageBuilt(MainPage::Disclaimer));

    const QMap<QString, QString> expected = Controls(*atOnce.window);
    const QMap<QString, QString> actual = Controls(*later.window);
    QCOMPARE(actual.keys(), expected.keys());
    for (const QString& name : expected.keys())
        QCOMPARE(name + ": " + actual.value(name), name + ": " + expected.value(name));
    QCOMPARE(FocusChain(*later.window), FocusChain(*atOnce.window));
    QVERIFY(later.services.messages.empty());
}

void PageBuildingTest::aPageVisitedFirstIsMadeAndWorks()
{
    // Before the window is painted only the calculator page exists.
    WindowFixture f(Later::OnFirstVisit, false);
    for (int page = 0; page < kMainPageCount; ++page)
        QCOMPARE(f.window->PageBuilt(static_cast<MainPage>(page)), page == 0);

    // Made by the visit, cleared as loading clears it, and working through its widgets.
    Strip(*f.window, "tabOptions")->Select(2);
    QVERIFY(f.window->PageBuilt(MainPage::BreakEven) && !f.window->PageBuilt(MainPage::Loan));
    f.Show();
    QVERIFY(f.window->breakEvenPageActive);
    const char* texts[] = {"100", "10", "6", "1000"};
    for (int i = 0; i < 4; ++i)
        TypeInto(f.Find<QLineEdit>(QStringLiteral("txtBeV_%1").arg(i).toLatin1()), texts[i]);
    Click(Named<QPushButton>(*f.window, "cmdCalBeV"));
    QCOMPARE(f.Find<QLineEdit>("txtBeV_9")->text(), QStringLiteral("250"));
    QCOMPARE(List(*f.window, "lstBev")->Count(), 101);

    // The loan page, if the idle moments have not made it already: its lists filled and its
    // first sub-page shown.
    ClickTab(Strip(*f.window, "tabOptions"), 3);
    QVERIFY(f.window->Loan().Prepared() && f.window->Loan().RepaymentPageActive());
    QCOMPARE(f.Find<QComboBox>("cboIntRat_2")->count(), 3);
    QVERIFY(f.Find<QLineEdit>("txtCalRpy_0")->isVisible());
    QVERIFY(f.services.messages.empty());
}

// What stops the program at start-up: a control the layout puts on no page, a control its page
// does not take, a member whose control was not made, a control of another kind than its member.
void PageBuildingTest::controlsAPageCannotTakeAreNamed()
{
    for (const int page : ControlPages())
        QVERIFY(page >= -1 && page < kMainPageCount);

    QWidget host;
    auto* edit = new QLineEdit(&host);
    auto* label = new QLabel(&host);
    platform::ControlSet controls;
    controls.Add("txtCalPrm", 0, edit); // misspelt in the layout
    controls.Add("lblCalRpy", 0, label); // a caption where the page wants a field
    controls.Add("lblBeV", 3, label);
    platform::ControlArray<QLineEdit> fields;
    QLineEdit* single = nullptr;
    controls.Take("txtCalPrn", fields);
    controls.Take("lblCalRpy", fields);
    controls.Take("lblBeV", single);
    QCOMPARE(controls.Problems(),
             (QStringList {"txtCalPrn was not made", "lblCalRpy_0 is not of its member's kind",
                           "lblBeV is a control array", "txtCalPrm_0 has no member to go to"}));
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::PageBuildingTest)
#include "page_building_test.moc"
