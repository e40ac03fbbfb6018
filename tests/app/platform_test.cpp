// The platform layer on real widgets: Validate around a real message box, tab strips, selectors,
// list boxes, twips and services; LogError and the handler guard against fake services.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "errors/ui/log_error.h"
#include "platform/services/services.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"
#include "platform/widgets/twips.h"
#include "support/fake_services.h"
#include "support/user_input.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <new>
#include <stdexcept>
#include <unistd.h>

using namespace vexmoor;
using namespace vexmoor::test;

namespace {

// Closes the modal message box about to be shown once it is up; `seen` gets what it showed.
void CloseNextBox(QString* seen = nullptr)
{
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (seen != nullptr)
            *seen = QStringList {box->windowTitle(), box->text(), QString::number(box->icon()),
                                 QString::number(box->buttons().size())}
                        .join('|');
        box->accept();
    });
}

QByteArray Record(const char* proc, const QByteArray& reportText, int number)
{
    return "12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position (" + QByteArray(proc) + ") -> " +
        reportText + " {" + QByteArray::number(number) + "}\r\n";
}

// Throws what a guard reports as `number`: that failure, or for 7, 9 and 51 the C++ exceptions
// reported under those numbers; nothing for 0.
void Throw(int number)
{
    if (number == 7)
        throw std::bad_alloc();
    if (number == 9)
        throw std::out_of_range("i");
    if (number == 51)
        throw 42;
    if (number != 0)
        throw Failure(number, ErrorDescription(number));
}

