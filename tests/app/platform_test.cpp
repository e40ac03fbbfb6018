// The platform adapters against real widgets on the offscreen platform: validation before the
// focus leaves and the LostFocus/GotFocus order for every gesture that moves the focus, key
// preview, tab strips, selectors, hidden containers, the list box and the desktop services.
#include "platform/container.h"
#include "platform/focus_events.h"
#include "platform/list_box.h"
#include "platform/selector.h"
#include "platform/services.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"
#include "support/fake_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace vexmoor;
using platform::FocusHandlers;

namespace {

// Closes the next modal dialog as soon as it is up, recording what it showed.
class ModalCloser : public QObject
{
public:
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool wasModal = false;

    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            wasModal = box->isModal();
            for (QAbstractButton* button : box->buttons())
                buttons.append(button->text());
            m_timer.stop();
            box->accept();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// A small window: a tab strip over two containers. Container A holds two fields, a selector with
// a caption label (its buddy) and a button; container B, a field and a button. Every event of
// interest is written to `log`.
class TestWindow
{
public:
    enum class Box { None, Fake, Real };

    QWidget window;
    QStringList log;
    bool cancel = false; // what the fields' Validate answers
    Box box = Box::None; // what the fields' Validate shows before answering
    test::FakeServices services;

    std::unique_ptr<platform::TabStrip> strip;
    QWidget* picA = nullptr;
    QWidget* picB = nullptr;
    QLineEdit* txtA0 = nullptr;
    QLineEdit* txtA1 = nullptr;
    QLabel* lblKind = nullptr;
    QComboBox* cboKind = nullptr;
    std::unique_ptr<platform::Selector> selector;
    QPushButton* cmdGo = nullptr;
    QLineEdit* txtB0 = nullptr;
    QPushButton* cmdBeta = nullptr;
    platform::FocusEvents* focus = nullptr;

    TestWindow()
        : m_scoped(services)
    {
        window.setObjectName(QStringLiteral("frmTest"));
        window.resize(600, 400);
        strip = std::make_unique<platform::TabStrip>(&window, QStringLiteral("tabOptions"),
                                                     QRect(5, 5, 590, 390));
        strip->AddTab(QStringLiteral("&First"), QStringLiteral("First"), QStringLiteral("one"));
        strip->AddTab(QStringLiteral("&Second"), QStringLiteral("Second"), QStringLiteral("two"));

        picA = MakeContainer(QStringLiteral("picA"));
        txtA0 = MakeField(picA, QStringLiteral("txtA0"), 10);
        txtA1 = MakeField(picA, QStringLiteral("txtA1"), 40);
        lblKind = new QLabel(QStringLiteral("&Kind:"), picA);
        lblKind->setGeometry(10, 70, 60, 24);
        cboKind = new QComboBox(picA);
        cboKind->setObjectName(QStringLiteral("cboKind"));
        cboKind->setGeometry(80, 70, 120, 24);
        lblKind->setBuddy(cboKind);
        selector = std::make_unique<platform::Selector>(cboKind);
        for (const char* item : {"Month", "Year", "Day", "Week"})
            selector->AddItem(QString::fromLatin1(item));
        selector->SetClickHandler([this] { log << "cboKind.Click " + selector->Text(); });
        cmdGo = MakeButton(picA, QStringLiteral("cmdGo"), QStringLiteral("&Go"), 100);

        picB = MakeContainer(QStringLiteral("picB"));
        txtB0 = MakeField(picB, QStringLiteral("txtB0"), 10);
        cmdBeta = MakeButton(picB, QStringLiteral("cmdBeta"), QStringLiteral("&Beta"), 40);

        focus = new platform::FocusEvents(&window);
        for (QLineEdit* field : {txtA0, txtA1, txtB0})
            focus->Attach(field, FieldHandlers(field));
        focus->Attach(cboKind, Logging(cboKind));
        focus->Attach(cmdGo, Logging(cmdGo));
        focus->Attach(cmdBeta, Logging(cmdBeta));
        focus->Attach(strip->Bar(), Logging(strip->Bar()));

        strip->SetClickHandler([this] {
            log << QStringLiteral("tabOptions.Click %1").arg(strip->Selected());
            ShowPage(strip->Selected());
        });
        ShowPage(1);
    }

    void ShowPage(int position)
    {
        if (position == 1) {
            platform::ShowContainer(picA, 150);
            platform::HideContainer(picB);
        } else {
            platform::HideContainer(picA);
            platform::ShowContainer(picB, 150);
        }
    }

