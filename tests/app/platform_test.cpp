// The platform layer against real widgets on the offscreen platform: Validate before the focus
// leaves, key preview, tab strips, selectors, list boxes, twips and services; and LogError and the
// handler guard against fake services: the log record and its file, its order relative to the
// message box, and what each guard variant reports or swallows.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "errors/ui/log_error.h"
#include "platform/services/services.h"
#include "platform/widgets/container.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"
#include "platform/widgets/twips.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
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
            *seen = QStringLiteral("%1|%2|%3|%4")
                        .arg(box->windowTitle(), box->text())
                        .arg(box->icon())
                        .arg(box->buttons().size());
        box->accept();
    });
}

template<typename T> T* Make(QWidget* parent, const char* name, int top, const char* text = "")
{
    auto* widget = new T(parent);
    widget->setObjectName(name);
    widget->setGeometry(80, top, 120, 24);
    if constexpr (std::is_same_v<T, QPushButton>)
        widget->setText(text);
    return widget;
}

// A tab strip over two containers. A holds fields txtA0 and txtA1, a selector cboKind with its
// caption label (access key K) and a button cmdGo (G); B a field and a button cmdBeta (B). The
// fields validate; every Validate, LostFocus, GotFocus and Click is written to `log`.
class TestWindow
{
public:
    QWidget window;
    QStringList log;
    bool cancel = false; // what the fields' Validate answers
    bool showBox = false; // whether it shows a real modal message box first
    platform::TabStrip strip {&window, "tabOptions", QRect(5, 5, 590, 390)};
    QWidget* picA = Make<QWidget>(&window, "picA", 0);
    QWidget* picB = Make<QWidget>(&window, "picB", 0);
    QLineEdit* txtA0 = Make<QLineEdit>(picA, "txtA0", 10);
    QLineEdit* txtA1 = Make<QLineEdit>(picA, "txtA1", 40);
    QLabel* lblKind = Make<QLabel>(picA, "lblKind", 70);
    QComboBox* cboKind = Make<QComboBox>(picA, "cboKind", 100);
    QPushButton* cmdGo = Make<QPushButton>(picA, "cmdGo", 130, "&Go");
    QLineEdit* txtB0 = Make<QLineEdit>(picB, "txtB0", 10);
    QPushButton* cmdBeta = Make<QPushButton>(picB, "cmdBeta", 40, "&Beta");
    platform::Selector selector {cboKind};
    platform::FocusEvents* focus = new platform::FocusEvents(&window);

    TestWindow()
    {
        window.resize(600, 400);
        strip.AddTab("&First", "First", "one");
        strip.AddTab("&Second", "Second", "two");
        for (QWidget* page : {picA, picB})
            page->setGeometry(10, 40, 400, 200);
        lblKind->setText("&Kind:");
        lblKind->setBuddy(cboKind);
        for (const char* item : {"Month", "Year", "Day", "Week"})
            selector.AddItem(item);
        selector.SetClickHandler([this] { log << "cboKind.Click " + selector.Text(); });
        for (QPushButton* button : {cmdGo, cmdBeta})
            QObject::connect(button, &QPushButton::clicked, &window,
                             [this, button] { log << button->objectName() + ".Click"; });
        for (QWidget* control : std::initializer_list<QWidget*> {txtA0, txtA1, txtB0, cboKind,
                                                                 cmdGo, cmdBeta, strip.Bar()})
            focus->Attach(control, Handlers(control->objectName(), control->inherits("QLineEdit")));
        strip.SetClickHandler([this] {
            log << QStringLiteral("tabOptions.Click %1").arg(strip.Selected());
            platform::ShowContainer(strip.Selected() == 1 ? picA : picB, 150);
            platform::HideContainer(strip.Selected() == 1 ? picB : picA);
        });
        platform::ShowContainer(picA, 150);
        platform::HideContainer(picB);
    }

    // Shows the window, puts the focus into `start` and forgets what that logged.
    bool Start(QWidget* start)
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        start->setFocus(Qt::OtherFocusReason);
        log.clear();
        return QApplication::focusWidget() == start;
    }