using V = GuardVariant;
const struct
{
    const char* name;
    GuardVariant variant;
    int number; // thrown by the body, 0 when it completes
    bool cancel;
    const char* reported; // nullptr: nothing shown and nothing logged
} kGuardRows[] = {
    {"plain completes", V::Plain, 0, false, nullptr},
    {"plain 11", V::Plain, 11, false, "Division by zero"},
    {"entry 13 keeps the focus", V::InvalidNumber, 13, true, "Enter a valid number."},
    {"entry 6 keeps the focus", V::InvalidNumber, 6, true, "Overflow"},
    {"entry 11", V::InvalidNumber, 11, false, "Division by zero"},
    {"silent 6", V::SilentArithmetic, 6, false, nullptr},
    {"silent 11", V::SilentArithmetic, 11, false, nullptr},
    {"silent 13", V::SilentArithmetic, 13, false, "Type mismatch"},
    {"bad_alloc", V::Plain, 7, false, "Out of memory"},
    {"out_of_range", V::Plain, 9, false, "Subscript out of range"},
    {"anything else", V::SilentArithmetic, 51, false, "Internal error"},
};

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A field whose Validate shows a real modal message box, as the desktop's error report does,
    // and answers `cancel`. Tab, a click on the button through the window or straight to it, and
    // the button's access key run Validate once: refused, the focus stays and nothing is pressed;
    // else the focus moves, then the button clicks. Nothing is left over for the next event.
    void validateAroundARealMessageBox()
    {
        for (int gesture = 0; gesture < 4; ++gesture) {
            for (bool cancel : {false, true}) {
                QWidget window;
                QStringList log;
                auto* field = new QLineEdit(&window);
                auto* other = new QLineEdit(&window);
                auto* button = new QPushButton("&Go", &window);
                other->move(0, 40);
                button->move(0, 80);
                auto* focus = new platform::FocusEvents(&window);
                const auto validate = [&](bool& cancelMove) {
                    log << "Validate";
                    CloseNextBox();
                    QMessageBox::information(&window, "System Support", "Enter a valid number.");
                    cancelMove = cancel;
                };
                focus->Attach(field, {validate, {}, [&] { log << "LostFocus"; }});
                focus->Attach(other, {{}, [&] { log << "GotFocus"; }, {}});
                focus->Attach(button, {{}, [&] { log << "GotFocus"; }, {}});
                QObject::connect(button, &QPushButton::clicked, &window, [&] { log << "Click"; });
                window.show();
                window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&window));
                field->setFocus(Qt::OtherFocusReason);
                if (gesture == 0) {
                    QTest::keyClick(field, Qt::Key_Tab);
                } else if (gesture == 1) {
                    QTest::mouseMove(button); // where the user's pointer is while clicking
                    Click(button);
                } else if (gesture == 2) {
                    QTest::mouseClick(button, Qt::LeftButton);
                } else {
                    QTest::keyClick(field, Qt::Key_G, Qt::AltModifier);
                }
                QCoreApplication::processEvents();
                QStringList expected {"Validate"};
                const QWidget* to = cancel ? field
                    : gesture == 0         ? static_cast<QWidget*>(other)
                                           : button;
                if (!cancel)
                    expected << "LostFocus"
                             << "GotFocus" << (gesture == 0 ? "" : "Click");
                expected.removeAll(QString());
                const QString row = QStringLiteral("gesture %1 cancel %2").arg(gesture).arg(cancel);
                QVERIFY2(log == expected, qPrintable(row + ": " + log.join(' ')));
                QVERIFY2(QApplication::focusWidget() == to, qPrintable(row));
            }
        }
    }

    // A Validate that makes input arrive itself runs once, the nested input going where it was
    // sent; where Tab cannot move the focus, nothing is validated.
    void validateEdgeCases()
    {
        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* button = new QPushButton("&Go", &window);
        button->move(0, 40);
        int validations = 0, clicks = 0;
        QObject::connect(button, &QPushButton::clicked, &window, [&] { ++clicks; });
        auto* focus = new platform::FocusEvents(&window);
        const auto validate = [&](bool&) {
            ++validations;
            QTest::keyClick(field, Qt::Key_Tab);
            QTest::mouseClick(button, Qt::LeftButton);
        };
        focus->Attach(field, {validate, {}, {}});
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(validations, 1);
        QCOMPARE(clicks, 1);
        button->setEnabled(false);
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(validations, 1);
    }

    void tabStrip()
    {
        QWidget window;
        platform::TabStrip strip(&window, "tabOptions", QRect(5, 5, 590, 390));
        platform::Selector selector(new QComboBox(&window));
        QStringList seen;
        strip.SetClickHandler([&] { seen << QString::number(strip.Selected()); });
        selector.SetClickHandler([&] { seen << selector.Text(); });
        strip.AddTab("&First", "First", "one");
        strip.AddTab("&Second", "Second", "two");
        for (const char* item : {"Month", "Year", "Day", "Week"})
            selector.AddItem(item);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabBar* bar = strip.Bar();
        // A larger font makes taller tabs; the client area moves down with them.
        QFont large = bar->font();
        large.setPointSize(large.pointSize() * 2);
        bar->setFont(large);
        QCoreApplication::processEvents();
        QCOMPARE(strip.ClientFrame()->geometry().top(), bar->geometry().bottom() + 1);
        // The wheel switches no tab, as it would go past the field's Validate.
        QWheelEvent wheel(QPointF(bar->tabRect(1).center()), bar->mapToGlobal(QPointF(10, 10)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(strip.Selected(), 1);
        // Select and SetText run Click at once, nested, with the new choice in place, once per
        // change; an item not listed changes nothing.
        seen.clear();
        for (int position : {1, 1, 0, 3, -1, 2})
            strip.Select(position);
        QVERIFY(selector.SetText("Day") && selector.SetText("Day") && !selector.SetText("week"));
        QCOMPARE(seen, (QStringList {"2", "Day"}));
        QCOMPARE(selector.ListIndex(), 2);
    }

    void listBoxClearDropsPendingLines()
    {
        QListView view;
        platform::ListBox list(&view);
        list.Append("pending");
        list.Clear();
        QCoreApplication::processEvents();
        QCOMPARE(view.model()->rowCount(), 0);
        list.Append("a");
        list.Flush(); // hands the line to the view now
        QCOMPARE(view.model()->rowCount(), 1);
    }

    void listBoxWidthFollowsLongestLine_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<QStringList>("lines"); // "|": lay out and paint, "+": double the font
        const QString wide = QString(120, QLatin1Char('9'));
        QTest::newRow("extent wider than the lines") << 300 << QStringList {"  1  1,000.00", "2"};
        QTest::newRow("a line wider than the extent") << 300 << QStringList {"  1", wide, "  3"};
        QTest::newRow("wider line after a paint") << 0 << QStringList {"short", "|", wide};
        QTest::newRow("larger font after a paint") << 0 << QStringList {wide, "|", "+"};
        // Characters the fixed font lacks: narrow separators, and letters drawn wider than the
        // pitch in a line that is not the one with the most characters.
        QTest::newRow("fallback glyphs") << 0 << QStringList {QString(60, QChar(0x202F)) + "1"};
        QTest::newRow("wide fallback glyphs")
            << 0 << QStringList {QString(40, QLatin1Char('9')), QString(30, QChar(0x0915))};
    }

    void listBoxWidthFollowsLongestLine()
    {
        QFETCH(int, extent);
        QFETCH(QStringList, lines);

        QListView view;
        view.resize(200, 150);
        platform::ListBox list(&view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        list.SetHorizontalExtent(extent);
        QFont font = view.font();
        for (const QString& line : lines) {
            if (line == "|")
                QCoreApplication::processEvents(), view.viewport()->repaint();
            else if (line == "+")
                font.setPointSize(font.pointSize() * 2), view.setFont(font);
            else
                list.Append(line);
        }
        QCoreApplication::processEvents(); // the view lays its rows out later
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, view.fontMetrics().horizontalAdvance(line));
        const int scrollable = view.horizontalScrollBar()->maximum() + view.viewport()->width();
        // Never narrower than the extent, never cutting a line, and not much wider than needed.
        QVERIFY2(scrollable >= std::max(extent, widest), qPrintable(QString::number(scrollable)));
        QVERIFY(scrollable <= std::max(extent, widest + 20));
    }

    void twips()
    {
        // Rounded to the nearest pixel, halves away from zero.
        const int rows[][2] = {{0, 0},    {15, 1},     {7, 0},          {8, 1},
                               {175, 12}, {7695, 513}, {-20000, -1333}, {-8, -1}};
        for (const auto& row : rows)
            QCOMPARE(platform::TwipsToPixels(row[0]), row[1]);
    }

    void desktopServices()
    {
        platform::Services& desktop = platform::CurrentServices();
        QCOMPARE(desktop.ExecutableFolder(), QCoreApplication::applicationDirPath());
        QCOMPARE(desktop.ExecutableBaseName(), QStringLiteral("app_platform_test"));
        // A folder the test made is its user's own, unless that user is root; the root folder
        // never.
        QTemporaryDir made;
        QCOMPARE(desktop.UserOwnsFolder(made.path()), ::geteuid() != 0);
        QVERIFY(!desktop.UserOwnsFolder(QStringLiteral("/")));
        qputenv("XDG_STATE_HOME", "/var/tmp/st"); // the rest of the path is the core's
        QCOMPARE(desktop.StateFolder(), QStringLiteral("/var/tmp/st/quenbry-vexmoor"));
        const QString today =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY2(desktop.LocalDateTimeText().startsWith(today + ' '), qPrintable(today));
        QString seen;
        CloseNextBox(&seen);
        desktop.ShowMessage("Value of DataPoint = 20", "Break-Even Graph");
        QCOMPARE(seen,
                 QStringLiteral("Break-Even Graph|Value of DataPoint = 20|%1|1")
                     .arg(QMessageBox::Information));
    }

    // Where the records go: appended beside the executable in a folder of the user's own (named by
    // its base name), else in the state folder (made when needed); written nowhere, the program
    // still goes on. Each record is in the file before its box shows (the mended fault).
    void logPlace_data()
    {
        QTest::addColumn<bool>("owned");
        QTest::addColumn<bool>("besideBlocked"); // the log's name there is taken by a folder
        QTest::addColumn<bool>("stateBlocked"); // the state folder lies under a plain file
        QTest::addColumn<QString>("place"); // "beside", "state" or "" for nowhere
        QTest::newRow("own folder") << true << false << false << "beside";
        QTest::newRow("own folder, log will not open") << true << true << false << "state";
        QTest::newRow("another user's folder") << false << false << false << "state";
        QTest::newRow("another's folder, no state folder") << false << false << true << "";
        QTest::newRow("nowhere at all") << true << true << true << "";
    }

    void logPlace()
    {
        QFETCH(bool, owned);
        QFETCH(bool, besideBlocked);
        QFETCH(bool, stateBlocked);
        QFETCH(QString, place);
        FakeServices fake;
        ScopedServices scoped(fake);
        fake.ownsFolder = owned;
        fake.baseName = QStringLiteral("my calc"); // names the file; records keep QNVXM
        const QDir folder(fake.folder);
        const QByteArray older = besideBlocked ? "" : "older\r\n";
        if (besideBlocked) {
            QVERIFY(folder.mkdir("my calcERR.txt"));
        } else {
            QFile file(fake.LogPath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(older) == older.size());
        }
        if (stateBlocked) {
            QFile plain(folder.filePath("plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            fake.stateFolder = plain.fileName() + "/state";
        }
        const QString log =
            place == "state" ? fake.stateFolder + "/my calcERR.txt" : fake.LogPath();
        QList<QByteArray> logAtBox;
        fake.onMessage = [&](const FakeServices::Message& box) {
            QCOMPARE(box.title, QStringLiteral("System Support"));
            logAtBox << ReadAll(log);
        };

        LogError(kErrModuleName, "txtBeV_Validate", kInvalidNumberMessage,
                 Failure(ErrorNumber::TypeMismatch));
        LogError(kErrModuleName, "GenChart", "", Failure(-7, "\u00e9t\u00e9"));

        QCOMPARE(fake.MessageTexts(),
                 QStringList({" [frmVexmoor] Enter a valid number. {13}",
                              QString::fromUtf8(" [frmVexmoor] \u00e9t\u00e9 {-7}")}));
        // What the log holds at each box: nothing new where nothing could be written.
        const QByteArray before = place == "beside" || place.isEmpty() ? older : "";
        const QByteArray first = before +
            (place.isEmpty() ? "" : Record("txtBeV_Validate", "Enter a valid number.", 13));
        const QByteArray both =
            first + (place.isEmpty() ? "" : Record("GenChart", "\u00e9t\u00e9", -7));
        QCOMPARE(logAtBox, QList<QByteArray>({first, both}));
        QCOMPARE(ReadAll(fake.LogPath()), place == "beside" ? both : older);
        QCOMPARE(ReadAll(fake.stateFolder + "/my calcERR.txt"), place == "state" ? both : "");
        QCOMPARE(QFileInfo::exists(fake.stateFolder), place == "state");
    }

    void guardVariants_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kGuardRows)); ++row)
            QTest::newRow(kGuardRows[row].name) << row;
    }

    void guardVariants()
    {
        QFETCH(int, row);
        const auto& r = kGuardRows[row];
        FakeServices fake;
        ScopedServices scoped(fake);
        CurrentErrorContext() = {"x", "y", "z"};
        const GuardOutcome outcome =
            Guarded("txtCalRpy_Validate", r.variant, [&r] { Throw(r.number); });
        QCOMPARE(outcome.completed, r.number == 0);
        QCOMPARE(outcome.cancel, r.cancel);
        QCOMPARE(outcome.errorNumber, r.number);
        if (r.number != 0) {
            // The context names this report; only an entry that is no number carries a user
            // message.
            QCOMPARE(CurrentErrorContext().ErrModuleName, std::string("frmVexmoor"));
            QCOMPARE(CurrentErrorContext().ErrProcName, std::string("txtCalRpy_Validate"));
            QCOMPARE(CurrentErrorContext().ErrUserMessage,
                     std::string(r.cancel && r.number == 13 ? kInvalidNumberMessage : ""));
        }
        const QString shown = QStringLiteral(" [frmVexmoor] %1 {%2}").arg(r.reported).arg(r.number);
        QCOMPARE(fake.MessageTexts(), r.reported ? QStringList {shown} : QStringList());
        QCOMPARE(ReadAll(fake.LogPath()),
                 r.reported ? Record("txtCalRpy_Validate", r.reported, r.number) : QByteArray());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