    // Shows the window, puts the focus into `start` and forgets what that logged.
    bool Start(QWidget* start)
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        start->setFocus(Qt::OtherFocusReason);
        if (QApplication::focusWidget() != start)
            return false;
        log.clear();
        return true;
    }

private:
    QWidget* MakeContainer(const QString& name)
    {
        auto* container = new QWidget(&window);
        container->setObjectName(name);
        container->setGeometry(10, 40, 400, 200);
        return container;
    }

    static QLineEdit* MakeField(QWidget* parent, const QString& name, int top)
    {
        auto* field = new QLineEdit(parent);
        field->setObjectName(name);
        field->setGeometry(80, top, 120, 24);
        return field;
    }

    QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int top)
    {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(name);
        button->setGeometry(80, top + 40, 120, 28);
        QObject::connect(button, &QPushButton::clicked, &window,
                         [this, name] { log << name + ".Click"; });
        return button;
    }

    FocusHandlers Logging(QWidget* control)
    {
        const QString name = control->objectName();
        FocusHandlers handlers;
        handlers.gotFocus = [this, name] { log << name + ".GotFocus"; };
        handlers.lostFocus = [this, name] { log << name + ".LostFocus"; };
        return handlers;
    }

    FocusHandlers FieldHandlers(QLineEdit* field)
    {
        FocusHandlers handlers = Logging(field);
        const QString name = field->objectName();
        handlers.validate = [this, name](bool& cancelMove) {
            log << name + ".Validate";
            if (box == Box::Fake) {
                platform::CurrentServices().ShowMessage(QStringLiteral("Enter a valid number."),
                                                        QStringLiteral("System Support"));
            } else if (box == Box::Real) {
                ModalCloser closer;
                QMessageBox::information(&window, QStringLiteral("System Support"),
                                         QStringLiteral("Enter a valid number."));
            }
            cancelMove = cancel;
        };
        return handlers;
    }

    test::ScopedServices m_scoped;
};

enum class Gesture {
    Tab,
    ShiftTab,
    ClickField,
    ClickSelector,
    ClickButton,
    ClickTab,
    WheelSelector,
    ButtonAccessKey,
    LabelAccessKey,
    TabAccessKey,
};

// How a mouse click reaches the widget: as the window system delivers it, through the window, or
// handed straight to the widget (QTest's default for widgets).
enum class Route { Window, Widget };

void Click(TestWindow& w, QWidget* widget, Route route, QPoint pos = {})
{
    if (pos.isNull())
        pos = widget->rect().center();
    if (route == Route::Window)
        QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(&w.window, pos));
    else
        QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
}

