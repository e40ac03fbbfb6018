// The platform layer on real widgets: Validate around a real message box, tab strips, list boxes
// and services; LogError and the handler guard against fake services.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "errors/ui/log_error.h"
#include "platform/services/services.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "support/fake_services.h"
#include "support/user_input.h"

#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <new>
#include <stdexcept>
#include <unistd.h>

using namespace vexmoor;
using namespace vexmoor::test;

namespace {

// Closes the modal message box about to be shown once it is up, keeping what it showed.
QString g_lastBox;
void CloseNextBox()
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        g_lastBox = QStringLiteral("%1|%2|%3|%4")
                        .arg(box->windowTitle(), box->text())
                        .arg(box->icon())
                        .arg(box->buttons().size());
        box->accept();
    });
}

QByteArray Record(const char* proc, const QByteArray& reportText, int number)
{
    return "12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position (" + QByteArray(proc) + ") -> " +
        reportText + " {" + QByteArray::number(number) + "}\r\n";
}

// A shown, active window with a field that has the focus, a second field under it and a button
// with an access key.
struct FocusWindow
{
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    QPushButton* button = new QPushButton("&Go", &window);
    platform::FocusEvents* focus = new platform::FocusEvents(&window);

    bool Show()
    {
        other->move(0, 40);
        button->move(0, 80);
        window.show();
        window.activateWindow();
        const bool active = QTest::qWaitForWindowActive(&window);
        field->setFocus(Qt::OtherFocusReason);
        return active;
    }
};

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A field whose Validate shows a real modal message box, as the desktop's error report does,
    // and answers `cancel`. A click on the button through the window or straight to it, and the
    // button's access key run Validate once: refused, the focus stays and nothing is pressed; else
    // the focus moves, then the button clicks. Nothing is left over for the next event. (Tab
    // around Validate is the window tests' and validateEdgeCases'.)
    void validateAroundARealMessageBox()
    {
        for (int gesture = 0; gesture < 3; ++gesture) {
            for (bool cancel : {false, true}) {
                FocusWindow w;
                QStringList log;
                const auto validate = [&](bool& cancelMove) {
                    log << "Validate";
                    CloseNextBox();
                    QMessageBox::information(&w.window, "System Support", "Enter a valid number.");
                    cancelMove = cancel;
                };
                w.focus->Attach(w.field, {validate, {}, [&] { log << "LostFocus"; }});
                w.focus->Attach(w.button, {{}, [&] { log << "GotFocus"; }, {}});
                QObject::connect(w.button, &QPushButton::clicked, &w.window,
                                 [&] { log << "Click"; });
                QVERIFY(w.Show());
                if (gesture == 0) // the pointer goes where the user clicks
                    QTest::mouseMove(w.button), Click(w.button);
                else if (gesture == 1)
                    QTest::mouseClick(w.button, Qt::LeftButton);
                else
                    QTest::keyClick(w.field, Qt::Key_G, Qt::AltModifier);
                QCoreApplication::processEvents();
                QCOMPARE(log.join(' '), cancel ? "Validate" : "Validate LostFocus GotFocus Click");
                QCOMPARE(QApplication::focusWidget(),
                         cancel ? static_cast<QWidget*>(w.field) : w.button);
            }
        }
    }

    // A Validate that makes input arrive itself runs once, the nested input going where it was
    // sent; where Tab cannot move the focus, nothing is validated.
    void validateEdgeCases()
    {
        FocusWindow w;
        int validations = 0, clicks = 0;
        QObject::connect(w.button, &QPushButton::clicked, &w.window, [&] { ++clicks; });
        const auto validate = [&](bool&) {
            ++validations;
            QTest::keyClick(w.field, Qt::Key_Tab);
            QTest::mouseClick(w.button, Qt::LeftButton);
        };
        w.focus->Attach(w.field, {validate, {}, {}});
        w.other->setEnabled(false);
        QVERIFY(w.Show());
        QTest::keyClick(w.field, Qt::Key_Tab);
        QCOMPARE(std::pair(validations, clicks), std::pair(1, 1));
        w.button->setEnabled(false);
        w.field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w.field, Qt::Key_Tab);
        QCOMPARE(validations, 1);
    }

    void tabStrip()
    {
        QWidget window;
        platform::TabStrip strip(&window, "tabOptions", QRect(5, 5, 590, 390));
        strip.AddTab("&First", "First", "one");
        strip.AddTab("&Second", "Second", "two");
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
    }

    // The list shows its lines and scrolls as far as its extent or its longest line, whichever is
    // wider, and not much further: also after a paint, with a larger font, once cleared (lines not
    // yet shown are dropped), and with characters the fixed font lacks (narrow separators, and
    // letters drawn wider than the pitch in a line that is not the one with the most characters).
    // In the lines, "|" lays out and paints, "+" doubles the font, "x" clears the list.
    void listBoxShowsItsLinesWholeAfterClear()
    {
        const QString wide(120, '9');
        const std::pair<int, QStringList> rows[] = {
            {300, {"  1", wide, "  3"}},
            {0, {wide, "|", "+"}},
            {0, {wide, "x", QString(60, '9')}},
            {0, {QString(60, QChar(0x202F)) + "1"}},
            {0, {QString(40, '9'), QString(30, QChar(0x0915))}},
        };
        for (const auto& [extent, lines] : rows) {
            QListView view;
            view.resize(200, 150);
            platform::ListBox list(&view);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            list.SetHorizontalExtent(extent);
            QFont font = view.font();
            QStringList shown;
            for (const QString& line : lines) {
                if (line == "|")
                    QCoreApplication::processEvents(), view.viewport()->repaint();
                else if (line == "+")
                    font.setPointSize(font.pointSize() * 2), view.setFont(font);
                else if (line == "x")
                    list.Clear(), shown.clear();
                else
                    list.Append(line), shown << line;
            }
            QCoreApplication::processEvents(); // the view lays its rows out later
            QCOMPARE(view.model()->rowCount(), shown.size());
            int widest = extent;
            for (const QString& line : shown)
                widest = std::max(widest, view.fontMetrics().horizontalAdvance(line));
            const int scrollable = view.horizontalScrollBar()->maximum() + view.viewport()->width();
            QVERIFY2(scrollable >= widest && scrollable <= std::max(extent, widest + 20),
                     qPrintable(lines.join(',') + ": " + QString::number(scrollable)));
        }
    }

    void desktopServices()
    {
        platform::Services& desktop = platform::CurrentServices();
        // A folder the test made is its user's own, unless that user is root; the root folder
        // never.
        QTemporaryDir made;
        QCOMPARE(desktop.UserOwnsFolder(made.path()), ::geteuid() != 0);
        QVERIFY(!desktop.UserOwnsFolder(QStringLiteral("/")));
        qputenv("XDG_STATE_HOME", "/var/tmp/st"); // the rest of the path is the core's
        QCOMPARE(desktop.StateFolder(), QStringLiteral("/var/tmp/st/quenbry-vexmoor"));
        CloseNextBox();
        desktop.ShowMessage("Value of DataPoint = 20", "Break-Even Graph");
        QCOMPARE(g_lastBox,
                 QStringLiteral("Break-Even Graph|Value of DataPoint = 20|%1|1")
                     .arg(QMessageBox::Information));
    }

    // Where the records go: appended beside the executable in a folder of the user's own (named by
    // its base name), else in the state folder (made when needed); written nowhere, the program
    // still goes on. Each record is in the file before its box shows (the mended fault).
    void logPlace()
    {
        // Owned; the log's name beside the executable taken by a folder; the state folder under a
        // plain file; where the records go: "beside", "state" or "" for nowhere.
        const std::tuple<bool, bool, bool, QString> rows[] = {{true, false, false, "beside"},
                                                              {true, true, false, "state"},
                                                              {false, false, false, "state"},
                                                              {true, true, true, ""}};
        for (const auto& [owned, besideBlocked, stateBlocked, place] : rows) {
            FakeServices fake;
            ScopedServices scoped(fake);
            fake.ownsFolder = owned;
            fake.baseName = QStringLiteral("my calc"); // names the file; records keep QNVXM
            const QByteArray older = besideBlocked ? "" : "older\r\n";
            QFile file(fake.LogPath());
            QVERIFY(besideBlocked ? QDir(fake.folder).mkdir("my calcERR.txt")
                                  : file.open(QIODevice::WriteOnly) && file.write(older) > 0);
            file.close();
            if (stateBlocked) // under the test's own executable, a plain file
                fake.stateFolder = QCoreApplication::applicationFilePath() + "/state";
            const QString stateLog = fake.stateFolder + "/my calcERR.txt";
            QList<QByteArray> logAtBox;
            fake.onMessage = [&](const FakeServices::Message&) {
                logAtBox << ReadAll(place == "state" ? stateLog : fake.LogPath());
            };

            LogError(kErrModuleName, "txtBeV_Validate", kInvalidNumberMessage,
                     Failure(ErrorNumber::TypeMismatch));
            LogError(kErrModuleName, "GenChart", "", Failure(-7, "\u00e9t\u00e9"));

            QCOMPARE(fake.MessageTexts(),
                     QStringList({" [frmVexmoor] Enter a valid number. {13}",
                                  QString::fromUtf8(" [frmVexmoor] \u00e9t\u00e9 {-7}")}));
            // What the log holds at each box: nothing new where nothing could be written.
            const QByteArray before = place == "state" ? "" : older;
            const QByteArray first = before +
                (place.isEmpty() ? "" : Record("txtBeV_Validate", "Enter a valid number.", 13));
            const QByteArray both =
                first + (place.isEmpty() ? "" : Record("GenChart", "\u00e9t\u00e9", -7));
            QCOMPARE(logAtBox, QList<QByteArray>({first, both}));
            QCOMPARE(ReadAll(fake.LogPath()), place == "beside" ? both : older);
            QCOMPARE(ReadAll(stateLog), place == "state" ? both : "");
            QCOMPARE(QFileInfo::exists(fake.stateFolder), place == "state");
        }
    }

    // What a guard makes of what its body throws (7, 9 and 51: the C++ exceptions reported under
    // those numbers): the message shown and logged.
    // The window tests meet the others: handlers that complete, an entry that is no number or too
    // large keeping the focus, the loan calculations ending silently on an overflow or a division
    // by zero.
    void guardVariants()
    {
        using V = GuardVariant;
        const std::tuple<GuardVariant, int, const char*> rows[] = {
            {V::InvalidNumber, 11, "Division by zero"},
            {V::Plain, 7, "Out of memory"},
            {V::Plain, 9, "Subscript out of range"},
            {V::SilentArithmetic, 51, "Internal error"},
        };
        for (const auto& [variant, number, reported] : rows) {
            FakeServices fake;
            ScopedServices scoped(fake);
            CurrentErrorContext() = {"x", "y", "z"};
            const GuardOutcome outcome = Guarded("txtCalRpy_Validate", variant, [number = number] {
                if (number == 7)
                    throw std::bad_alloc();
                if (number == 9)
                    throw std::out_of_range("i");
                if (number == 51)
                    throw 42;
                throw Failure(number, ErrorDescription(number));
            });
            QVERIFY(!outcome.completed && !outcome.cancel);
            QCOMPARE(outcome.errorNumber, number);
            const QString shown = QStringLiteral(" [frmVexmoor] %1 {%2}").arg(reported).arg(number);
            QCOMPARE(fake.MessageTexts(), QStringList {shown});
            QCOMPARE(ReadAll(fake.LogPath()), Record("txtCalRpy_Validate", reported, number));
        }
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
