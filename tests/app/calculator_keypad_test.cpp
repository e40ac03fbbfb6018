// The calculator key pad in the real window: clicks on the keys, the display, the beep of a
// second point, and an overflow reported under "cmdCalcClick" with the display left as it was.
#include "support/window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using vexmoor::test::WindowFixture;

namespace vexmoor {

class CalculatorKeypadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksWorkThePad_data();
    void clicksWorkThePad();
    void everyKeyOfThePadIsConnected();
    void overflowIsReportedAndTheDisplayKept();
};

// The object name of the pad key with this caption.
QString KeyName(const QString& caption)
{
    static const QHash<QString, int> indexes {
        {"Backspace", 0}, {"CE", 1},   {"C", 2},  {"7", 3},    {"8", 4},  {"9", 5},
        {"/", 6},         {"sqrt", 7}, {"4", 8},  {"5", 9},    {"6", 10}, {"*", 11},
        {"%", 12},        {"1", 13},   {"2", 14}, {"3", 15},   {"-", 16}, {"1/x", 17},
        {"=", 23},        {"+", 24},   {".", 25}, {"+/-", 26}, {"0", 27},
    };
    return QStringLiteral("cmdCalc_%1").arg(indexes.value(caption, -1));
}

void Click(WindowFixture& f, const QString& caption)
{
    auto* key = f.window->findChild<QPushButton*>(KeyName(caption));
    QVERIFY2(key, qPrintable(caption));
    QTest::mouseClick(key, Qt::LeftButton);
}

void CalculatorKeypadTest::clicksWorkThePad_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("beeps");

    // clang-format off
    // The engine's own tests cover the keys; these rows check the display and the beep.
    QTest::newRow("nothing pressed")      << ""                    << "0."               << 0;
    QTest::newRow("repeated equals")      << "1 2 + 3 = = ="       << "21."              << 0;
    QTest::newRow("one third")            << "1 / 3 ="             << ".333333333333333" << 0;
    QTest::newRow("division by zero")     << "8 / 0 ="             << "ERROR."           << 0;
    QTest::newRow("error wiped by digit") << "8 / 0 = 5"           << "5."               << 0;
    QTest::newRow("second point beeps")   << "1 . 2 . ."           << "1.2"              << 2;
    QTest::newRow("backspace")            << "5 + 3 4 Backspace =" << "6."               << 0;
    // clang-format on
}

void CalculatorKeypadTest::clicksWorkThePad()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(int, beeps);
    WindowFixture f;
    QVERIFY(f.exposed);
    for (const QString& caption : keys.split(' ', Qt::SkipEmptyParts)) {
        Click(f, caption);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(f.window->lblDisplay->text(), display);
    QCOMPARE(f.services.beeps, beeps);
    QVERIFY(f.services.messages.empty());
}

// Each of the 23 keys, clicked after "4", changes the display or state the way its caption says;
// a key wired to the wrong index would show another result.
void CalculatorKeypadTest::everyKeyOfThePadIsConnected()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    QCOMPARE(f.window->cmdCalc.size(), std::size_t {23});
    for (const auto& [index, button] : f.window->cmdCalc) {
        f.window->calculator = {};
        Click(f, QStringLiteral("4"));
        Click(f, button->text());
        const CalculatorState& state = f.window->calculator;
        const QString caption = button->text();
        if (caption.size() == 1 && caption.at(0).isDigit())
            QCOMPARE(state.Entry, "4" + caption.toStdString());
        else if (caption == "+" || caption == "-" || caption == "*" || caption == "/")
            QCOMPARE(state.PendingOperator, caption.toStdString());
        else if (caption == "sqrt")
            QCOMPARE(state.Entry, std::string("2"));
        else if (caption == "1/x")
            QCOMPARE(state.Entry, std::string("0.25"));
        else if (caption == "+/-")
            QCOMPARE(state.Entry, std::string("-4"));
        else if (caption == ".")
            QCOMPARE(state.Entry, std::string("4."));
        else if (caption == "=")
            QVERIFY(state.NewEntryAfterEquals);
        else if (caption == "%")
            QCOMPARE(state.Entry, std::string("0"));
        else
            QVERIFY2(state.Entry.empty(), qPrintable(caption)); // Backspace, CE, C
        QCOMPARE(index, static_cast<std::int16_t>(KeyName(caption).mid(8).toInt()));
    }
}

void CalculatorKeypadTest::overflowIsReportedAndTheDisplayKept()
{
    WindowFixture f;
    QVERIFY(f.exposed);
    // 1 and 200 zeros, typed; then squared.
    Click(f, QStringLiteral("1"));
    for (int i = 0; i < 200; ++i)
        Click(f, QStringLiteral("0"));
    Click(f, QStringLiteral("*"));
    const QString shown = f.window->lblDisplay->text();
    QCOMPARE(shown, "1" + QString(200, '0') + ".");

    Click(f, QStringLiteral("="));
    QCOMPARE(f.services.MessageTexts(), QStringList {QStringLiteral(" [frmVexmoor] Overflow {6}")});
    QCOMPARE(f.services.messages.front().title, QStringLiteral("System Support"));
    QFile log(f.services.LogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(),
             QByteArray("12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position "
                        "(cmdCalcClick) -> Overflow {6}\r\n"));
    QCOMPARE(f.window->lblDisplay->text(), shown);

    // Nothing changed: "=" overflows again, and the calculator still works afterwards.
    Click(f, QStringLiteral("="));
    QCOMPARE(f.services.messages.size(), std::size_t {2});
    for (const char* key : {"C", "2", "+", "3", "="})
        Click(f, QString::fromLatin1(key));
    QCOMPARE(f.window->lblDisplay->text(), QStringLiteral("5."));
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::CalculatorKeypadTest)
#include "calculator_keypad_test.moc"