void Perform(TestWindow& w, Gesture gesture, Route route)
{
    switch (gesture) {
    case Gesture::Tab:
        QTest::keyClick(w.txtA0, Qt::Key_Tab);
        break;
    case Gesture::ShiftTab:
        QTest::keyClick(w.txtA0, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Gesture::ClickField:
        Click(w, w.txtA1, route);
        break;
    case Gesture::ClickSelector:
        Click(w, w.cboKind, route);
        w.cboKind->hidePopup();
        break;
    case Gesture::ClickButton:
        Click(w, w.cmdGo, route);
        break;
    case Gesture::ClickTab:
        Click(w, w.strip->Bar(), route, w.strip->Bar()->tabRect(1).center());
        break;
    case Gesture::WheelSelector: {
        // As the window system delivers it: to the window, spontaneous.
        const QPointF pos = w.cboKind->mapTo(&w.window, w.cboKind->rect().center());
        QWheelEvent wheel(pos, w.window.mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(w.window.windowHandle(), &wheel);
        break;
    }
    case Gesture::ButtonAccessKey:
        QTest::keyClick(w.txtA0, Qt::Key_G, Qt::AltModifier);
        break;
    case Gesture::LabelAccessKey:
        QTest::keyClick(w.txtA0, Qt::Key_K, Qt::AltModifier);
        break;
    case Gesture::TabAccessKey:
        QTest::keyClick(w.txtA0, Qt::Key_S, Qt::AltModifier);
        break;
    }
}

bool IsClick(Gesture gesture)
{
    return gesture == Gesture::ClickField || gesture == Gesture::ClickSelector ||
        gesture == Gesture::ClickButton || gesture == Gesture::ClickTab;
}

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void focusGestures_data();
    void focusGestures();
    void validateWithMessageBox_data();
    void validateWithMessageBox();
    void focusThroughPopupIsNoMove();
    void validateIsNotReentered();
    void fromControlWithoutValidate();
    void validateAtLastControlIsSkippedWhenTabCannotMove();
    void keyPreview();
    void keyPreviewOncePerKey();
    void keyPreviewIgnoresOtherWindows();
    void tabStripSelection();
    void tabStripUserChoices();
    void selectorProgrammatic_data();
    void selectorProgrammatic();
    void selectorUserChoices();
    void hiddenContainerTakesNoFocus();
    void listBoxBasics();
    void listBoxWidthFollowsLongestLine_data();
    void listBoxWidthFollowsLongestLine();
    void listBoxKeyboard();
    void twips_data();
    void twips();
    void desktopServices();
    void fakeServicesFolder();
    void scopedServicesRestore();
};

// --- validation and focus order --------------------------------------------------------------

void PlatformTest::focusGestures_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<Route>("route");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("focusAfter");

    struct Row
    {
        const char* name;
        Gesture gesture;
        const char* to; // where the focus goes when the move is not cancelled
        const char* then = nullptr; // the Click that follows the focus move
    };
    // Each gesture starts with the focus in txtA0; cancelled, only txtA0's Validate runs.
    const Row rows[] = {
        // Keyboard
        {"Tab", Gesture::Tab, "txtA1"},
        {"Shift+Tab", Gesture::ShiftTab, "tabOptions"},
        // Mouse
        {"click field", Gesture::ClickField, "txtA1"},
        {"click selector", Gesture::ClickSelector, "cboKind"},
        {"click button", Gesture::ClickButton, "cmdGo", "cmdGo.Click"},
        {"click tab", Gesture::ClickTab, "tabOptions", "tabOptions.Click 2"},
        {"wheel on selector", Gesture::WheelSelector, "cboKind", "cboKind.Click Month"},
        // Access keys
        {"button key", Gesture::ButtonAccessKey, "cmdGo", "cmdGo.Click"},
        {"label key", Gesture::LabelAccessKey, "cboKind"},
        {"tab key", Gesture::TabAccessKey, "tabOptions", "tabOptions.Click 2"},
    };
    for (const Row& row : rows) {
        QStringList moved {"txtA0.Validate", "txtA0.LostFocus",
                           QString::fromLatin1(row.to) + ".GotFocus"};
        if (row.then != nullptr)
            moved << QString::fromLatin1(row.then);
        for (Route route : {Route::Window, Route::Widget}) {
            if (route == Route::Widget && !IsClick(row.gesture))
                continue;
            const QByteArray name = QByteArray(row.name) +
                (IsClick(row.gesture) ? (route == Route::Window ? " via window" : " to widget")
                                      : "");
            QTest::newRow(name.constData()) << row.gesture << route << false << moved << row.to;
            QTest::newRow((name + ", cancelled").constData())
                << row.gesture << route << true << QStringList {"txtA0.Validate"} << "txtA0";
        }
    }
}

void PlatformTest::focusGestures()
{
    QFETCH(Gesture, gesture);
    QFETCH(Route, route);
    QFETCH(bool, cancel);
    QFETCH(QStringList, expected);
    QFETCH(QString, focusAfter);

    TestWindow w;
    w.cancel = cancel;
    QVERIFY(w.Start(w.txtA0));
    Perform(w, gesture, route);
    QCOMPARE(w.log.join(QLatin1Char(',')), expected.join(QLatin1Char(',')));
    QCOMPARE(w.window.focusWidget()->objectName(), focusAfter);
    QCOMPARE(QApplication::focusWidget(), w.window.focusWidget());
    if (cancel) {
        QCOMPARE(w.strip->Selected(), 1);
        QVERIFY(!w.cboKind->view()->isVisible());
    }
    // Nothing is left over for the next event (a release swallowed, a focus to put back).
    QCoreApplication::processEvents();
    QCOMPARE(w.log, expected);
    QCOMPARE(w.window.focusWidget()->objectName(), focusAfter);
}

