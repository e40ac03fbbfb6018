// The main window through its real widgets: layout figures, fonts and colours, accessibility,
// the page switch and its flags, what the Tab key can reach, links, and closing.
#include "platform/container.h"
#include "platform/selector.h"
#include "platform/shape_panel.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using vexmoor::platform::TwipsRect;
using vexmoor::test::WindowFixture;

namespace vexmoor {

class WindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsTitledAndFixedToTheDesignClientArea();
    void controlsStandWhereTheDesignPutsThem_data();
    void controlsStandWhereTheDesignPutsThem();
    void fontsAndColours();
    void captionLabelsNameTheirFieldsForScreenReaders();
    void atStartTheCalculatorPageIsShown();
    void pageSwitchSetsOneFlagAndHidesTheOtherPages_data();
    void pageSwitchSetsOneFlagAndHidesTheOtherPages();
    void tabReachesOnlyTheShownPage_data();
    void tabReachesOnlyTheShownPage();
    void accessKeysOfHiddenPagesDoNothing();
    void panelsAreColouredAtLoad();
    void linksOpenTheirAddressesFromAnyPage();
    void closingEndsWithoutWritingAFile();
};

void WindowTest::windowIsTitledAndFixedToTheDesignClientArea()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Quenbry - Vexmoor"));
    QCOMPARE(f.window->size(), QSize(513, 329));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QVERIFY(!f.window->windowIcon().isNull());
}

void WindowTest::controlsStandWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("bottom link") << "lblQnbWeb_0" << QRect(120, 4700, 7455, 195)
                                 << "www.quenbry.com"
                                 << "";
    QTest::newRow("display") << "lblDisplay" << QRect(240, 240, 6600, 870) << "0."
                             << "";
    QTest::newRow("Backspace") << "cmdCalc_0" << QRect(4740, 1245, 2100, 350) << "Backspace"
                               << "";
    QTest::newRow("key 9 sits higher") << "cmdCalc_5" << QRect(2940, 1680, 1200, 400) << "9"
                                       << "";
    QTest::newRow("key =") << "cmdCalc_23" << QRect(5640, 3360, 1200, 400) << "="
                           << "";
    QTest::newRow("units field") << "txtBeV_0" << QRect(4320, 240, 2000, 285) << ""
                                 << "[M] Enter expected sales units";
    QTest::newRow("fixed costs caption")
        << "lblBeV_3" << QRect(120, 1185, 4095, 285) << "Fixed Costs {i.e. rent/utility costs} [4]:"
        << "";
    QTest::newRow("Clear") << "cmdClrBeV" << QRect(360, 2820, 1215, 255) << "&Clear"
                           << "Click to clear the parameters";
    QTest::newRow("contribution caption")
        << "lblBeV_8" << QRect(2400, 240, 2415, 255) << "Unit Contribution[9=2-3]"
        << "";
    QTest::newRow("analysis list") << "lstBev" << QRect(240, 870, 6165, 2010) << ""
                                   << "";
    QTest::newRow("chart") << "chtBeVAny" << QRect(240, 240, 6135, 2775) << ""
                           << "Click to view value of data point";
    QTest::newRow("loan type") << "cboIntRat_2" << QRect(2640, 600, 2000, 315) << ""
                               << "";
    QTest::newRow("repayment mode") << "cboCalRpy_3" << QRect(2640, 2040, 2000, 315) << ""
                                    << "[M] Select the repayment mode";
    QTest::newRow("Calculate Principal")
        << "cmdCalPrn" << QRect(2640, 2760, 2055, 285) << "Calculate &Principal"
        << "Click to calculate the loan principal amount";
    QTest::newRow("principal rate") << "txtCalPrn_3" << QRect(2640, 1680, 2000, 285) << ""
                                    << "[M] Enter the interest rate";
    QTest::newRow("schedule") << "lstLsd" << QRect(240, 240, 6165, 2790) << ""
                              << "";
    QTest::newRow("picture") << "imgQnfSut" << QRect(600, 480, 2610, 3045) << ""
                             << "";
    QTest::newRow("blog") << "lblQnbWeb_4" << QRect(3720, 1320, 2655, 195) << "blog"
                          << "";
    QTest::newRow("handle") << "lblQnbWeb_3" << QRect(3720, 1680, 2655, 195) << "@Quenbry"
                            << "";
    QTest::newRow("disclaimer") << "lblVxmDsc" << QRect(360, 1320, 6495, 1095) << ""
                                << "";
}

void WindowTest::controlsStandWhereTheDesignPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    WindowFixture f;
    auto* widget = f.window->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(),
             TwipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    if (!caption.isEmpty()) {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), caption);
        else
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
    }
    QCOMPARE(widget->toolTip(), tooltip);
}

