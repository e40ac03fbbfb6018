// The main window through its real widgets: the design's figures for a sample of controls of
// every page, looks and screen-reader names, the page switch, what Tab and access keys reach,
// the links, and closing.
#include "loan/ui/loan_page.h"
#include "platform/widgets/container.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/tab_strip.h"
#include "platform/widgets/twips.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using vexmoor::platform::ContainerLeftTwips;
using namespace vexmoor::test;

namespace vexmoor {

class WindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStandWhereTheDesignPutsThem();
    void tabOrderFollowsTheDesign();
    void looksAndScreenReaderNames();
    void eachPageShowsAloneAndClosesWithoutAFile();
    void accessKeysOfHiddenPagesDoNothing();
    void linksOpenTheirAddresses();
};

void WindowTest::controlsStandWhereTheDesignPutsThem()
{
    // Rectangles in twips; a caption of nullptr is not compared (fields, lists, long texts).
    const struct
    {
        const char* name;
        int left, top, width, height;
        const char* caption;
        const char* tooltip;
    } rows[] = {
        {"lblQnbWeb_0", 120, 4700, 7455, 195, "www.quenbry.com", ""},
        {"lblDisplay", 240, 240, 6600, 870, "0.", ""},
        {"cmdCalc_5", 2940, 1680, 1200, 400, "9", ""},
        {"txtBeV_0", 4320, 240, 2000, 285, nullptr, "[M] Enter expected sales units"},
        {"lblBeV_3", 120, 1185, 4095, 285, "Fixed Costs {i.e. rent/utility costs} [4]:", ""},
        {"cmdClrBeV", 360, 2820, 1215, 255, "&Clear", "Click to clear the parameters"},
        {"lstBev", 240, 870, 6165, 2010, nullptr, ""},
        {"chtBeVAny", 240, 240, 6135, 2775, nullptr, "Click to view value of data point"},
        {"cboCalRpy_3", 2640, 2040, 2000, 315, nullptr, "[M] Select the repayment mode"},
        {"cmdCalPrn", 2640, 2760, 2055, 285, "Calculate &Principal",
         "Click to calculate the loan principal amount"},
        {"lstLsd", 240, 240, 6165, 2790, nullptr, ""},
        {"imgQnfSut", 600, 480, 2610, 3045, nullptr, ""},
        {"lblQnbWeb_3", 3720, 1680, 2655, 195, "@Quenbry", ""},
        {"lblVxmDsc", 360, 1320, 6495, 1095, nullptr, ""},
    };
    const auto figures = [](const char* name, QRect r, const QString& caption, const QString& tip) {
        return QString::asprintf("%s (%d,%d %dx%d) ", name, r.x(), r.y(), r.width(), r.height()) +
            caption + " [" + tip + "]";
    };
    WindowFixture f;
    for (const auto& row : rows) {
        auto* widget = f.Find<QWidget>(row.name);
        QVERIFY2(widget, row.name);
        QCOMPARE(figures(row.name, widget->geometry(),
                         row.caption ? widget->property("text").toString() : "", widget->toolTip()),
                 figures(row.name, platform::TwipsRect(row.left, row.top, row.width, row.height),
                         row.caption, row.tooltip));
    }
    const char* tabs[] = {"&Calculator", "&Break Even", "&Loan Calculator", "Talk to Us",
                          "&Disclaimer"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Strip(*f.window, "tabOptions")->Bar()->tabText(i), QString(tabs[i]));
    QCOMPARE(Strip(*f.window, "tabOptions")->Bar()->tabToolTip(2),
             QStringLiteral("Calculate and Generate Loan Schedules"));
}