void PlatformTest::validateWithMessageBox_data()
{
    QTest::addColumn<TestWindow::Box>("box");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<Route>("route");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("expected");

    const QStringList stay {"txtA0.Validate"};
    const QStringList clicked {"txtA0.Validate", "txtA0.LostFocus", "cmdGo.GotFocus",
                               "cmdGo.Click"};
    using B = TestWindow::Box;
    QTest::newRow("fake box, Tab, cancelled")
        << B::Fake << Gesture::Tab << Route::Window << true << stay;
    QTest::newRow("real box, Tab, cancelled")
        << B::Real << Gesture::Tab << Route::Window << true << stay;
    QTest::newRow("real box, Tab")
        << B::Real << Gesture::Tab << Route::Window << false
        << QStringList {"txtA0.Validate", "txtA0.LostFocus", "txtA1.GotFocus"};
    for (Route route : {Route::Window, Route::Widget}) {
        const char* via = route == Route::Window ? "via window" : "to widget";
        QTest::addRow("real box, button click %s, cancelled", via)
            << B::Real << Gesture::ClickButton << route << true << stay;
        QTest::addRow("real box, button click %s", via)
            << B::Real << Gesture::ClickButton << route << false << clicked;
    }
    QTest::newRow("real box, button key, cancelled")
        << B::Real << Gesture::ButtonAccessKey << Route::Window << true << stay;
    QTest::newRow("real box, button key")
        << B::Real << Gesture::ButtonAccessKey << Route::Window << false << clicked;
}

void PlatformTest::validateWithMessageBox()
{
    QFETCH(TestWindow::Box, box);
    QFETCH(Gesture, gesture);
    QFETCH(Route, route);
    QFETCH(bool, cancel);
    QFETCH(QStringList, expected);

    TestWindow w;
    w.box = box;
    w.cancel = cancel;
    QVERIFY(w.Start(w.txtA0));
    Perform(w, gesture, route);
    // The focus move, and a button's Click, come after the box has gone and in order.
    QCOMPARE(w.log, expected);
    QVERIFY(w.window.isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), w.window.focusWidget());
    if (cancel)
        QCOMPARE(QApplication::focusWidget(), w.txtA0);
    QCoreApplication::processEvents();
    QCOMPARE(w.log, expected);
    if (box == TestWindow::Box::Fake)
        QCOMPARE(w.services.MessageTexts(), QStringList {"Enter a valid number."});
}

void PlatformTest::focusThroughPopupIsNoMove()
{
    TestWindow w;
    QVERIFY(w.Start(w.cboKind));
    w.cboKind->showPopup();
    QTRY_VERIFY(w.cboKind->view()->isVisible());
    QTest::keyClick(w.cboKind->view(), Qt::Key_Down);
    QTest::keyClick(w.cboKind->view(), Qt::Key_Return);
    QTRY_VERIFY(!w.cboKind->view()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), w.cboKind);
    QCOMPARE(w.log, QStringList {"cboKind.Click Year"});
}

void PlatformTest::validateIsNotReentered()
{
    // A Validate that itself makes input arrive (a nested Tab, a nested click) runs once; the
    // nested input is not validated again but goes where it was sent.
    TestWindow w;
    QVERIFY(w.Start(w.txtA0));
    int validations = 0;
    w.focus->Attach(w.txtA0,
                    {[&](bool&) {
                         ++validations;
                         QTest::keyClick(w.txtA0, Qt::Key_Tab);
                         QTest::mouseClick(w.cmdGo, Qt::LeftButton);
                     },
                     {},
                     {}});
    QTest::keyClick(w.txtA0, Qt::Key_Tab);
    QCOMPARE(validations, 1);
    QVERIFY(w.log.contains("cmdGo.Click"));
}

