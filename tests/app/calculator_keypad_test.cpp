// The calculator key pad in the real window: every key wired to its own caption, the display, the
// beep of a second point, and an overflow reported under "cmdCalcClick" with the display kept.
#include "calculator/core/calculator_engine.h"
#include "calculator/ui/calculator_page.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vexmoor::test;

namespace vexmoor {

QPushButton* Key(const WindowFixture& f, const QString& caption)
{
    for (const auto& [index, key] : Array<QPushButton>(*f.window, "cmdCalc")) {
        if (key->text() == caption)
            return key;
    }
    qFatal("no pad key %s", qPrintable(caption));
}

void Click(const WindowFixture& f, const QStringList& captions)
{
    for (const QString& caption : captions)
        QTest::mouseClick(Key(f, caption), Qt::LeftButton);
}

class CalculatorKeypadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each key clicked after "4" acts as its caption says; a key wired to another index would not.
    void everyKeyOfThePadIsConnected()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
        QCOMPARE(Array<QPushButton>(*f.window, "cmdCalc").size(), std::size_t {23});
        for (const auto& [index, key] : Array<QPushButton>(*f.window, "cmdCalc")) {
            f.window->Calculator().SetState({});
            CalculatorState expected;
            for (QPushButton* pressed : {Key(f, "4"), key}) {
                QTest::mouseClick(pressed, Qt::LeftButton);
                PressCalculatorKey(expected, pressed->text().toStdString());
            }
            QVERIFY2(f.window->Calculator().State() == expected, qPrintable(key->text()));
            QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text().toStdString(),
                     CalculatorDisplay(expected));
        }
    }

    void beepAndOverflowKeepTheDisplay()
    {
        WindowFixture f;
        QVERIFY(f.exposed);
        QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text(), QStringLiteral("0."));
        Click(f, {"1"});
        for (int i = 0; i < 200; ++i)
            Click(f, {"0"});
        Click(f, {".", ".", "*"}); // the second point beeps
        QCOMPARE(f.services.beeps, 1);
        const QString shown = "1" + QString(200, '0') + ".";
        QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text(), shown);

        Click(f, {"="}); // squared: beyond the double range
        QCOMPARE(f.services.MessageTexts(), QStringList {" [frmVexmoor] Overflow {6}"});
        QCOMPARE(f.services.messages.front().title, QStringLiteral("System Support"));
        QCOMPARE(f.services.LogLines(),
                 QStringList {"12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position "
                              "(cmdCalcClick) -> Overflow {6}"});
        QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text(), shown);
        // Nothing changed: "=" overflows again, and the calculator works on afterwards.
        Click(f, {"=", "C", "2", "+", "3", "="});
        QCOMPARE(f.services.messages.size(), std::size_t {2});
        QCOMPARE(Named<QLabel>(*f.window, "lblDisplay")->text(), QStringLiteral("5."));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::CalculatorKeypadTest)
#include "calculator_keypad_test.moc"