void WindowTest::tabOrderFollowsTheDesign()
{
    // Stretches of the Tab order, each walked with the Tab key from its first control.
    const std::pair<int, const char*> rows[] = {
        {1, "cmdCalc_1 cmdCalc_0 cmdCalc_23 cmdCalc_24"},
        {2, "txtBeV_2 txtBeV_3 cmdCalBeV cmdClrBeV"},
        {3, "txtCalRpy_0 cboIntRat_2 txtCalRpy_1 cboIntRat_0 txtCalRpy_2 cboCalRpy_3 cmdCalRpy"},
    };
    for (auto [tab, stretch] : rows) {
        WindowFixture f;
        Strip(*f.window, "tabOptions")->Select(tab);
        const QStringList chain = QString(stretch).split(' ');
        f.Find<QWidget>(qPrintable(chain[0]))->setFocus();
        QStringList walked {chain[0]};
        while (walked.size() < chain.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, chain);
    }
}

void WindowTest::looksAndScreenReaderNames()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Quenbry - Vexmoor"));
    QCOMPARE(f.window->size(), QSize(513, 329));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QTRY_VERIFY(!f.window->windowIcon().isNull()); // set at the first paint
    // The panels take their colours at load; the Disclaimer's keeps its design colours.
    QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpVexmr", 0)->FillColor(),
             QColor(143, 188, 143));
    QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpVexmr", 1)->OutlineColor(),
             QColor(205, 133, 63));
    QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpBeVAny", 2)->FillColor(),
             QColor(245, 222, 179));
    QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpLonCal", 2)->OutlineColor(),
             QColor(34, 139, 34));
    QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpVexmr", 2)->OutlineColor(),
             QColor(192, 192, 192));

    auto* display = f.Find<QLabel>("lblDisplay");
    QCOMPARE(display->font().pointSizeF(), 33.0);
    QCOMPARE(display->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(display->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(display->alignment() & Qt::AlignRight);
    QCOMPARE(display->accessibleDescription(), QStringLiteral("Display"));
    for (auto [name, points] :
         {std::pair {"cmdCalc_3", 9.75}, {"cmdCalc_6", 12.0}, {"cmdCalc_23", 13.5}}) {
        QCOMPARE(f.Find<QPushButton>(name)->font().pointSizeF(), points);
        QVERIFY(f.Find<QPushButton>(name)->font().bold());
    }
    // A metric-compatible stand-in for the design's fonts.
    QCOMPARE(f.Find<QLabel>("lblQnbWeb_1")->font().family(), QStringLiteral("Liberation Sans"));
    auto* result = f.Find<QLineEdit>("txtBeV_7");
    QVERIFY(result->font().bold() && result->isReadOnly());
    QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
    QCOMPARE(result->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(f.Find<QLineEdit>("txtCalPrn_4")->alignment() & Qt::AlignRight);
    QVERIFY(!f.Find<QComboBox>("cboIntRat_0")->isEditable());

    // Each caption label names its field; an explicit name would hide it.
    for (auto [label, field] : {std::pair {"lblBeV_0", "txtBeV_0"},
                                {"lblCalRpy_5", "cboIntRat_2"},
                                {"lblCalRpy_6", "cboIntRat_0"},
                                {"lblCalPrn_5", "cboIntRat_3"},
                                {"lblCalPrn_6", "cboIntRat_1"},
                                {"lblCalPrn_4", "txtCalPrn_4"}}) {
        QCOMPARE(f.Find<QLabel>(label)->buddy(), f.Find<QWidget>(field));
        QVERIFY2(f.Find<QWidget>(field)->accessibleName().isEmpty(), field);
        QVERIFY2(f.Find<QWidget>(field)->accessibleDescription().isEmpty(), field);
    }
}

void WindowTest::eachPageShowsAloneAndClosesWithoutAFile()
{
    const char* flags[] = {"1000", "0100", "0010", "0001", "0000"}; // calculator to talk to us
    for (int tab = 1; tab <= 5; ++tab) {
        WindowFixture f;
        frmVexmoor& w = *f.window;
        QVERIFY(Strip(w, "tabOptions")->Selected() == 1 && w.calculatorPageActive &&
                !w.Loan().Prepared());
        // Away first, so that every tab is a change of the selection.
        Strip(w, "tabOptions")->Select(tab == 5 ? 4 : 5);
        QTest::mouseClick(Strip(w, "tabOptions")->Bar(), Qt::LeftButton, {},
                          Strip(w, "tabOptions")->Bar()->tabRect(tab - 1).center());
        QCOMPARE(Strip(w, "tabOptions")->Selected(), tab);
        QCOMPARE(QStringLiteral("%1%2%3%4")
                     .arg(w.calculatorPageActive)
                     .arg(w.breakEvenPageActive)
                     .arg(w.loanPageActive)
                     .arg(w.talkToUsPageActive),
                 QString(flags[tab - 1]));
        QCOMPARE(w.Loan().Prepared(), tab == 3);
        for (std::int16_t i = 0; i < 5; ++i) {
            QCOMPARE(ContainerLeftTwips(Named<QWidget>(w, "picOptions", i)),
                     i == tab - 1 ? 210 : -20000);
            QCOMPARE(Named<QWidget>(w, "picOptions", i)->isEnabled(), i == tab - 1);
            QCOMPARE(Named<QWidget>(w, "picOptions", i)->isVisible(), i == tab - 1);
        }

        // Tab reaches only the shown page, the tab strip and the bottom link.
        QWidget* page = Named<QWidget>(w, "picOptions", static_cast<std::int16_t>(tab - 1));
        QWidget* link = f.Find<QWidget>("lblQnbWeb_0");
        Strip(w, "tabOptions")->Bar()->setFocus();
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(page->isAncestorOf(focus) || focus == Strip(w, "tabOptions")->Bar() ||
                         focus == link,
                     qPrintable(focus->objectName()));
        }
        // The bottom link shows and works with every page.
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(f.services.openedUrls, QStringList {"https://www.quenbry.com"});
        QCOMPARE(Strip(w, "tabOptions")->Selected(), tab);

        // The close button's way, or Ctrl+Q's.
        if (tab % 2 == 0)
            QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        else
            QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QVERIFY(QDir(f.logFolder.path()).isEmpty());
        QVERIFY(f.services.messages.empty());
    }
}

void WindowTest::accessKeysOfHiddenPagesDoNothing()
{
    WindowFixture f;
    // Alt+R is "Calculate &Repayment" and the "&Repayment " sub tab: both on the hidden loan page.
    auto* button = f.Find<QPushButton>("cmdCalc_3");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), button);
    QVERIFY(f.window->calculatorPageActive);
}