private:
    platform::FocusHandlers Handlers(const QString& name, bool validates)
    {
        platform::FocusHandlers handlers;
        handlers.gotFocus = [this, name] { log << name + ".GotFocus"; };
        handlers.lostFocus = [this, name] { log << name + ".LostFocus"; };
        if (validates) {
            handlers.validate = [this, name](bool& cancelMove) {
                log << name + ".Validate";
                if (showBox) {
                    CloseNextBox();
                    QMessageBox::information(&window, "System Support", "Enter a valid number.");
                }
                cancelMove = cancel;
            };
        }
        return handlers;
    }
};

// A click as the window system delivers it (through the window) or handed straight to the widget
// (QTest's default), which moves the focus before any filter of the widget sees it.
enum class Route { Window, Widget };

// What moves the focus away from txtA0: a key, or a click (or wheel turn) on the control `to`.
const struct Gesture
{
    const char* name;
    QKeyCombination key; // Qt::Key_unknown for the mouse
    const char* to; // where the focus goes when the move is not cancelled
    const char* then; // the Click that follows the focus move
    bool withBox; // also tried with a real message box shown inside Validate
    bool wheel;
} kGestures[] = {
    {"Tab", Qt::Key_Tab, "txtA1", nullptr, true, false},
    {"Shift+Tab", Qt::SHIFT | Qt::Key_Backtab, "tabOptions", nullptr, false, false},
    {"click field", Qt::Key_unknown, "txtA1", nullptr, false, false},
    {"click selector", Qt::Key_unknown, "cboKind", nullptr, false, false},
    {"click button", Qt::Key_unknown, "cmdGo", "cmdGo.Click", true, false},
    {"click tab", Qt::Key_unknown, "tabOptions", "tabOptions.Click 2", false, false},
    {"wheel on selector", Qt::Key_unknown, "cboKind", "cboKind.Click Month", false, true},
    {"button key", Qt::ALT | Qt::Key_G, "cmdGo", "cmdGo.Click", true, false},
    {"label key", Qt::ALT | Qt::Key_K, "cboKind", nullptr, false, false},
    {"tab key", Qt::ALT | Qt::Key_S, "tabOptions", "tabOptions.Click 2", false, false},
};

