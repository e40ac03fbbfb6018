// What the break-even benchmarks share: desktop services that never block, and the window's
// break-even page driven as a user drives it, through object names and the tab bars only (not
// the window's members), timed until what each step shows has been painted.
#pragma once

#include "platform/services/services.h"
#include "shell/ui/frm_vexmoor.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace vexmoor::bench {

// No message may block a timing run.
class QuietServices final : public platform::Services
{
public:
    void ShowMessage(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void Beep() override { }
    void OpenUrl(const QString&) override { }
    QString ExecutableFolder() override { return QStringLiteral("/tmp"); }
    QString ExecutableBaseName() override { return QStringLiteral("vexmoor_bench"); }
    bool UserOwnsFolder(const QString&) override { return true; }
    QString StateFolder() override { return QStringLiteral("/tmp"); }
    QString LocalDateTimeText() override { return QStringLiteral("now"); }
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The processor time the program has used, all its threads: unlike the time on the clock, it
// hardly changes with what else the machine is busy with.
inline double ProcessorMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Counts the paints of one widget, so that a step is timed until its picture is on the screen.
class PaintCounter final : public QObject
{
public:
    void Watch(QWidget* widget)
    {
        if (m_watched != nullptr)
            m_watched->removeEventFilter(this);
        m_watched = widget;
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_watched && event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }
    // Runs the event loop until the watched widget has been painted once more.
    void WaitForPaint()
    {
        const int before = m_paints;
        QElapsedTimer limit;
        limit.start();
        while (m_paints == before && limit.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (m_paints == before)
            std::fprintf(stderr, "no paint seen\n");
    }

private:
    QWidget* m_watched = nullptr;
    int m_paints = 0;
};

template<typename T> T* Child(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("No control %s", name);
    return child;
}

// Types a field's text and leaves it with Tab, so that the page validates it as a user's Tab does.
inline void EnterField(QWidget* window, const char* field, const QString& text)
{
    auto* edit = Child<QLineEdit>(window, field);
    edit->setFocus();
    QApplication::processEvents();
    edit->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(edit, &release);
    QApplication::processEvents();
}

// The window's break-even page, driven as a user drives it.
class BreakEvenDriver
{
public:
    explicit BreakEvenDriver(QWidget* window)
        : m_window(window)
        , m_pages(Child<QTabBar>(window, "tabOptions"))
        , m_subPages(Child<QTabBar>(window, "tabOptions1"))
    {
        // A floor's window of an earlier comparison may have had the focus.
        window->activateWindow();
        m_pages->setCurrentIndex(1);
        QApplication::processEvents();
        m_calculate = Child<QPushButton>(window, "cmdCalBeV");
        m_list = Child<QListView>(window, "lstBev");
    }

    void Enter(const QString& units)
    {
        m_subPages->setCurrentIndex(0);
        EnterField(m_window, "txtBeV_0", units);
        EnterField(m_window, "txtBeV_1", QStringLiteral("10.00"));
        EnterField(m_window, "txtBeV_2", QStringLiteral("6.00"));
        EnterField(m_window, "txtBeV_3", QStringLiteral("1,000.00"));
    }

    struct Times
    {
        double calculation, list, graph;
        double processor; // of the three steps together
    };

    Times Run()
    {
        m_subPages->setCurrentIndex(0);
        QApplication::processEvents();
        const double processorBefore = ProcessorMilliseconds();
        QElapsedTimer timer;
        timer.start();
        // A click returns to the event loop, which first handles what the click left for it
        // (the list's new rows, say) before the user's next click can arrive.
        m_calculate->click();
        QApplication::processEvents();
        const double calculation = Milliseconds(timer);
        timer.restart();
        m_paints.Watch(m_list->viewport());
        m_subPages->setCurrentIndex(1);
        m_paints.WaitForPaint();
        const double list = Milliseconds(timer);
        timer.restart();
        m_subPages->setCurrentIndex(2);
        // The chart view is made when the graph sub-page is first shown, and paints after.
        m_paints.Watch(Child<QAbstractScrollArea>(m_window, "chtBeVAnyView")->viewport());
        m_paints.WaitForPaint();
        const double graph = Milliseconds(timer);
        return {calculation, list, graph, ProcessorMilliseconds() - processorBefore};
    }

    QSize ChartSize() const { return Child<QWidget>(m_window, "chtBeVAny")->size(); }

private:
    QWidget* m_window;
    QTabBar* m_pages;
    QTabBar* m_subPages;
    QPushButton* m_calculate = nullptr;
    QListView* m_list = nullptr;
    PaintCounter m_paints;
};

// The window as the program makes it, loaded, shown and exposed, with the pages not shown at
// start made as well.
inline std::unique_ptr<QWidget> MakeWindow()
{
    auto window = std::make_unique<frmVexmoor>(nullptr, frmVexmoor::PageBuilding::OnFirstVisit);
    window->Form_Load();
    window->show();
    window->activateWindow();
    while (!window->windowHandle()->isExposed())
        QApplication::processEvents();
    for (int page = 0; page < kMainPageCount; ++page)
        window->EnsurePageBuilt(static_cast<MainPage>(page));
    QApplication::processEvents();
    return window;
}

} // namespace vexmoor::bench