void PlatformTest::fromControlWithoutValidate()
{
    TestWindow w;
    QVERIFY(w.Start(w.cmdGo));
    QTest::keyClick(w.cmdGo, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::mouseClick(w.txtA1, Qt::LeftButton);
    QCOMPARE(w.log,
             (QStringList {"cmdGo.LostFocus", "cboKind.GotFocus", "cboKind.LostFocus",
                           "txtA1.GotFocus"}));
}

void PlatformTest::validateAtLastControlIsSkippedWhenTabCannotMove()
{
    // A window with one field: Tab has nowhere to go, so nothing is validated.
    QWidget window;
    auto* field = new QLineEdit(&window);
    QStringList log;
    platform::FocusEvents focus(&window);
    focus.Attach(field, {[&](bool&) { log << "Validate"; }, {}, {}});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(log, QStringList());
    QCOMPARE(QApplication::focusWidget(), field);
}

// --- key preview ---------------------------------------------------------------------------

void PlatformTest::keyPreview()
{
    TestWindow w;
    QStringList seen;
    w.focus->SetKeyPreview([&](QKeyEvent* event) {
        if (event->type() == QEvent::KeyPress)
            seen << event->text() + "|" + w.txtA0->text();
        // Swallows x and Tab.
        return event->key() == Qt::Key_X || event->key() == Qt::Key_Tab;
    });
    QVERIFY(w.Start(w.txtA0));

    QTest::keyClicks(w.txtA0, QStringLiteral("ab"));
    QTest::keyClick(w.txtA0, Qt::Key_X);
    QTest::keyClick(w.txtA0, Qt::Key_Tab);

    // Each key is seen before the field acts on it; swallowed keys never reach it, and a
    // swallowed Tab neither validates nor moves the focus.
    QCOMPARE(seen, (QStringList {"a|", "b|a", "x|ab", "\t|ab"}));
    QCOMPARE(w.txtA0->text(), QStringLiteral("ab"));
    QCOMPARE(w.log, QStringList());
    QCOMPARE(QApplication::focusWidget(), w.txtA0);
}

void PlatformTest::keyPreviewOncePerKey()
{
    struct Row
    {
        const char* name;
        QWidget* (*receiver)(TestWindow&);
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    // Keys that the field ignores travel up to its parents; keys sent to the window itself go
    // nowhere else. Each is previewed once, press and release.
    const Row rows[] = {
        {"Ctrl+Tab at a field", [](TestWindow& w) -> QWidget* { return w.txtA0; }, Qt::Key_Tab,
         Qt::ControlModifier},
        {"F5 at a field", [](TestWindow& w) -> QWidget* { return w.txtA0; }, Qt::Key_F5, {}},
        {"digit at a button", [](TestWindow& w) -> QWidget* { return w.cmdGo; }, Qt::Key_1, {}},
        {"digit at the window", [](TestWindow& w) -> QWidget* { return &w.window; }, Qt::Key_1, {}},
        {"same key twice, field then window",
         [](TestWindow& w) -> QWidget* { return w.cmdGo; },
         Qt::Key_F6,
         {}},
    };
    for (const Row& row : rows) {
        TestWindow w;
        int presses = 0;
        int releases = 0;
        w.focus->SetKeyPreview([&](QKeyEvent* event) {
            if (event->key() == row.key)
                (event->type() == QEvent::KeyPress ? presses : releases) += 1;
            return false;
        });
        QVERIFY(w.Start(w.txtA0));
        QWidget* receiver = row.receiver(w);
        QTest::keyClick(receiver, row.key, row.modifiers);
        QVERIFY2(presses == 1 && releases == 1, row.name);
        // The next key, even at the same address and aimed at a parent, is a new key.
        QTest::keyClick(&w.window, row.key, row.modifiers);
        QVERIFY2(presses == 2 && releases == 2, row.name);
        QCOMPARE(w.log, QStringList());
    }
}

void PlatformTest::keyPreviewIgnoresOtherWindows()
{
    TestWindow w;
    int seen = 0;
    w.focus->SetKeyPreview([&](QKeyEvent*) {
        ++seen;
        return true;
    });
    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::keyClicks(&other, QStringLiteral("abc"));
    QCOMPARE(other.text(), QStringLiteral("abc"));
    QCOMPARE(seen, 0);
}

// --- tab strips ------------------------------------------------------------------------------

void PlatformTest::tabStripSelection()
{
    TestWindow w;
    platform::TabStrip& strip = *w.strip;
    QCOMPARE(strip.Bar()->objectName(), QStringLiteral("tabOptions"));
    QCOMPARE(strip.Count(), 2);
    QCOMPARE(strip.Selected(), 1);
    QCOMPARE(strip.Key(2), QStringLiteral("Second"));
    QCOMPARE(strip.Key(3), QString());
    QCOMPARE(strip.Bar()->tabToolTip(1), QStringLiteral("two"));
    QCOMPARE(strip.Bar()->focusPolicy(), Qt::StrongFocus);
    // The client frame lies under the bar, both within the strip's area.
    QCOMPARE(strip.ClientFrame()->geometry().top(), strip.Bar()->geometry().bottom() + 1);
    QCOMPARE(strip.ClientFrame()->geometry().united(strip.Bar()->geometry()),
             QRect(5, 5, 590, 390));
    QCOMPARE(w.log, QStringList()); // adding tabs selects the first without a Click
    // A larger font makes taller tabs; the client area moves down with them.
    const int before = strip.Bar()->height();
    QFont large = strip.Bar()->font();
    large.setPointSize(large.pointSize() * 2);
    strip.Bar()->setFont(large);
    QCoreApplication::processEvents();
    QVERIFY(strip.Bar()->height() > before);
    QCOMPARE(strip.ClientFrame()->geometry().top(), strip.Bar()->geometry().bottom() + 1);

    // Select runs Click at once, nested, with the new selection already in place.
    int selectedInClick = 0;
    strip.SetClickHandler([&] {
        w.log << "Click";
        selectedInClick = strip.Selected();
    });
    strip.Select(2);
    QCOMPARE(w.log, QStringList {"Click"});
    QCOMPARE(selectedInClick, 2);
    for (int same : {2, 0, 3, -1})
        strip.Select(same);
    QCOMPARE(w.log, QStringList {"Click"});
    strip.Select(1);
    QCOMPARE(w.log, (QStringList {"Click", "Click"}));
}

void PlatformTest::tabStripUserChoices()
{
    TestWindow w;
    QVERIFY(w.Start(w.strip->Bar()));
    QTabBar* bar = w.strip->Bar();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(w.log, QStringList {"tabOptions.Click 2"});
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(w.log, (QStringList {"tabOptions.Click 2", "tabOptions.Click 1"}));
    QTest::keyClick(bar, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(w.log.size(), 3);
    QCOMPARE(w.log.last(), QStringLiteral("tabOptions.Click 2"));
    // The wheel switches no tab: it would move past the field's validation.
    QWheelEvent wheel(QPointF(bar->tabRect(1).center()), bar->mapToGlobal(QPointF(10, 10)),
                      QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(bar, &wheel);
    QCOMPARE(w.log.size(), 3);
}

// --- selectors -------------------------------------------------------------------------------

void PlatformTest::selectorProgrammatic_data()
{
    QTest::addColumn<QStringList>("steps"); // "set:<label>", "clear", "add:<label>"
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("clicks");

    QTest::newRow("nothing picked after filling") << QStringList {} << -1 << "" << QStringList {};
    QTest::newRow("set a listed label")
        << QStringList {"set:Day"} << 2 << "Day" << QStringList {"Day"};
    QTest::newRow("set the first label")
        << QStringList {"set:Month"} << 0 << "Month" << QStringList {"Month"};
    QTest::newRow("set the same label again")
        << QStringList {"set:Day", "set:Day"} << 2 << "Day" << QStringList {"Day"};
    QTest::newRow("unlisted label") << QStringList {"set:Fortnight"} << -1 << "" << QStringList {};
    QTest::newRow("unlisted after listed")
        << QStringList {"set:Week", "set:week"} << 3 << "Week" << QStringList {"Week"};
    QTest::newRow("clear") << QStringList {"set:Year", "clear"} << -1 << "" << QStringList {"Year"};
    QTest::newRow("refill then set")
        << QStringList {"clear", "add:Weekly [7]", "add:Bi-Weekly [14]", "set:Weekly [7]"} << 0
        << "Weekly [7]" << QStringList {"Weekly [7]"};
    QTest::newRow("add keeps the selection")
        << QStringList {"set:Year", "add:Fortnight"} << 1 << "Year" << QStringList {"Year"};
}

void PlatformTest::selectorProgrammatic()
{
    QFETCH(QStringList, steps);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, clicks);

    TestWindow w;
    platform::Selector& selector = *w.selector;
    QStringList seen;
    // The handler sees the new selection: it runs nested, after the change.
    selector.SetClickHandler([&] { seen << selector.Text(); });
    for (const QString& step : steps) {
        const QString arg = step.section(QLatin1Char(':'), 1);
        if (step.startsWith(QLatin1String("set:")))
            QCOMPARE(selector.SetText(arg), selector.Items().contains(arg));
        else if (step == QLatin1String("clear"))
            selector.Clear();
        else
            selector.AddItem(arg);
    }
    QCOMPARE(selector.ListIndex(), index);
    QCOMPARE(selector.Text(), text);
    QCOMPARE(w.cboKind->currentText(), text);
    QCOMPARE(seen, clicks);
    QVERIFY(!w.cboKind->isEditable());
}

void PlatformTest::selectorUserChoices()
{
    TestWindow w;
    QVERIFY(w.Start(w.cboKind));
    QTest::keyClick(w.cboKind, Qt::Key_Down);
    QCOMPARE(w.log, QStringList {"cboKind.Click Month"});

    w.cboKind->showPopup();
    QAbstractItemView* view = w.cboKind->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(w.log, (QStringList {"cboKind.Click Month", "cboKind.Click Week"}));
    QCOMPARE(w.selector->ListIndex(), 3);
}

// --- containers ------------------------------------------------------------------------------

void PlatformTest::hiddenContainerTakesNoFocus()
{
    TestWindow w;
    QVERIFY(w.Start(w.txtA0));
    QCOMPARE(platform::ContainerLeftTwips(w.picA), 150);
    QCOMPARE(platform::ContainerLeftTwips(w.picB), platform::kHiddenLeftTwips);
    QCOMPARE(w.picB->x(), platform::TwipsToPixels(platform::kHiddenLeftTwips));
    QVERIFY(!w.picB->isEnabled());
    QVERIFY(!w.picB->isVisible());

    // A whole round of Tab and of Shift+Tab visits only the shown page.
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QSet<QString> visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(&w.window, key);
            visited.insert(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QSet<QString> {"tabOptions", "txtA0", "txtA1", "cboKind", "cmdGo"}));
    }
    // The hidden button's access key does nothing.
    w.txtA0->setFocus();
    w.log.clear();
    QTest::keyClick(w.txtA0, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(w.log, QStringList());
    QCOMPARE(QApplication::focusWidget(), w.txtA0);

    // And the other way round once the second page shows.
    w.strip->Select(2);
    QVERIFY(!w.picA->isEnabled());
    QCOMPARE(platform::ContainerLeftTwips(w.picB), 150);
    QCOMPARE(w.picB->x(), 10);
    QSet<QString> visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&w.window, Qt::Key_Tab);
        visited.insert(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QSet<QString> {"tabOptions", "txtB0", "cmdBeta"}));
    w.log.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QVERIFY(!w.log.contains("cmdGo.Click"));
}