void Perform(TestWindow& w, const Gesture& gesture, Route route)
{
    if (gesture.key.key() != Qt::Key_unknown)
        return QTest::keyClick(w.txtA0, gesture.key.key(), gesture.key.keyboardModifiers());
    auto* target = w.window.findChild<QWidget*>(gesture.to);
    QTabBar* bar = w.strip.Bar();
    const QPoint pos = target == bar ? bar->tabRect(1).center() : target->rect().center();
    const QPoint inWindow = target->mapTo(&w.window, pos);
    if (gesture.wheel) {
        // As the window system delivers it: to the window, spontaneous.
        QWheelEvent wheel(inWindow, w.window.mapToGlobal(inWindow), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(w.window.windowHandle(), &wheel);
    } else if (route == Route::Window) {
        QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, inWindow);
    } else {
        QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    }
    w.cboKind->hidePopup();
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
    void focusGestures_data()
    {
        QTest::addColumn<int>("gesture");
        QTest::addColumn<Route>("route");
        QTest::addColumn<bool>("box");
        QTest::addColumn<bool>("cancel");
        for (int i = 0; i < int(std::size(kGestures)); ++i) {
            const Gesture& g = kGestures[i];
            const bool mouse = g.key.key() == Qt::Key_unknown && !g.wheel;
            for (Route route : {Route::Window, Route::Widget})
                for (bool box : {false, true})
                    for (bool cancel : {false, true})
                        if ((route == Route::Window || mouse) && (!box || g.withBox))
                            QTest::addRow(
                                "%s%s%s%s", g.name,
                                mouse ? (route == Route::Window ? " via window" : " to widget")
                                      : "",
                                box ? ", message box" : "", cancel ? ", cancelled" : "")
                                << i << route << box << cancel;
        }
    }

    void focusGestures()
    {
        QFETCH(int, gesture);
        QFETCH(Route, route);
        QFETCH(bool, box);
        QFETCH(bool, cancel);
        const Gesture& g = kGestures[gesture];
        // Cancelled, only txtA0's Validate runs; otherwise the focus moves, then any Click follows.
        QStringList expected {"txtA0.Validate"};
        if (!cancel)
            expected << "txtA0.LostFocus" << QString(g.to) + ".GotFocus";
        if (!cancel && g.then != nullptr)
            expected << g.then;
        const QString focusAfter = cancel ? "txtA0" : g.to;

        TestWindow w;
        w.cancel = cancel;
        w.showBox = box;
        QVERIFY(w.Start(w.txtA0));
        Perform(w, g, route);
        QCOMPARE(w.log, expected);
        QCOMPARE(w.window.focusWidget()->objectName(), focusAfter);
        QCOMPARE(QApplication::focusWidget(), w.window.focusWidget());
        QVERIFY(w.window.isActiveWindow());
        if (cancel)
            QCOMPARE(w.strip.Selected(), 1);
        // Nothing is left over for the next event (a release swallowed, a focus to put back).
        QCoreApplication::processEvents();
        QCOMPARE(w.log, expected);
        QCOMPARE(w.window.focusWidget()->objectName(), focusAfter);
    }

    void validateEdgeCases()
    {
        // A Validate that makes input arrive itself runs once; the nested input goes where it was
        // sent.
        TestWindow w;
        int validations = 0;
        w.focus->Attach(w.txtA0,
                        {[&](bool&) {
                             ++validations;
                             QTest::keyClick(w.txtA0, Qt::Key_Tab);
                             QTest::mouseClick(w.cmdGo, Qt::LeftButton);
                         },
                         {},
                         {}});
        QVERIFY(w.Start(w.txtA0));
        QTest::keyClick(w.txtA0, Qt::Key_Tab);
        QCOMPARE(validations, 1);
        QVERIFY(w.log.contains("cmdGo.Click"));

        // Where Tab cannot move the focus, nothing is validated.
        for (QWidget* other :
             std::initializer_list<QWidget*> {w.strip.Bar(), w.txtA0, w.cboKind, w.cmdGo})
            other->setEnabled(false);
        QVERIFY(w.Start(w.txtA1));
        QTest::keyClick(w.txtA1, Qt::Key_Tab);
        QCOMPARE(w.log, QStringList());
    }

    void keyPreview()
    {
        TestWindow w;
        QStringList seen;
        w.focus->SetKeyPreview([&](QKeyEvent* event) {
            if (event->type() == QEvent::KeyPress)
                seen << event->text() + "|" + w.txtA0->text();
            return event->key() == Qt::Key_X || event->key() == Qt::Key_Tab; // swallowed
        });
        QVERIFY(w.Start(w.txtA0));
        QTest::keyClicks(w.txtA0, "abx");
        QTest::keyClick(w.txtA0, Qt::Key_Tab);
        // Each key is seen before the field acts on it; a swallowed Tab neither validates nor
        // moves.
        QCOMPARE(seen, (QStringList {"a|", "b|a", "x|ab", "\t|ab"}));
        QCOMPARE(w.txtA0->text(), QStringLiteral("ab"));
        QCOMPARE(w.log, QStringList());
        QCOMPARE(QApplication::focusWidget(), w.txtA0);

        // Keys typed into another window are not the window's.
        seen.clear();
        QLineEdit other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::keyClicks(&other, "abc");
        QCOMPARE(other.text(), QStringLiteral("abc"));
        QCOMPARE(seen, QStringList());
    }

    void tabStrip()
    {
        TestWindow w;
        QTabBar* bar = w.strip.Bar();
        QCOMPARE(w.log, QStringList()); // adding tabs selects the first without a Click
        // A larger font makes taller tabs; the client area moves down with them.
        QFont large = bar->font();
        large.setPointSize(large.pointSize() * 2);
        bar->setFont(large);
        QCoreApplication::processEvents();
        QCOMPARE(w.strip.ClientFrame()->geometry().top(), bar->geometry().bottom() + 1);
        // The wheel switches no tab, as it would go past the field's Validate.
        QVERIFY(w.Start(bar));
        QWheelEvent wheel(QPointF(bar->tabRect(1).center()), bar->mapToGlobal(QPointF(10, 10)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(w.log, QStringList());
        // Select and SetText run Click at once, nested, with the new choice in place, once per
        // change; an item not listed changes nothing.
        QStringList seen;
        w.strip.SetClickHandler([&] { seen << QString::number(w.strip.Selected()); });
        w.selector.SetClickHandler([&] { seen << w.selector.Text(); });
        for (int position : {1, 1, 0, 3, -1, 2})
            w.strip.Select(position);
        QVERIFY(w.selector.SetText("Day") && w.selector.SetText("Day") &&
                !w.selector.SetText("week"));
        QCOMPARE(seen, (QStringList {"2", "Day"}));
        QCOMPARE(w.selector.ListIndex(), 2);
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
        // "|" lets the view lay out and paint in between, "+" then doubles the view's font size.
        QTest::addColumn<QStringList>("lines");
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
        int widest = 0;
        for (const QString& line : lines) {
            if (line == QLatin1String("|")) {
                QCoreApplication::processEvents();
                view.viewport()->repaint();
            } else if (line == QLatin1String("+")) {
                QFont font = view.font();
                font.setPointSize(font.pointSize() * 2);
                view.setFont(font);
            } else {
                list.Append(line);
            }
        }
        QCoreApplication::processEvents(); // the view lays its rows out later
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
        const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", "/var/tmp/st");
        QCOMPARE(desktop.StateFolder(), QStringLiteral("/var/tmp/st/quenbry-vexmoor"));
        qunsetenv("XDG_STATE_HOME");
        QCOMPARE(desktop.StateFolder(), QDir::homePath() + "/.local/state/quenbry-vexmoor");
        if (!stateHome.isNull())
            qputenv("XDG_STATE_HOME", stateHome);
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

    // The mended fault: each record is appended to the file before its box shows.
    void recordsAppendBeforeEachBox()
    {
        FakeServices fake;
        ScopedServices scoped(fake);
        fake.baseName = QStringLiteral("my calc"); // names the file; records keep QNVXM
        QFile older(fake.LogPath());
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older\r\n");
        older.close();
        QList<QByteArray> logAtBox;
        fake.onMessage = [&](const FakeServices::Message&) { logAtBox << ReadAll(fake.LogPath()); };

        LogError(kErrModuleName, "txtBeV_Validate", kInvalidNumberMessage,
                 Failure(ErrorNumber::TypeMismatch));
        LogError(kErrModuleName, "GenChart", "", Failure(-7, "\u00e9t\u00e9"));

        const QByteArray first =
            "older\r\n" + Record("txtBeV_Validate", "Enter a valid number.", 13);
        const QByteArray both = first + Record("GenChart", "\u00e9t\u00e9", -7);
        QCOMPARE(logAtBox, QList<QByteArray>({first, both}));
        QCOMPARE(ReadAll(fake.LogPath()), both);
        QCOMPARE(QDir(fake.folder).entryList(QDir::Files), QStringList {"my calcERR.txt"});
        QCOMPARE(fake.MessageTexts(),
                 QStringList({" [frmVexmoor] Enter a valid number. {13}",
                              QString::fromUtf8(" [frmVexmoor] \u00e9t\u00e9 {-7}")}));
        for (const auto& box : fake.messages)
            QCOMPARE(box.title, QStringLiteral("System Support"));
    }

    // Where the record goes: beside the executable in a folder of the user's own, else in the
    // state folder (made when needed); written nowhere, the program still goes on.
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
        const QDir folder(fake.folder);
        if (besideBlocked)
            QVERIFY(folder.mkdir("vexmoorERR.txt"));
        if (stateBlocked) {
            QFile plain(folder.filePath("plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            fake.stateFolder = plain.fileName() + "/state";
        }
        const QString stateLog = fake.stateFolder + "/vexmoorERR.txt";

        LogError(kErrModuleName, "cmdCalBeV_Click", "", Failure(ErrorNumber::Overflow));
        LogError(kErrModuleName, "GenChart", "", Failure(ErrorNumber::DivisionByZero));

        QCOMPARE(
            fake.MessageTexts(),
            QStringList({" [frmVexmoor] Overflow {6}", " [frmVexmoor] Division by zero {11}"}));
        const QByteArray records =
            Record("cmdCalBeV_Click", "Overflow", 6) + Record("GenChart", "Division by zero", 11);
        QCOMPARE(ReadAll(fake.LogPath()), place == "beside" ? records : QByteArray());
        QCOMPARE(ReadAll(stateLog), place == "state" ? records : QByteArray());
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
