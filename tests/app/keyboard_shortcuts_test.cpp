// The window's keyboard: calculator keys by key code and by character, each physical key acting
// once, the focus moving to the pressed key, Ctrl+Tab through every page and sub-page, and keys
// on the other pages reaching the focused control untouched.
#include "platform/tab_strip.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using vexmoor::test::WindowFixture;

namespace vexmoor {

class KeyboardShortcutsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysWorkTheCalculator_data();
    void keysWorkTheCalculator();
    void ctrlTabCyclesPagesAndSubPages();
    void ctrlShiftTabAndCtrlAltTabDoNothing();
    void keysOnOtherPagesReachTheFocusedControl();
    void calculatorCharactersDoNothingOnOtherPages();
};

// One physical key press as the desktop reports it: Qt's key, the modifiers and the text typed.
struct Stroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// The strokes a test row names, blank-separated.
Stroke StrokeFor(const QString& token)
{
    static const QHash<QString, Stroke> named {
        // The keypad.
        {"KP+", {Qt::Key_Plus, Qt::KeypadModifier, "+"}},
        {"KP-", {Qt::Key_Minus, Qt::KeypadModifier, "-"}},
        {"KP*", {Qt::Key_Asterisk, Qt::KeypadModifier, "*"}},
        {"KP/", {Qt::Key_Slash, Qt::KeypadModifier, "/"}},
        {"KP.", {Qt::Key_Period, Qt::KeypadModifier, "."}},
        {"KP,", {Qt::Key_Comma, Qt::KeypadModifier, ","}}, // German keypad point
        {"KPEnter", {Qt::Key_Enter, Qt::KeypadModifier, "\r"}},
        // Editing keys.
        {"Enter", {Qt::Key_Return, Qt::NoModifier, "\r"}},
        {"Esc", {Qt::Key_Escape, Qt::NoModifier, "\x1b"}},
        {"Del", {Qt::Key_Delete, Qt::NoModifier, "\x7f"}},
        {"BS", {Qt::Key_Backspace, Qt::NoModifier, "\b"}},
        {"Space", {Qt::Key_Space, Qt::NoModifier, " "}},
        // Shifted keys of a US keyboard as X11 reports them, and as a positional key code.
        {"Shift8", {Qt::Key_8, Qt::ShiftModifier, "*"}},
        {"Shift9", {Qt::Key_9, Qt::ShiftModifier, "("}},
        // French AZERTY types the digits with Shift.
        {"Fr1", {Qt::Key_1, Qt::ShiftModifier, "1"}},
        {"Fr2", {Qt::Key_2, Qt::ShiftModifier, "2"}},
        {"Ctrl5", {Qt::Key_5, Qt::ControlModifier, "5"}},
    };
    if (named.contains(token))
        return named.value(token);
    // Keypad digits: KP0 to KP9.
    if (token.size() == 3 && token.startsWith(QLatin1String("KP")) && token.at(2).isDigit())
        return {static_cast<Qt::Key>(Qt::Key_0 + token.at(2).digitValue()), Qt::KeypadModifier,
                token.mid(2)};
    // A single character as a US keyboard types it: capitals and "+", "%", "*" with Shift.
    if (token.size() != 1)
        qFatal("no stroke is named %s", qPrintable(token));
    const QChar c = token.at(0);
    const bool shifted = c.isUpper() || QStringLiteral("+%*").contains(c);
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    return {key, shifted ? Qt::ShiftModifier : Qt::NoModifier, token};
}

QWidget* KeyTarget(const WindowFixture& f)
{
    QWidget* focused = f.window->focusWidget();
    return focused != nullptr ? focused : f.window.get();
}

void Type(const WindowFixture& f, const QString& strokes)
{
    for (const QString& token : strokes.split(' ', Qt::SkipEmptyParts)) {
        const Stroke stroke = StrokeFor(token);
        QTest::sendKeyEvent(QTest::Click, KeyTarget(f), stroke.key, stroke.text, stroke.modifiers);
    }
}

void CtrlKey(const WindowFixture& f, Qt::Key key, Qt::KeyboardModifiers extra = {})
{
    QTest::sendKeyEvent(QTest::Click, KeyTarget(f), key, QString(), Qt::ControlModifier | extra);
}