// --- list boxes ------------------------------------------------------------------------------

void PlatformTest::listBoxBasics()
{
    QListView view;
    platform::ListBox list(&view);
    QVERIFY(qobject_cast<QStringListModel*>(view.model()) == nullptr);
    QVERIFY(view.uniformItemSizes());
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(QFontInfo(view.font()).fixedPitch());

    for (int i = 0; i < 1000; ++i)
        list.Append(QStringLiteral("%1 line").arg(i, 4));
    // Every line is there at once; the view hears of them in one batch from the event loop.
    QCOMPARE(list.Count(), 1000);
    QCOMPARE(list.Line(0), QStringLiteral("   0 line"));
    QCoreApplication::processEvents();
    QCOMPARE(view.model()->rowCount(), 1000);
    QCOMPARE(list.Line(999), QStringLiteral(" 999 line"));
    QCOMPARE(view.model()->index(999, 0).data().toString(), QStringLiteral(" 999 line"));
    QCOMPARE(list.Line(1000), QString());
    QVERIFY(!(view.model()->flags(view.model()->index(0, 0)) & Qt::ItemIsEditable));
    list.Append(QStringLiteral("pending"));
    list.Clear();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.Lines(), QStringList());
    QCoreApplication::processEvents();
    QCOMPARE(view.model()->rowCount(), 0);
    list.Append(QStringLiteral("a"));
    list.Flush();
    QCOMPARE(view.model()->rowCount(), 1);
}

