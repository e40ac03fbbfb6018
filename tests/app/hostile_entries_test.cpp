// Hostile entries in every entry field of the break-even and loan pages, typed or pasted into the
// real widgets over a calculated example. An accepted entry is rewritten with the field's decimals
// and recalculates. A refused entry gives one message, logged under the field's Validate, keeps
// the focus and its text, stops the page's buttons, and leaves every result, list and figure as it
// was, for Tab and a click alike, so no later calculation can use a figure the fields do not show.
#include "breakeven/ui/breakeven_page.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

const QString kNotANumber = QStringLiteral(" [frmVexmoor] Enter a valid number. {13}");
const QString kOverflow = QStringLiteral(" [frmVexmoor] Overflow {6}");

// Types over the field's text, or pastes a long text as a user would, then leaves with Tab.
void Enter(QLineEdit* field, const QString& text)
{
    if (text.size() <= 100)
        return test::Enter(field, text);
    QApplication::clipboard()->setText(text);
    Click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    PressTab();
}

void Choose(const WindowFixture& f, const char* selector, const QString& label)
{
    test::ChooseByTyping(f.Find<QComboBox>(selector), label);
    PressTab();
}

enum class Entry { BreakEven, Repayment, Principal };

// The page with its worked example calculated: 100 units at 10, variable costs 6, fixed costs
// 1,000; the annuity of 100,000 at 10 % a year over 12 months; its inverse from 8,791.59.
void EnterExample(WindowFixture& f, Entry page)
{
    frmVexmoor& w = *f.window;
    if (page == Entry::BreakEven) {
        ClickTab(Strip(w, "tabOptions"), 2);
        for (int i = 0; i < 4; ++i)
            Enter(Named<QLineEdit>(w, "txtBeV", static_cast<std::int16_t>(i)),
                  QStringList {"100", "10", "6", "1000"}[i]);
        Click(Named<QPushButton>(w, "cmdCalBeV"));
        QCOMPARE(Named<QLineEdit>(w, "txtBeV", 9)->text(), QStringLiteral("250"));
        return;
    }
    ClickTab(Strip(w, "tabOptions"), 3);
    if (page == Entry::Repayment) {
        Enter(Named<QLineEdit>(w, "txtCalRpy", 0),
              "100000"); // then loan type, rate, rate period, term
        Choose(f, "cboIntRat_2", "Amortize");
        Enter(Named<QLineEdit>(w, "txtCalRpy", 1), "10");
        Choose(f, "cboIntRat_0", "Year");
        Enter(Named<QLineEdit>(w, "txtCalRpy", 2), "12");
        QCOMPARE(Named<QLineEdit>(w, "txtCalRpy", 4)->text(), QStringLiteral("8,791.60"));
    } else {
        ClickTab(Strip(w, "tabOptions2"), 2);
        Enter(Named<QLineEdit>(w, "txtCalPrn", 0),
              "8791.59"); // then mode, term, rate period, rate, loan type
        PressTab();
        Enter(Named<QLineEdit>(w, "txtCalPrn", 2), "12");
        Choose(f, "cboIntRat_1", "Year");
        Enter(Named<QLineEdit>(w, "txtCalPrn", 3), "10");
        Choose(f, "cboIntRat_3", "Amortize");
        QCOMPARE(Named<QLineEdit>(w, "txtCalPrn", 4)->text(), QStringLiteral("100,000.00"));
    }
    QCOMPARE(List(w, "lstLsd")->Count(), 14);
}

// What an entry must not change when it is refused.
struct Shown
{
    QStringList results;
    QStringList lines;
    BreakEvenFigures figures;
    bool operator==(const Shown&) const = default;
};

Shown Snapshot(const WindowFixture& f)
{
    frmVexmoor& w = *f.window;
    Shown shown;
    for (int i = 4; i < kBreakEvenFieldCount; ++i)
        shown.results << Named<QLineEdit>(w, "txtBeV", static_cast<std::int16_t>(i))->text();
    shown.results << Named<QLineEdit>(w, "txtCalRpy", 4)->text()
                  << Named<QLineEdit>(w, "txtCalPrn", 4)->text();
    shown.lines = List(w, "lstBev")->Lines() + List(w, "lstLsd")->Lines();
    shown.figures = w.BreakEven().Figures();
    return shown;
}

const struct EntryField
{
    const char* name;
    Entry page;
    int decimals;
    bool money;
} kFields[] = {
    {"txtBeV_0", Entry::BreakEven, 0, false},    {"txtBeV_1", Entry::BreakEven, 2, true},
    {"txtBeV_2", Entry::BreakEven, 2, true},     {"txtBeV_3", Entry::BreakEven, 2, true},
    {"txtCalRpy_0", Entry::Repayment, 2, true},  {"txtCalRpy_1", Entry::Repayment, 4, false},
    {"txtCalRpy_2", Entry::Repayment, 0, false}, {"txtCalPrn_0", Entry::Principal, 2, true},
    {"txtCalPrn_2", Entry::Principal, 0, false}, {"txtCalPrn_3", Entry::Principal, 4, false},
};

enum class Outcome { Accepted, NotANumber, Overflow };