void KeyboardShortcutsTest::keysWorkTheCalculator_data()
{
    QTest::addColumn<QString>("strokes");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("focus"); // the index of the pad key that has the focus at the end
    QTest::addColumn<int>("beeps");

    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
    // clang-format off
    // By key code.
    row("main row digits")               << "1 2 3"                     << "123." << 15 << 0;
    row("keypad digits")                 << "KP1 KP2 KP0"               << "120." << 27 << 0;
    row("keypad operators once")         << "KP9 KP- KP2 KP* 3 KPEnter" << "6."   << 23 << 0;
    row("keypad divide")                 << "KP9 KP/ 2 Enter"           << "4.5"  << 23 << 0;
    row("keypad plus")                   << "1 KP+ 2 Enter Enter"       << "5."   << 23 << 0;
    row("keypad point does not beep")    << "1 KP. 5"                   << "1.5"  <<  9 << 0;
    row("keypad comma is the point")     << "1 KP, 5"                   << "1.5"  <<  9 << 0;
    row("second keypad point beeps")     << "1 KP. KP."                 << "1."   << 25 << 1;
    row("Enter presses = once")          << "2 + 3 Enter"               << "5."   << 23 << 0;
    row("keypad Enter")                  << "2 + 3 KPEnter KPEnter"     << "8."   << 23 << 0;
    row("Escape clears")                 << "5 + 3 Esc"                 << "0."   <<  2 << 0;
    row("Escape keeps operator")         << "5 + Esc 3 Enter"           << "3."   << 23 << 0;
    row("Delete clears entry")           << "5 + 3 Del 4 Enter"         << "9."   << 23 << 0;
    row("Backspace")                     << "1 2 3 BS"                  << "12."  <<  0 << 0;
    row("Ctrl and digit")                << "Ctrl5"                     << "5."   <<  9 << 0;
    // By character.
    row("s is sqrt")                     << "9 s"                       << "3."   <<  7 << 0;
    row("S is sqrt")                     << "9 S"                       << "3."   <<  7 << 0;
    row("r is 1/x")                      << "4 r"                       << ".25"  << 17 << 0;
    row("x is 1/x")                      << "4 x"                       << ".25"  << 17 << 0;
    row("P is %")                        << "2 0 0 + 1 0 P Enter"       << "220." << 23 << 0;
    row("% is %")                        << "2 0 0 + 1 0 %"             << "20."  << 12 << 0;
    row("= is =")                        << "2 + 3 ="                   << "5."   << 23 << 0;
    row("main row minus and slash")      << "9 - 3 = / 2 ="             << "3."   << 23 << 0;
    row("main row point")                << "1 . 5 ."                   << "1.5"  << 25 << 1;
    row("other letters do nothing")      << "7 a c q"                   << "7."   <<  3 << 0;
    // Shift on a digit key: only the typed character acts. "*" is Shift+8 as X11 reports it;
    // Shift8 and Shift9 are the digit keys' own codes with the symbol typed; French keyboards
    // type digits with Shift.
    row("Shift+8 is *")                  << "5 * 3 Enter"               << "15."  << 23 << 0;
    row("Shift+8 by key code is *")      << "5 Shift8 3 Enter"          << "15."  << 23 << 0;
    row("Shift+9 typing ( is nothing")   << "5 Shift9"                  << "5."   <<  9 << 0;
    row("AZERTY shifted digits")         << "Fr1 Fr2"                   << "12."  << 14 << 0;
    // Space is the focused key's own: it presses that key once.
    row("Space clicks the focused key")  << "7 Space"                   << "77."  <<  3 << 0;
    // clang-format on
}

void KeyboardShortcutsTest::keysWorkTheCalculator()
{
    QFETCH(QString, strokes);
    QFETCH(QString, display);
    QFETCH(int, focus);
    QFETCH(int, beeps);
    WindowFixture f;
    QVERIFY(f.exposed);
    QVERIFY(f.window->calculatorPageActive);
    Type(f, strokes);
    QCOMPARE(f.window->lblDisplay->text(), display);
    QVERIFY(f.window->focusWidget() != nullptr);
    QCOMPARE(f.window->focusWidget()->objectName(), QStringLiteral("cmdCalc_%1").arg(focus));
    QCOMPARE(f.services.beeps, beeps);
    QVERIFY(f.services.messages.empty());
}

