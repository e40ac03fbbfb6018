// The main window through its real widgets: the pages and their switch, access keys, links,
// closing, pages made late with their controls and Tab order; and its keyboard: the
// calculator keys, Ctrl+Tab through every page and sub-page, keys on other pages, F1 for Help.
#include "calculator/core/calculator_engine.h"
#include "calculator/ui/calculator_page.h"
#include "loan/ui/loan_page.h"
#include "platform/text.h"
#include "platform/widgets/container.h"
#include "platform/widgets/shape_panel.h"
#include "platform/widgets/twips.h"
#include "shell/core/help_text.h"
#include "support/window_fixture.h"

#include <QDialog>
#include <QDir>
#include <QTextBrowser>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// What a user and a screen reader can tell of a control.
QString Describe(const QWidget* widget)
{
    QString text;
    QDebug(&text) << widget->metaObject()->className() << widget->geometry()
                  << widget->isVisibleTo(widget->window()) << widget->font();
    for (const char* property : {"enabled", "toolTip", "text", "readOnly", "currentIndex"})
        text += QLatin1Char(' ') + widget->property(property).toString();
    if (auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
        text += " buddy=" + label->buddy()->objectName();
    if (auto* panel = qobject_cast<const platform::ShapePanel*>(widget))
        text += " colours=" + panel->OutlineColor().name() + panel->FillColor().name();
    return text;
}

QStringList Controls(const frmVexmoor& window)
{
    QStringList controls;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            controls << widget->objectName() + ": " + Describe(widget);
    controls.sort();
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

// Sends key presses to the focused control as the desktop reports them (Qt's key, the modifiers,
// the text typed): "KP" and a character is that keypad key; a lone character as a US keyboard
// types it, capitals and "+", "*", "%" with Shift; else a named key.
void Type(const WindowFixture& f, const QString& strokes)
{
    using Stroke = std::tuple<int, Qt::KeyboardModifiers, QString>;
    static const QHash<QString, Stroke> named {
        {"Enter", {Qt::Key_Return, {}, "\r"}},
        {"Esc", {Qt::Key_Escape, {}, "\x1b"}},
        {"Del", {Qt::Key_Delete, {}, "\x7f"}},
        {"BS", {Qt::Key_Backspace, {}, "\b"}},
        {"KPEnter", {Qt::Key_Enter, Qt::KeypadModifier, "\r"}},
        // The digit key's own code with the symbol Shift types on a US keyboard.
        {"Shift8", {Qt::Key_8, Qt::ShiftModifier, "*"}},
        // French AZERTY types the digits with Shift.
        {"Fr2", {Qt::Key_2, Qt::ShiftModifier, "2"}},
        {"CtrlTab", {Qt::Key_Tab, Qt::ControlModifier, ""}},
        {"CtrlShiftTab", {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ""}},
        {"CtrlAltTab", {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, ""}},
    };
    for (const QString& token : strokes.split(' ', Qt::SkipEmptyParts)) {
        Stroke stroke = named.value(token);
        const QChar c = token.back();
        if (token.size() == 3 && token.startsWith(QLatin1String("KP")))
            stroke = {c.unicode(), Qt::KeypadModifier, QString(c)};
        else if (token.size() == 1)
            stroke = {c.toUpper().unicode(),
                      c.isUpper() || QStringLiteral("+*%").contains(c) ? Qt::ShiftModifier
                                                                       : Qt::NoModifier,
                      QString(c)};
        else if (!named.contains(token))
            qFatal("no stroke is named %s", qPrintable(token));
        const auto& [key, modifiers, text] = stroke;
        QWidget* focused = f.window->focusWidget();
        QTest::sendKeyEvent(QTest::Click, focused ? focused : f.window.get(),
                            static_cast<Qt::Key>(key), text, modifiers);
    }
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each page shows alone (the others disabled, so that Tab and access keys pass them by), with
    // its flag; the bottom link works on every page; the window closes (its close button or
    // Ctrl+Q) and leaves no file behind.
    void eachPageShowsAloneAndClosesWithoutAFile()
    {
        for (int tab = 1; tab <= 5; ++tab) {
            WindowFixture f;
            frmVexmoor& w = *f.window;
            platform::TabStrip* strip = Strip(w, "tabOptions");
            strip->Select(tab == 5 ? 4 : 5); // away first, so that every tab is a change
            ClickTab(strip, tab);
            QCOMPARE(strip->Selected(), tab);
            QCOMPARE((QList<bool> {w.calculatorPageActive, w.breakEvenPageActive, w.loanPageActive,
                                   w.talkToUsPageActive}),
                     (QList<bool> {tab == 1, tab == 2, tab == 3, tab == 4}));
            QCOMPARE(w.Loan().Prepared(), tab == 3);
            for (int i = 0; i < 5; ++i) {
                QWidget* page = Named<QWidget>(w, "picOptions", i);
                const bool shown = i == tab - 1;
                QCOMPARE(QList<int>({platform::ContainerLeftTwips(page), page->isEnabled(),
                                     page->isVisible()}),
                         QList<int>({shown ? 210 : -20000, shown, shown}));
            }
            QTest::mouseClick(f.Find("lblQnbWeb_0"), Qt::LeftButton);
            QCOMPARE(f.services.openedUrls, QStringList {"https://www.quenbry.com"});
            QCOMPARE(strip->Selected(), tab);

            if (tab % 2 == 0)
                QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
            else
                QVERIFY(w.close());
            QVERIFY(!w.isVisible());
            QVERIFY(QDir(f.logFolder.path()).isEmpty() && f.services.messages.empty());
        }
    }

    // The links of the Talk to Us page, by mouse and by keyboard.
    void linksOpenTheirAddresses()
    {
        WindowFixture f;
        Strip(*f.window, "tabOptions")->Select(4);
        QStringList addresses {"https://www.quenbry.com", "https://www.facebook.com/Quenbry",
                               "https://twitter.com/intent/tweet?screen_name=Quenbry",
                               "https://quenbry.blogspot.com"};
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseClick(Named<QLabel>(*f.window, "lblQnbWeb", i), Qt::LeftButton);
            QCOMPARE(f.window->linkTarget, addresses[i - 1]);
        }
        const QImage unfocused = f.Find("lblQnbWeb_2")->grab().toImage();
        f.window->setAttribute(Qt::WA_KeyboardFocusChange); // as the Tab key sets it
        f.Find("lblQnbWeb_2")->setFocus();
        QVERIFY(f.Find("lblQnbWeb_2")->grab().toImage() != unfocused); // the focus shows
        QTest::keyClick(f.Find("lblQnbWeb_2"), Qt::Key_Return);
        QCOMPARE(f.services.openedUrls, addresses + QStringList {addresses[1]});
    }

    // The design's figures for a sample: the display's place, size, font and colours, a panel's
    // fill and a key's font. (Fit and contrast in every theme: readability_test.)
    void looksFollowTheDesign()
    {
        WindowFixture f;
        auto* display = f.Find<QLabel>("lblDisplay");
        QCOMPARE(display->geometry(), platform::TwipsRect(240, 240, 6600, 870));
        QCOMPARE(display->font().pointSizeF(), 33.0);
        QCOMPARE(display->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(Named<platform::ShapePanel>(*f.window, "shpVexmr", 0)->FillColor(),
                 QColor(143, 188, 143));
        const QFont key = f.Find<QPushButton>("cmdCalc_23")->font();
        QVERIFY(key.bold() && key.pointSizeF() == 13.5);
    }

    // Pages made late (on their first visit, or once the window has been painted) end up as if
    // made at once, and work at once.
    void pagesMadeLateMatchPagesMadeAtOnce()
    {
        WindowFixture atOnce;
        Strip(*atOnce.window, "tabOptions")->Select(3);
        Strip(*atOnce.window, "tabOptions")->Select(1);
        // Before the window is painted only the calculator page exists; the loan page is visited
        // then, so the pages are made out of order.
        WindowFixture later(frmVexmoor::PageBuilding::OnFirstVisit, false);
        for (int page = 0; page < kMainPageCount; ++page)
            QCOMPARE(later.window->PageBuilt(static_cast<MainPage>(page)), page == 0);
        Strip(*later.window, "tabOptions")->Select(3);
        QVERIFY(later.window->Loan().Prepared() && later.window->Loan().RepaymentPageActive());
        Strip(*later.window, "tabOptions")->Select(1);
        QVERIFY(!later.window->PageBuilt(MainPage::BreakEven));
        later.Show();
        QTRY_VERIFY(later.window->PageBuilt(MainPage::BreakEven) &&
                    later.window->PageBuilt(MainPage::TalkToUs) &&
                    later.window->PageBuilt(MainPage::Disclaimer));

        QCOMPARE(Controls(*later.window), Controls(*atOnce.window));
        QCOMPARE(FocusChain(*later.window), FocusChain(*atOnce.window));
        later.EnterBreakEven({"100", "10", "6", "1000"});
        QCOMPARE(later.Field("txtBeV", 9)->text(), QStringLiteral("250"));
        QCOMPARE(later.ListBox("lstBev")->Count(), 101);
        QVERIFY(later.services.messages.empty());
    }

    // Keys typed on the calculator page: the display, the pad key with the focus at the end, and
    // the beeps.
    void keysWorkTheCalculator()
    {
        const std::tuple<const char*, const char*, int, int> rows[] = {
            // clang-format off
            {"1 2 . 3", "12.3", 15, 0},
            {"KP1 KP2 KP0", "120.", 27, 0},
            // Each key presses its calculator key once: the keypad point beeps only when second.
            {"KP9 KP- KP2 KP* 3 KPEnter", "6.", 23, 0},
            {"1 KP. 5 KP,", "1.5", 25, 1},
            {"5 + 3 Esc", "0.", 2, 0},
            {"5 + 3 Del 4 Enter", "9.", 23, 0},
            {"1 2 3 BS", "12.", 0, 0},
            {"9 s", "3.", 7, 0},                    // s is sqrt
            {"4 r", ".25", 17, 0},                  // r and x are 1/x
            {"4 x", ".25", 17, 0},
            {"2 0 0 + 1 0 P Enter", "220.", 23, 0}, // P is %
            {"7 a c q", "7.", 3, 0},                // other letters do nothing
            // A digit key held with Shift presses no digit: only the character it types acts.
            {"5 Shift8 3 Enter", "15.", 23, 0},
            {"1 Fr2", "12.", 14, 0},                // AZERTY's shifted digit
            // clang-format on
        };
        for (const auto& [strokes, display, focus, beeps] : rows) {
            WindowFixture f;
            Type(f, strokes);
            const QWidget* focused = f.window->focusWidget();
            QCOMPARE(QStringList({strokes, f.Display(), focused ? focused->objectName() : "",
                                  QString::number(f.services.beeps)}),
                     QStringList({strokes, display, "cmdCalc_" + QString::number(focus),
                                  QString::number(beeps)}));
            QVERIFY(f.services.messages.empty());
        }
    }

    // Every button and tab of every page and sub-page is reached by its access key, pressed as
    // often as other controls share it; the page's own controls come before a tab that leaves.
    // Those of hidden pages do nothing.
    void accessKeysReachEveryButtonAndTab()
    {
        WindowFixture f;
        frmVexmoor& w = *f.window;
        // Alt+R: "Calculate &Repayment" and the "&Repayment " sub tab, both on the hidden loan
        // page.
        f.Find("cmdCalc_3")->setFocus();
        QTest::keyClick(w.focusWidget(), Qt::Key_R, Qt::AltModifier);
        QVERIFY(w.focusWidget() == f.Find("cmdCalc_3") && w.calculatorPageActive);
        const QList<QList<int>> states = {{1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}, {3, 1, 1},
                                          {3, 1, 2}, {3, 1, 3}, {4, 1, 1}, {5, 1, 1}};
        const char* strips[] = {"tabOptions", "tabOptions1", "tabOptions2"};
        for (const QList<int>& state : states) {
            const auto show = [&] {
                for (int s = 0; s < 3; ++s)
                    Strip(w, strips[s])->Select(state[s]);
            };
            show();
            QList<std::tuple<QWidget*, int, QString>> targets; // a tab's index, or -1; the caption
            for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
                if (button->isVisible() && button->text().contains('&'))
                    targets.append({button, -1, button->text()});
            for (QTabBar* bar : w.findChildren<QTabBar*>())
                for (int tab = 0; bar->isVisible() && tab < bar->count(); ++tab)
                    if (bar->tabText(tab).contains('&'))
                        targets.append({bar, tab, bar->tabText(tab)});
            for (const auto& [target, tab, caption] : targets) {
                show();
                auto* bar = qobject_cast<QTabBar*>(target);
                const int key = QKeySequence::mnemonic(caption)[0].key();
                const auto reached = [&] {
                    return w.focusWidget() == target && (!bar || bar->currentIndex() == tab);
                };
                for (int press = 0; press < 4 && !reached(); ++press) {
                    const int before = Strip(w, "tabOptions")->Selected();
                    QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w,
                                    static_cast<Qt::Key>(key), Qt::AltModifier);
                    // A button reached this way waits for Space or Enter.
                    QVERIFY(f.services.messages.empty());
                    if (!reached() && Strip(w, "tabOptions")->Selected() != before)
                        QVERIFY2(bar && bar->objectName() == "tabOptions", qPrintable(caption));
                }
                QVERIFY2(reached(),
                         qPrintable(caption + QStringLiteral(" on page %1").arg(state[0])));
            }
        }
    }

    // Arriving on a page with sub-pages moves its sub tab on by one; two rounds wrap them.
    // Ctrl+Shift+Tab then walks the same states back; Ctrl+Alt+Tab changes nothing.
    void ctrlTabCyclesPagesAndSubPages()
    {
        WindowFixture f;
        frmVexmoor& w = *f.window;
        const auto tabs = [&w] {
            return QList<int> {Strip(w, "tabOptions")->Selected(),
                               Strip(w, "tabOptions1")->Selected(),
                               Strip(w, "tabOptions2")->Selected()};
        };
        const QList<QList<int>> steps = {
            {1, 1, 1}, {2, 2, 1}, {3, 2, 2}, {4, 2, 2}, {5, 2, 2}, {1, 2, 2}, {2, 3, 2}, {3, 3, 3},
            {4, 3, 3}, {5, 3, 3}, {1, 3, 3}, {2, 1, 3}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {1, 1, 1},
        };
        QCOMPARE(tabs(), steps.front());
        for (qsizetype i = 1; i < steps.size(); ++i) {
            QWidget* focused = w.focusWidget();
            Type(f, QStringLiteral("CtrlAltTab"));
            QCOMPARE(tabs(), steps[i - 1]);
            QCOMPARE(w.focusWidget(), focused);
            Type(f, QStringLiteral("CtrlTab"));
            QCOMPARE(tabs(), steps[i]);
            QCOMPARE(w.calculatorPageActive, steps[i][0] == 1);
        }
        for (qsizetype i = steps.size() - 1; i > 0; --i) {
            Type(f, QStringLiteral("CtrlShiftTab"));
            QCOMPARE(tabs(), steps[i - 1]);
            QVERIFY(Named<QWidget>(w, "picOptions", steps[i - 1][0] - 1)->isEnabled());
        }
        QVERIFY(f.services.messages.empty());
        QCOMPARE(f.Display(), QStringLiteral("0."));
    }

    // On the other pages keys reach the focused control unchanged and press no calculator key.
    void keysOnOtherPagesLeaveTheCalculator()
    {
        WindowFixture f;
        for (int page : {3, 4, 5, 2}) {
            Strip(*f.window, "tabOptions")->Select(page);
            if (page == 2)
                TypeInto(f.Field("txtBeV", 0), ""); // the units field focused and emptied
            Type(f, QStringLiteral("9 KP9 s r x P % * Shift8 KP+ KP. BS Enter Esc"));
            QCOMPARE(Strip(*f.window, "tabOptions")->Selected(), page);
            QCOMPARE(f.window->Calculator().State(), CalculatorState {});
            QCOMPARE(f.Display(), QStringLiteral("0."));
            QCOMPARE(f.services.beeps, 0);
        }
        QCOMPARE(f.Field("txtBeV", 0)->text(), QStringLiteral("99srxP%**+"));
    }

    // F1 opens the Help window beside the main one, without blocking it, with the version and
    // the keyboard table; Esc closes it, and F1 again shows the same window.
    void f1OpensHelpAndEscClosesIt()
    {
        WindowFixture f;
        for (int round = 0; round < 2; ++round) {
            QTest::keyClick(f.window->focusWidget(), Qt::Key_F1);
            const auto helps = f.window->findChildren<QDialog*>(QStringLiteral("helpWindow"));
            QCOMPARE(helps.size(), 1);
            QTRY_VERIFY(helps.front()->isVisible());
            QVERIFY(!helps.front()->isModal() && QApplication::activeModalWidget() == nullptr);
            auto* text = helps.front()->findChild<QTextBrowser*>();
            QVERIFY(text->toPlainText().contains(QStringLiteral(VEXMOOR_VERSION)) &&
                    text->toPlainText().contains(platform::ToQString(HelpKeys().back().action)));
            QTest::keyClick(text, Qt::Key_Escape);
            QTRY_VERIFY(!helps.front()->isVisible());
        }
    }

    // Each key of the pad clicked after "4" acts as its caption says; a key wired to another index
    // would not.
    void everyKeyOfThePadIsConnected()
    {
        WindowFixture f;
        const auto keys = Array<QPushButton>(*f.window, "cmdCalc");
        QCOMPARE(keys.size(), std::size_t {23});
        for (const auto& [index, key] : keys) {
            f.window->Calculator().SetState({});
            CalculatorState expected;
            for (QPushButton* pressed : {f.Find<QPushButton>("cmdCalc_8"), key}) { // "4" first
                QTest::mouseClick(pressed, Qt::LeftButton);
                PressCalculatorKey(expected, pressed->text().toStdString());
            }
            QVERIFY2(f.window->Calculator().State() == expected, qPrintable(key->text()));
            QCOMPARE(f.Display().toStdString(), CalculatorDisplay(expected));
        }
    }

    // An overflow is reported under "cmdCalcClick" with the display kept, and the calculator
    // works on afterwards.
    void overflowKeepsTheDisplay()
    {
        WindowFixture f;
        Type(f, "1 " + QString("0 ").repeated(200) + "* =");
        QCOMPARE(f.services.MessageTexts(), QStringList {" [frmVexmoor] Overflow {6}"});
        QCOMPARE(f.services.LogLines(),
                 QStringList {"12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position "
                              "(cmdCalcClick) -> Overflow {6}"});
        QCOMPARE(f.Display(), "1" + QString(200, '0') + ".");
        Type(f, "= Esc 2 + 3 =");
        QCOMPARE(f.services.messages.size(), std::size_t {2});
        QCOMPARE(f.Display(), QStringLiteral("5."));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::WindowTest)
#include "window_test.moc"