void WindowTest::fontsAndColours()
{
    WindowFixture f;
    auto* display = f.Find<QLabel>("lblDisplay");
    QCOMPARE(display->font().pointSizeF(), 33.0);
    QCOMPARE(display->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(display->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(display->alignment() & Qt::AlignRight);

    const struct
    {
        const char* name;
        double points;
    } keys[] = {{"cmdCalc_3", 9.75},  {"cmdCalc_6", 12},    {"cmdCalc_24", 12},
                {"cmdCalc_25", 13.5}, {"cmdCalc_23", 13.5}, {"cmdCalc_7", 9.75}};
    for (const auto& key : keys) {
        QFont font = f.Find<QPushButton>(key.name)->font();
        QCOMPARE(font.pointSizeF(), key.points);
        QVERIFY(font.bold());
    }
    // Metric-compatible stand-ins for the design's fonts.
    QCOMPARE(f.Find<QLabel>("lblQnbWeb_1")->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(f.Find<QLabel>("lblBeV_0")->font().pointSizeF(), 8.25);
    QVERIFY(f.Find<QLabel>("lblBeV_9")->font().bold());
    QVERIFY(!f.Find<QLabel>("lblBeV_8")->font().bold());

    for (const char* name : {"txtBeV_7", "txtBeV_9", "txtCalRpy_4", "txtCalPrn_4"})
        QVERIFY2(f.Find<QLineEdit>(name)->font().bold(), name);
    QCOMPARE(f.Find<QLineEdit>("txtBeV_7")->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(f.Find<QLineEdit>("txtBeV_9")->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(f.Find<QLineEdit>("txtBeV_0")->alignment() & Qt::AlignRight);
    QVERIFY(f.Find<QLineEdit>("txtCalPrn_4")->alignment() & Qt::AlignRight);
}

void WindowTest::captionLabelsNameTheirFieldsForScreenReaders()
{
    WindowFixture f;
    const struct
    {
        const char* label;
        const char* field;
    } pairs[] = {
        {"lblBeV_0", "txtBeV_0"},       {"lblBeV_7", "txtBeV_7"},
        {"lblBeV_9", "txtBeV_9"},       {"lblCalRpy_0", "txtCalRpy_0"},
        {"lblCalRpy_5", "cboIntRat_2"}, {"lblCalRpy_6", "cboIntRat_0"},
        {"lblCalRpy_3", "cboCalRpy_3"}, {"lblCalPrn_5", "cboIntRat_3"},
        {"lblCalPrn_6", "cboIntRat_1"}, {"lblCalPrn_1", "cboCalPrn_1"},
        {"lblCalPrn_4", "txtCalPrn_4"},
    };
    for (const auto& pair : pairs) {
        auto* field = f.window->findChild<QWidget*>(QString::fromLatin1(pair.field));
        QCOMPARE(f.Find<QLabel>(pair.label)->buddy(), field);
        // The caption names the field; an explicit name would hide it.
        QVERIFY2(field->accessibleName().isEmpty(), pair.field);
        QVERIFY2(field->accessibleDescription().isEmpty(), pair.field);
    }
    QCOMPARE(f.Find<QLabel>("lblDisplay")->accessibleDescription(), QStringLiteral("Display"));
    for (const char* name : {"txtBeV_4", "txtBeV_9", "txtCalRpy_4", "txtCalPrn_4"}) {
        auto* result = f.Find<QLineEdit>(name);
        QVERIFY2(result->isReadOnly(), name);
        QVERIFY2(!(result->focusPolicy() & Qt::TabFocus), name);
    }
    QVERIFY(!f.Find<QComboBox>("cboIntRat_0")->isEditable());
}

void WindowTest::atStartTheCalculatorPageIsShown()
{
    WindowFixture f;
    QCOMPARE(f.window->tabOptions->Selected(), 1);
    QVERIFY(f.window->calculatorPageActive);
    QVERIFY(!f.window->breakEvenPageActive && !f.window->loanPageActive);
    QVERIFY(!f.window->loanPagePrepared);
    QCOMPARE(platform::ContainerLeftTwips(f.window->picOptions[0]), 210);
    QVERIFY(f.window->picOptions[0]->isEnabled());
    for (std::int16_t i = 1; i < 5; ++i) {
        QCOMPARE(platform::ContainerLeftTwips(f.window->picOptions[i]), -20000);
        QVERIFY(!f.window->picOptions[i]->isEnabled());
    }
}

void WindowTest::pageSwitchSetsOneFlagAndHidesTheOtherPages_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("flags"); // calculator, break-even, loan, talk to us
    QTest::newRow("Calculator") << 1 << "1000";
    QTest::newRow("Break Even") << 2 << "0100";
    QTest::newRow("Loan Calculator") << 3 << "0010";
    QTest::newRow("Talk to Us") << 4 << "0001";
    QTest::newRow("Disclaimer") << 5 << "0000";
}

void WindowTest::pageSwitchSetsOneFlagAndHidesTheOtherPages()
{
    QFETCH(int, tab);
    QFETCH(QString, flags);
    WindowFixture f;
    // Away first, so that every row is a change of the selected tab.
    f.window->tabOptions->Select(tab == 5 ? 4 : 5);
    QTest::mouseClick(f.window->tabOptions->Bar(), Qt::LeftButton, {},
                      f.window->tabOptions->Bar()->tabRect(tab - 1).center());
    QCOMPARE(f.window->tabOptions->Selected(), tab);
    const QString actual = QString::number(f.window->calculatorPageActive) +
        QString::number(f.window->breakEvenPageActive) + QString::number(f.window->loanPageActive) +
        QString::number(f.window->talkToUsPageActive);
    QCOMPARE(actual, flags);
    for (std::int16_t i = 0; i < 5; ++i) {
        QWidget* page = f.window->picOptions[i];
        const bool shown = i == tab - 1;
        QCOMPARE(platform::ContainerLeftTwips(page), shown ? 210 : -20000);
        QCOMPARE(page->isEnabled(), shown);
        QCOMPARE(page->isVisible(), shown);
    }
    QCOMPARE(f.window->loanPagePrepared, tab == 3);
    // The bottom link shows with every page.
    QVERIFY(f.Find<QLabel>("lblQnbWeb_0")->isVisible());
}

void WindowTest::tabReachesOnlyTheShownPage_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 1; tab <= 5; ++tab)
        QTest::newRow(qPrintable(QString::number(tab))) << tab;
}

void WindowTest::tabReachesOnlyTheShownPage()
{
    QFETCH(int, tab);
    WindowFixture f;
    f.window->tabOptions->Select(tab);
    QWidget* page = f.window->picOptions[static_cast<std::int16_t>(tab - 1)];
    f.window->tabOptions->Bar()->setFocus();
    QSet<QWidget*> reached;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        reached.insert(focus);
        const bool onPage = page->isAncestorOf(focus);
        const bool onWindow =
            focus == f.window->tabOptions->Bar() || focus == f.Find<QWidget>("lblQnbWeb_0");
        QVERIFY2(onPage || onWindow, qPrintable(focus->objectName()));
    }
    if (tab == 1)
        QVERIFY(reached.contains(f.Find<QPushButton>("cmdCalc_27")));
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

void WindowTest::panelsAreColouredAtLoad()
{
    WindowFixture f;
    QCOMPARE(f.window->shpVexmr[0]->OutlineColor(), QColor(34, 139, 34));
    QCOMPARE(f.window->shpVexmr[0]->FillColor(), QColor(143, 188, 143));
    QCOMPARE(f.window->shpVexmr[1]->OutlineColor(), QColor(205, 133, 63));
    QCOMPARE(f.window->shpVexmr[1]->FillColor(), QColor(Qt::white));
    QCOMPARE(f.window->shpBeVAny[2]->FillColor(), QColor(245, 222, 179));
    QCOMPARE(f.window->shpLonCal[2]->OutlineColor(), QColor(34, 139, 34));
    // The Disclaimer's panel keeps its design colours.
    QCOMPARE(f.window->shpVexmr[2]->OutlineColor(), QColor(192, 192, 192));
}

void WindowTest::linksOpenTheirAddressesFromAnyPage()
{
    WindowFixture f;
    const QString site = QStringLiteral("https://www.quenbry.com");
    for (int tab = 1; tab <= 5; ++tab) {
        f.window->tabOptions->Select(tab);
        QTest::mouseClick(f.Find<QLabel>("lblQnbWeb_0"), Qt::LeftButton);
        QCOMPARE(f.services.openedUrls.last(), site);
        QCOMPARE(f.window->tabOptions->Selected(), tab);
    }
    f.window->tabOptions->Select(4);
    // The picture is read on this first visit.
    QCOMPARE(f.Find<QLabel>("imgQnfSut")->pixmap().size(), QSize(174, 203));
    const struct
    {
        const char* name;
        const char* address;
    } links[] = {
        {"lblQnbWeb_1", "https://www.quenbry.com"},
        {"lblQnbWeb_2", "https://www.facebook.com/Quenbry"},
        {"lblQnbWeb_3", "https://twitter.com/intent/tweet?screen_name=Quenbry"},
        {"lblQnbWeb_4", "https://quenbry.blogspot.com"},
    };
    for (const auto& link : links) {
        f.services.openedUrls.clear();
        auto* label = f.Find<QLabel>(link.name);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(
            f.services.openedUrls,
            QStringList({QString::fromLatin1(link.address), QString::fromLatin1(link.address)}));
        QCOMPARE(f.window->linkTarget, QString::fromLatin1(link.address));
    }
    // The keyboard opens a link as well.
    f.services.openedUrls.clear();
    f.Find<QLabel>("lblQnbWeb_4")->setFocus();
    QTest::keyClick(f.Find<QLabel>("lblQnbWeb_4"), Qt::Key_Return);
    QCOMPARE(f.services.openedUrls, QStringList({QStringLiteral("https://quenbry.blogspot.com")}));
    QVERIFY(f.services.messages.empty());
}

void WindowTest::closingEndsWithoutWritingAFile()
{
    for (int tab = 1; tab <= 5; ++tab) {
        WindowFixture f;
        f.window->tabOptions->Select(tab);
        QVERIFY(f.window->close());
        QVERIFY(!f.window->isVisible());
        QVERIFY(QDir(f.logFolder.path()).isEmpty());
        QVERIFY(f.services.messages.empty());
    }
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::WindowTest)
#include "window_test.moc"