void WindowTest::linksOpenTheirAddresses()
{
    WindowFixture f;
    Strip(*f.window, "tabOptions")->Select(4);
    // The picture is read on this first visit.
    QCOMPARE(f.Find<QLabel>("imgQnfSut")->pixmap().size(), QSize(174, 203));
    for (auto [name, address] :
         {std::pair {"lblQnbWeb_1", "https://www.quenbry.com"},
          {"lblQnbWeb_2", "https://www.facebook.com/Quenbry"},
          {"lblQnbWeb_3", "https://twitter.com/intent/tweet?screen_name=Quenbry"},
          {"lblQnbWeb_4", "https://quenbry.blogspot.com"}}) {
        f.services.openedUrls.clear();
        auto* label = f.Find<QLabel>(name);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(f.services.openedUrls, QStringList({address, address}));
        QCOMPARE(f.window->linkTarget, QString(address));
    }
    // The keyboard opens a link as well.
    f.services.openedUrls.clear();
    f.Find<QLabel>("lblQnbWeb_4")->setFocus();
    QTest::keyClick(f.Find<QLabel>("lblQnbWeb_4"), Qt::Key_Return);
    QCOMPARE(f.services.openedUrls, QStringList {"https://quenbry.blogspot.com"});
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::WindowTest)
#include "window_test.moc"