void PlatformTest::listBoxWidthFollowsLongestLine_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<QStringList>("lines"); // "|" lets the view lay out and paint in between,
                                            // "+" then doubles the view's font size

    const QString wide = QString(120, QLatin1Char('9'));
    QTest::newRow("extent wider than the lines")
        << 300 << QStringList {"  1  1,000.00", "  2  9.00"};
    QTest::newRow("a line wider than the extent") << 300 << QStringList {"  1", wide, "  3"};
    QTest::newRow("longest line comes last") << 350 << QStringList {"a", "bb", wide + "!"};
    QTest::newRow("no extent") << 0 << QStringList {wide};
    QTest::newRow("wider line after a paint") << 0 << QStringList {"short", "|", wide};
    QTest::newRow("wider line after a paint, extent") << 300 << QStringList {"short", "|", wide};
    QTest::newRow("larger font after a paint") << 0 << QStringList {wide, "|", "+"};
    QTest::newRow("fallback glyphs") << 0 << QStringList {QString(60, QChar(0x202F)) + "1"};
}

void PlatformTest::listBoxWidthFollowsLongestLine()
{
    QFETCH(int, extent);
    QFETCH(QStringList, lines);

    QWidget window;
    auto* view = new QListView(&window);
    view->setGeometry(0, 0, 200, 150);
    platform::ListBox list(view);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    list.SetHorizontalExtent(extent);
    QCOMPARE(list.HorizontalExtent(), extent);
    for (const QString& line : lines) {
        if (line == QLatin1String("|")) {
            QCoreApplication::processEvents();
            view->viewport()->repaint();
        } else if (line == QLatin1String("+")) {
            QFont font = view->font();
            font.setPointSize(font.pointSize() * 2);
            view->setFont(font);
        } else {
            list.Append(line);
        }
    }
    QCoreApplication::processEvents(); // the view lays its rows out later

    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, view->fontMetrics().horizontalAdvance(line));
    QCOMPARE(view->model()->rowCount(), int(lines.size() - lines.count("|") - lines.count("+")));
    const int scrollable = view->horizontalScrollBar()->maximum() + view->viewport()->width();
    // Never narrower than the extent, never cutting a line, and not much wider than needed.
    QVERIFY2(scrollable >= extent, qPrintable(QString::number(scrollable)));
    QVERIFY2(scrollable >= widest, qPrintable(QString::number(scrollable)));
    QVERIFY(scrollable <= std::max(extent, widest + 20));
    for (int row = 0; row < view->model()->rowCount(); ++row)
        QVERIFY(view->visualRect(view->model()->index(row, 0)).width() >= widest);
}