// One row per behaviour; the texts of a row behave alike in every field it applies to.
const struct Hostile
{
    const char* name;
    QStringList texts;
    Outcome outcome;
    bool moneyOnly = false;
    bool figuresKept = true; // a text that is no number zeroes the totals' figures, as ever
} kHostile[] = {
    {"no number",
     {"", "   ", "abc", "nan", "-inf", "0x1A", "1.2.3", "1e", "1 000", "\u0661\u0662",
      "\uFF11\uFF12"},
     Outcome::NotANumber,
     false,
     false},
    {"accepted and rewritten", {" +1e3 ", "1,000.0000"}, Outcome::Accepted},
    {"beyond the double range", {"1e400", "-1e309", QString(10000, '9')}, Outcome::Overflow},
    {"money the program cannot hold",
     {"1e13", "1e308", "-9999999999999.996"},
     Outcome::NotANumber,
     true},
};

} // namespace

class HostileEntriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldRefusesOrRewrites_data();
    void everyFieldRefusesOrRewrites();
    void clickAndTabRefuseAlike();
};

void HostileEntriesTest::everyFieldRefusesOrRewrites_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < int(std::size(kFields)); ++i)
        QTest::newRow(kFields[i].name) << i;
}

void HostileEntriesTest::everyFieldRefusesOrRewrites()
{
    QFETCH(int, field);
    const EntryField& entry = kFields[field];
    WindowFixture f;
    EnterExample(f, entry.page);
    QLineEdit* edit = f.Find<QLineEdit>(entry.name);
    const QString example = edit->text();
    const QString accepted =
        QStringList {"1,000", "", "1,000.00", "", "1,000.0000"}[entry.decimals];
    QPushButton* clear = entry.page == Entry::BreakEven ? Named<QPushButton>(*f.window, "cmdClrBeV")
        : entry.page == Entry::Repayment                ? Named<QPushButton>(*f.window, "cmdClrRpy")
                                         : Named<QPushButton>(*f.window, "cmdClrPrn");
    const QString procedure = QString(entry.name).section('_', 0, 0) + "_Validate";
    QSignalSpy builds(List(*f.window, "lstLsd")->View()->model(), &QAbstractItemModel::modelReset);

    for (const Hostile& row : kHostile) {
        if (row.moneyOnly && !entry.money)
            continue;
        for (const QString& text : row.texts) {
            const QByteArray where = QByteArray(row.name) + ": " + text.left(20).toUtf8();
            f.services.messages.clear();
            const Shown before = Snapshot(f);
            Click(edit); // leaving a selector for the field may recalculate
            builds.clear();
            Enter(edit, text);
            if (row.outcome == Outcome::Accepted) {
                QVERIFY2(f.services.messages.empty(), where);
                QVERIFY2(QApplication::focusWidget() != edit, where);
                QCOMPARE(edit->text(), accepted);
                // A loan page recalculates, schedule and all.
                if (entry.page != Entry::BreakEven) {
                    QVERIFY2(builds.count() > 0, where);
                    QVERIFY2(List(*f.window, "lstLsd")->Lines().last().contains(" Totals : "),
                             where);
                }
            } else {
                const QString message = row.outcome == Outcome::Overflow ? kOverflow : kNotANumber;
                QVERIFY2(f.services.MessageTexts() == QStringList {message}, where);
                QVERIFY2(f.services.LogLines().last().endsWith("(" + procedure + ") -> " +
                                                               message.section("] ", 1)),
                         where);
                // The page's button does not act meanwhile; the entry is refused again.
                Click(clear);
                QVERIFY2(f.services.MessageTexts() == QStringList(2, message), where);
                QVERIFY2(QApplication::focusWidget() == edit, where);
                QVERIFY2(edit->text() == text, where);
                QVERIFY2(builds.count() == 0, where);
                Shown after = Snapshot(f);
                if (!row.figuresKept)
                    after.figures = before.figures;
                QVERIFY2(after == before, where);
            }
            f.services.messages.clear();
            Enter(edit, example);
            QVERIFY2(f.services.messages.empty() && edit->text() == example, where);
        }
    }
}

// Entries the program cannot hold refuse Tab and a click on either button the same way: once
// each, the focus staying, the button not acting and no figure changed. An overflowing fixed cost
// once left the stored fixed costs at 0 while the field still showed a text, so that Calculate
// then gave 0 break-even units; units of 1e300 read well but give a total beyond what the
// program can hold.
void HostileEntriesTest::clickAndTabRefuseAlike()
{
    for (auto [index, text] : {std::pair {3, "1e400"}, {0, "1e300"}}) {
        WindowFixture f;
        EnterExample(f, Entry::BreakEven);
        const Shown before = Snapshot(f);
        QLineEdit* field = Named<QLineEdit>(*f.window, "txtBeV", static_cast<std::int16_t>(index));
        const QString example = field->text();
        Enter(field, text);
        for (QPushButton* button : {Named<QPushButton>(*f.window, "cmdCalBeV"),
                                    Named<QPushButton>(*f.window, "cmdClrBeV")})
            Click(button);
        PressTab();
        QCOMPARE(f.services.MessageTexts(), QStringList(4, kOverflow));
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->text(), QString(text));
        QCOMPARE(Snapshot(f), before);
        QCOMPARE(f.window->BreakEven().Figures().FixedCosts, 1000.0);

        Enter(field, example);
        Click(Named<QPushButton>(*f.window, "cmdCalBeV"));
        QCOMPARE(Snapshot(f), before);
        QCOMPARE(f.services.messages.size(), std::size_t(4));
    }
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::HostileEntriesTest)
#include "hostile_entries_test.moc"