void KeyboardShortcutsTest::ctrlTabCyclesPagesAndSubPages()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    frmVexmoor& w = *f.window;
    QCOMPARE(w.tabOptions->Selected(), 1);
    QCOMPARE(w.tabOptions1->Selected(), 1);
    QCOMPARE(w.tabOptions2->Selected(), 1);

    // After each Ctrl+Tab: the main tab, and the break-even and loan sub tabs. Arriving on a
    // page with sub-pages moves its sub tab on by one; two full rounds wrap the sub tabs.
    struct Step
    {
        int page, breakEven, loan;
    };
    const Step steps[] = {
        {2, 2, 1}, {3, 2, 2}, {4, 2, 2}, {5, 2, 2}, {1, 2, 2}, {2, 3, 2}, {3, 3, 3}, {4, 3, 3},
        {5, 3, 3}, {1, 3, 3}, {2, 1, 3}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {1, 1, 1},
    };
    int n = 0;
    for (const Step& step : steps) {
        ++n;
        CtrlKey(f, Qt::Key_Tab);
        const QByteArray where = "after Ctrl+Tab " + QByteArray::number(n);
        QVERIFY2(w.tabOptions->Selected() == step.page, where.constData());
        QVERIFY2(w.tabOptions1->Selected() == step.breakEven, where.constData());
        QVERIFY2(w.tabOptions2->Selected() == step.loan, where.constData());
        QVERIFY2(w.calculatorPageActive == (step.page == 1), where.constData());
        QVERIFY2(w.breakEvenPageActive == (step.page == 2), where.constData());
        QVERIFY2(w.loanPageActive == (step.page == 3), where.constData());
        QVERIFY2(w.talkToUsPageActive == (step.page == 4), where.constData());
        QVERIFY2(w.picOptions[static_cast<std::int16_t>(step.page - 1)]->isEnabled(),
                 where.constData());
    }
    QVERIFY(f.services.messages.empty());
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0."));
}

void KeyboardShortcutsTest::ctrlShiftTabAndCtrlAltTabDoNothing()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    frmVexmoor& w = *f.window;
    for (int page = 1; page <= 5; ++page) {
        w.tabOptions->Select(page);
        QWidget* focused = w.focusWidget();
        const int breakEven = w.tabOptions1->Selected();
        const int loan = w.tabOptions2->Selected();
        CtrlKey(f, Qt::Key_Backtab, Qt::ShiftModifier);
        CtrlKey(f, Qt::Key_Tab, Qt::AltModifier);
        CtrlKey(f, Qt::Key_Tab, Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(w.tabOptions->Selected(), page);
        QCOMPARE(w.tabOptions1->Selected(), breakEven);
        QCOMPARE(w.tabOptions2->Selected(), loan);
        QCOMPARE(w.focusWidget(), focused);
    }
}

void KeyboardShortcutsTest::keysOnOtherPagesReachTheFocusedControl()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    frmVexmoor& w = *f.window;
    w.tabOptions->Select(2);
    w.tabOptions1->Select(1);
    QLineEdit* units = w.txtBeV[0];
    units->setFocus();
    QTRY_COMPARE(w.focusWidget(), static_cast<QWidget*>(units));
    units->clear();
    Type(f, QStringLiteral("1 2 KP3 KP. 5 BS s"));
    QCOMPARE(units->text(), QStringLiteral("123.s"));
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(units));
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0."));
    QCOMPARE(w.calculator, CalculatorState {});
}

void KeyboardShortcutsTest::calculatorCharactersDoNothingOnOtherPages()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    frmVexmoor& w = *f.window;
    for (int page = 2; page <= 5; ++page) {
        w.tabOptions->Select(page);
        Type(f, QStringLiteral("9 KP9 s r x P % * Shift8 KP+ KP. Enter Esc"));
        QCOMPARE(w.tabOptions->Selected(), page);
        QCOMPARE(w.lblDisplay->text(), QStringLiteral("0."));
        QCOMPARE(w.calculator, CalculatorState {});
        QCOMPARE(f.services.beeps, 0);
    }
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::KeyboardShortcutsTest)
#include "keyboard_shortcuts_test.moc"
