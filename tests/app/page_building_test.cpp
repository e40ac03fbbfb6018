// The program makes the pages it does not show at start later: on their first visit, or once the
// window has been painted. A window made that way must end up the same as one made all at once,
// and a page made on its first visit must work at once.
#include "platform/list_box.h"
#include "platform/selector.h"
#include "platform/shape_panel.h"
#include "platform/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using vexmoor::test::Click;
using vexmoor::test::ClickTab;
using vexmoor::test::TypeInto;
using vexmoor::test::WindowFixture;

namespace vexmoor {

namespace {

using Later = frmVexmoor::PageBuilding;

// What a user and a screen reader can tell of a control.
QString Describe(const QWidget* widget)
{
    QString text = QStringLiteral("%1 %2 %3x%4 visible=%5 enabled=%6 font=%7 tip=%8")
                       .arg(QString::fromLatin1(widget->metaObject()->className()))
                       .arg(widget->pos().x())
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(widget->isVisibleTo(widget->window()))
                       .arg(widget->isEnabled())
                       .arg(widget->font().toString(), widget->toolTip());
    if (auto* label = qobject_cast<const QLabel*>(widget))
        text += " text=" + label->text() +
            " buddy=" + (label->buddy() ? label->buddy()->objectName() : QString());
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        text += " text=" + edit->text() + " readOnly=" + QString::number(edit->isReadOnly());
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        text += " text=" + button->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        text += " current=" + QString::number(combo->currentIndex()) + " items=";
        for (int i = 0; i < combo->count(); ++i)
            text += combo->itemText(i) + "|";
    }
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
};

void PageBuildingTest::pagesMadeAfterThePaintMatchPagesMadeAtOnce()
{
    WindowFixture atOnce;
    atOnce.window->tabOptions->Select(3);
    atOnce.window->tabOptions->Select(1);
    // The loan page is visited before the window is shown, so the pages are made out of order.
    WindowFixture later(Later::OnFirstVisit, false);
    later.window->tabOptions->Select(3);
    later.window->tabOptions->Select(1);
    QVERIFY(later.window->PageBuilt(2) && !later.window->PageBuilt(1));
    later.Show();
    QTRY_VERIFY(later.window->PageBuilt(4));
    for (int page = 0; page < kMainPageCount; ++page)
        QVERIFY(later.window->PageBuilt(page));

    const QMap<QString, QString> expected = Controls(*atOnce.window);
    const QMap<QString, QString> actual = Controls(*later.window);
    QCOMPARE(actual.keys(), expected.keys());
    for (const QString& name : expected.keys())
        QCOMPARE(actual.value(name), expected.value(name));
    QCOMPARE(FocusChain(*later.window), FocusChain(*atOnce.window));
    QVERIFY(later.services.messages.empty());
}

void PageBuildingTest::aPageVisitedFirstIsMadeAndWorks()
{
    // Before the window is painted only the calculator page exists.
    WindowFixture f(Later::OnFirstVisit, false);
    QVERIFY(f.window->PageBuilt(0));
    for (int page = 1; page < kMainPageCount; ++page)
        QVERIFY(!f.window->PageBuilt(page));
    QVERIFY(!f.Find<QLineEdit>("txtBeV_0"));

    // Made by the visit, cleared as loading clears it, and working through its widgets.
    f.window->tabOptions->Select(2);
    QVERIFY(f.window->PageBuilt(1));
    QVERIFY(!f.window->PageBuilt(2));
    f.Show();
    QVERIFY(f.window->breakEvenPageActive);
    auto* units = f.Find<QLineEdit>("txtBeV_0");
    QVERIFY(units && units->isVisible());
    const QString texts[] = {"100", "10", "6", "1000"};
    for (int i = 0; i < 4; ++i)
        TypeInto(f.Find<QLineEdit>(QStringLiteral("txtBeV_%1").arg(i).toLatin1()), texts[i]);
    Click(f.window->cmdCalBeV);
    QCOMPARE(f.Find<QLineEdit>("txtBeV_9")->text(), QStringLiteral("250"));
    QCOMPARE(f.window->lstBev->Count(), 101);
    QCOMPARE(f.window->shpBeVAny[0]->FillColor(), QColor(135, 206, 250));

    // The loan page, if the idle moments have not made it already: its lists filled and its
    // first sub-page shown.
    ClickTab(f.window->tabOptions, 3);
    QVERIFY(f.window->PageBuilt(2));
    QVERIFY(f.window->loanPagePrepared && f.window->repaymentPageActive);
    QCOMPARE(f.Find<QComboBox>("cboIntRat_2")->count(), 3);
    QVERIFY(f.Find<QLineEdit>("txtCalRpy_0")->isVisible());

    // Tab reaches only the shown page's controls, new ones included.
    f.Find<QLineEdit>("txtCalRpy_0")->setFocus();
    for (int press = 0; press < 30; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
    }
    QVERIFY(f.services.messages.empty());
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::PageBuildingTest)
#include "page_building_test.moc"
