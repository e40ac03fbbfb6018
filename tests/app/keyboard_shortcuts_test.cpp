// The window's keyboard: calculator keys by key code and by character, each physical key acting
// once, the focus moving to the pressed key, Ctrl+Tab through every page and sub-page, and keys
// on the other pages reaching the focused control untouched; F1 opening the Help window.
#include "calculator/core/calculator_engine.h"
#include "calculator/ui/calculator_page.h"
#include "platform/text.h"
#include "shell/core/help_text.h"
#include "support/window_fixture.h"

#include <QDialog>
#include <QTabBar>
#include <QTextBrowser>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// One physical key press as the desktop reports it: Qt's key, the modifiers and the text typed.
struct Stroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// "KP" and a character: that keypad key; a lone character: as a US keyboard types it, capitals
// and "+", "*", "%" with Shift; else a named key.
Stroke StrokeFor(const QString& token)
{
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
        {"CtrlShiftAltTab",
         {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, ""}},
    };
    const bool keypad = token.size() == 3 && token.startsWith(QLatin1String("KP"));
    if (token.size() == 1 || keypad) {
        const QChar c = token.back();
        Qt::KeyboardModifiers modifiers = Qt::KeypadModifier;
        if (!keypad)
            modifiers = c.isUpper() || QStringLiteral("+*%").contains(c) ? Qt::ShiftModifier
                                                                         : Qt::NoModifier;
        return {static_cast<Qt::Key>(c.toUpper().unicode()), modifiers, QString(c)};
    }
    if (!named.contains(token))
        qFatal("no stroke is named %s", qPrintable(token));
    return named.value(token);
}

// Sends the strokes to the focused control, as the desktop does.
void Type(const WindowFixture& f, const QString& strokes)
{
    for (const QString& token : strokes.split(' ', Qt::SkipEmptyParts)) {
        const Stroke stroke = StrokeFor(token);
        QWidget* focused = f.window->focusWidget();
        QTest::sendKeyEvent(QTest::Click, focused != nullptr ? focused : f.window.get(), stroke.key,
                            stroke.text, stroke.modifiers);
    }
}

} // namespace

class KeyboardShortcutsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysWorkTheCalculator_data()
    {
        QTest::addColumn<QString>("strokes");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("focus"); // the index of the pad key that has the focus at the end
        QTest::addColumn<int>("beeps");

        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        // clang-format off
        row("main row")                   << "1 2 . 3"                << "12.3" << 15 << 0;
        row("keypad digits")              << "KP1 KP2 KP0"            << "120." << 27 << 0;
        // Each key presses its calculator key once: the keypad point beeps only when second.
        row("keypad operators once")      << "KP9 KP- KP2 KP* 3 KPEnter" << "6." << 23 << 0;
        row("keypad point, comma too")    << "1 KP. 5 KP,"            << "1.5"  << 25 << 1;
        row("Enter presses = once")       << "2 + 3 Enter"            << "5."   << 23 << 0;
        row("Escape clears")              << "5 + 3 Esc"              << "0."   <<  2 << 0;
        row("Delete clears the entry")    << "5 + 3 Del 4 Enter"      << "9."   << 23 << 0;
        row("Backspace")                  << "1 2 3 BS"               << "12."  <<  0 << 0;
        row("s is sqrt")                  << "9 s"                    << "3."   <<  7 << 0;
        row("r is 1/x")                   << "4 r"                    << ".25"  << 17 << 0;
        row("x is 1/x")                   << "4 x"                    << ".25"  << 17 << 0;
        row("P is %")                     << "2 0 0 + 1 0 P Enter"    << "220." << 23 << 0;
        row("other letters do nothing")   << "7 a c q"                << "7."   <<  3 << 0;
        // A digit key held with Shift presses no digit: only the character it types acts.
        row("Shift+8 is *")               << "5 * 3 Enter"            << "15."  << 23 << 0;
        row("Shift+8 by key code is *")   << "5 Shift8 3 Enter"       << "15."  << 23 << 0;
        row("AZERTY shifted digit")       << "1 Fr2"                  << "12."  << 14 << 0;
        // clang-format on
    }

    void keysWorkTheCalculator()
    {
        QFETCH(QString, strokes);
        QFETCH(QString, display);
        QFETCH(int, focus);
        QFETCH(int, beeps);
        WindowFixture f;
        QVERIFY(f.exposed);
        Type(f, strokes);
        QCOMPARE(f.Display(), display);
        QVERIFY(f.window->focusWidget() != nullptr);
        QCOMPARE(f.window->focusWidget()->objectName(), QStringLiteral("cmdCalc_%1").arg(focus));
        QCOMPARE(f.services.beeps, beeps);
        QVERIFY(f.services.messages.empty());
    }

    // Every button and tab of every page and sub-page is reached by its access key, pressed as
    // often as other controls share it; the page's own controls come before a tab that leaves.
    void accessKeysReachEveryButtonAndTab()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
        frmVexmoor& w = *f.window;
        const QList<QList<int>> states = {{1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}, {3, 1, 1},
                                          {3, 1, 2}, {3, 1, 3}, {4, 1, 1}, {5, 1, 1}};
        const char* strips[] = {"tabOptions", "tabOptions1", "tabOptions2"};
        for (const QList<int>& state : states) {
            const auto show = [&] {
                for (int s = 0; s < 3; ++s)
                    Strip(w, strips[s])->Select(state[s]);
            };
            show();
            QList<QPair<QWidget*, int>> targets;
            for (QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
                if (button->isVisible() && button->text().contains('&'))
                    targets.append({button, -1});
            }
            for (QTabBar* bar : w.findChildren<QTabBar*>()) {
                for (int tab = 0; bar->isVisible() && tab < bar->count(); ++tab) {
                    if (bar->tabText(tab).contains('&'))
                        targets.append({bar, tab});
                }
            }
            for (const auto& [target, tab] : targets) {
                show();
                auto* bar = qobject_cast<QTabBar*>(target);
                const QString caption =
                    bar ? bar->tabText(tab) : static_cast<QAbstractButton*>(target)->text();
                const int key = QKeySequence::mnemonic(caption)[0].key();
                const auto reached = [&] {
                    return w.focusWidget() == target && (!bar || bar->currentIndex() == tab);
                };
                for (int press = 0; press < 4 && !reached(); ++press) {
                    const auto before = Strip(w, "tabOptions")->Selected();
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
        // A key shared with a main tab stays on the page first: Alt+L on the Parameters
        // sub-page reaches "Calculate Break Even Units", only the next press the Loan tab.
        Strip(w, "tabOptions")->Select(2);
        Strip(w, "tabOptions1")->Select(1);
        QTest::keyClick(&w, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(w.focusWidget(), Named<QWidget>(w, "cmdCalBeV"));
        QVERIFY(w.breakEvenPageActive);
        QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        QCOMPARE(Named<QLineEdit>(w, "txtBeV", 9)->text(), QStringLiteral("0"));
        QTest::keyClick(w.focusWidget(), Qt::Key_L, Qt::AltModifier);
        QVERIFY(w.loanPageActive);
    }

    // Arriving on a page with sub-pages moves its sub tab on by one; two rounds wrap them.
    // Ctrl+Shift+Tab then walks the same states back; Ctrl+Alt+Tab changes nothing.
    void ctrlTabCyclesPagesAndSubPages()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
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
            Type(f, QStringLiteral("CtrlAltTab CtrlShiftAltTab"));
            QCOMPARE(tabs(), steps[i - 1]);
            QCOMPARE(w.focusWidget(), focused);
            Type(f, QStringLiteral("CtrlTab"));
            QCOMPARE(tabs(), steps[i]);
            QCOMPARE(w.calculatorPageActive, steps[i][0] == 1);
            QVERIFY(Named<QWidget>(w, "picOptions", steps[i][0] - 1)->isEnabled());
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
        QVERIFY(f.exposed);
        frmVexmoor& w = *f.window;
        for (int page : {3, 4, 5, 2}) {
            Strip(w, "tabOptions")->Select(page);
            QLineEdit* units = Named<QLineEdit>(w, "txtBeV", 0);
            if (page == 2) {
                units->setFocus();
                QTRY_COMPARE(w.focusWidget(), static_cast<QWidget*>(units));
                units->clear();
            }
            Type(f, QStringLiteral("9 KP9 s r x P % * Shift8 KP+ KP. BS Enter Esc"));
            QCOMPARE(Strip(w, "tabOptions")->Selected(), page);
            QCOMPARE(w.Calculator().State(), CalculatorState {});
            QCOMPARE(f.Display(), QStringLiteral("0."));
            QCOMPARE(f.services.beeps, 0);
            if (page == 2)
                QCOMPARE(units->text(), QStringLiteral("99srxP%**+"));
        }
    }

    // F1 opens the Help window beside the main one, without blocking it, with the version and
    // the keyboard table; Esc closes it, and F1 again shows the same window.
    void f1OpensHelpAndEscClosesIt()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
        for (int round = 0; round < 2; ++round) {
            QTest::keyClick(f.window->focusWidget(), Qt::Key_F1);
            const auto helps = f.window->findChildren<QDialog*>(QStringLiteral("helpWindow"));
            QCOMPARE(helps.size(), 1);
            QDialog* help = helps.front();
            QTRY_VERIFY(help->isVisible());
            QVERIFY(!help->isModal());
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            auto* text = help->findChild<QTextBrowser*>();
            QVERIFY(text->toPlainText().contains(QStringLiteral(VEXMOOR_VERSION)));
            QVERIFY(text->toPlainText().contains(platform::ToQString(HelpKeys().back().action)));
            QTest::keyClick(text, Qt::Key_Escape);
            QTRY_VERIFY(!help->isVisible());
        }
    }
    // Each key of the pad clicked after "4" acts as its caption says; a key wired to another index
    // would not.
    void everyKeyOfThePadIsConnected()
    {
        WindowFixture f;
        const auto keys = Array<QPushButton>(*f.window, "cmdCalc");
        QCOMPARE(keys.size(), std::size_t {23});
        QPushButton* four = f.Find<QPushButton>("cmdCalc_8");
        QCOMPARE(four->text(), QStringLiteral("4"));
        for (const auto& [index, key] : keys) {
            f.window->Calculator().SetState({});
            CalculatorState expected;
            for (QPushButton* pressed : {four, key}) {
                QTest::mouseClick(pressed, Qt::LeftButton);
                PressCalculatorKey(expected, pressed->text().toStdString());
            }
            QVERIFY2(f.window->Calculator().State() == expected, qPrintable(key->text()));
            QCOMPARE(f.Display().toStdString(), CalculatorDisplay(expected));
        }
    }

    // A second point beeps; an overflow is reported under "cmdCalcClick" with the display kept,
    // and the calculator works on afterwards.
    void beepAndOverflowKeepTheDisplay()
    {
        WindowFixture f;
        const QString shown = "1" + QString(200, '0') + ".";
        Type(f, "1 " + QString("0 ").repeated(200) + ". . *");
        QCOMPARE(f.services.beeps, 1);
        QCOMPARE(f.Display(), shown);
        Type(f, "="); // squared: beyond the double range
        QCOMPARE(f.services.MessageTexts(), QStringList {" [frmVexmoor] Overflow {6}"});
        QCOMPARE(f.services.messages.front().title, QStringLiteral("System Support"));
        QCOMPARE(f.services.LogLines(),
                 QStringList {"12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position "
                              "(cmdCalcClick) -> Overflow {6}"});
        QCOMPARE(f.Display(), shown);
        Type(f, "= Esc 2 + 3 =");
        QCOMPARE(f.services.messages.size(), std::size_t {2});
        QCOMPARE(f.Display(), QStringLiteral("5."));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::KeyboardShortcutsTest)
#include "keyboard_shortcuts_test.moc"