void PlatformTest::listBoxKeyboard()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* view = new QListView(&window);
    view->setGeometry(0, 30, 200, 100);
    platform::ListBox list(view);
    for (int i = 0; i < 200; ++i)
        list.Append(QString(80, QLatin1Char('a' + i % 26)));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view);

    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(view->horizontalScrollBar()->value() > 0);
    const int right = view->horizontalScrollBar()->value();
    QTest::keyClick(view, Qt::Key_Left);
    QVERIFY(view->horizontalScrollBar()->value() < right);
}

// --- twips and services ----------------------------------------------------------------------

void PlatformTest::twips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("just under half") << 7 << 0;
    QTest::newRow("just over half") << 8 << 1;
    QTest::newRow("page left") << 210 << 14;
    QTest::newRow("sub-page left") << 175 << 12; // 11.67
    QTest::newRow("window width") << 7915 << 528; // 527.67
    QTest::newRow("window height") << 5495 << 366; // 366.33
    QTest::newRow("hidden") << -20000 << -1333; // -1333.33
    QTest::newRow("negative over half") << -8 << -1;
}

void PlatformTest::twips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(platform::TwipsToPixels(twips), pixels);
}

void PlatformTest::desktopServices()
{
    platform::Services& desktop = platform::CurrentServices();
    QVERIFY(dynamic_cast<test::FakeServices*>(&desktop) == nullptr);
    QCOMPARE(desktop.ExecutableFolder(), QCoreApplication::applicationDirPath());
    QCOMPARE(desktop.ExecutableBaseName(), QStringLiteral("app_platform_test"));
    const QString now = desktop.LocalDateTimeText();
    QVERIFY2(now.startsWith(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) +
                            QLatin1Char(' ')),
             qPrintable(now));

    ModalCloser closer;
    desktop.ShowMessage(QStringLiteral("Value of DataPoint = 20"),
                        QStringLiteral("Break-Even Graph"));
    QCOMPARE(closer.title, QStringLiteral("Break-Even Graph"));
    QCOMPARE(closer.text, QStringLiteral("Value of DataPoint = 20"));
    QCOMPARE(closer.icon, QMessageBox::Information);
    QCOMPARE(closer.buttons.size(), 1);
    QVERIFY(closer.wasModal);
}

void PlatformTest::fakeServicesFolder()
{
    QString folder;
    {
        test::FakeServices fake;
        folder = fake.ExecutableFolder();
        QVERIFY(!folder.isEmpty());
        QVERIFY(QDir(folder).exists());
        QCOMPARE(fake.LogLines(), QStringList());
        QFile log(fake.LogPath());
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("one\r\ntwo\r\n");
        log.close();
        QCOMPARE(fake.LogLines(), (QStringList {"one", "two"}));
    }
    QVERIFY(!QDir(folder).exists());
}

void PlatformTest::scopedServicesRestore()
{
    platform::Services* desktop = &platform::CurrentServices();
    {
        test::FakeServices outer;
        test::ScopedServices useOuter(outer);
        {
            test::FakeServices inner;
            test::ScopedServices useInner(inner);
            platform::CurrentServices().Beep();
            platform::CurrentServices().OpenUrl(QStringLiteral("https://example.org/"));
            QCOMPARE(inner.beeps, 1);
            QCOMPARE(inner.openedUrls, QStringList {"https://example.org/"});
        }
        QCOMPARE(&platform::CurrentServices(), &outer);
    }
    QCOMPARE(&platform::CurrentServices(), desktop);
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
