// One key press through the window: from the key event reaching the focused pad key to the
// display repainted with the new text. Budget: under 2 ms. Prints the median of many presses.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "shell/ui/frm_vexmoor.h"
#include "support/named_controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vexmoor::test;

namespace {

// Counts the display's paint events.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Press
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

// Every press changes the display, so that each one is followed by a repaint.
const Press kCycle[] = {
    {Qt::Key_1, Qt::NoModifier, "1"},         {Qt::Key_2, Qt::NoModifier, "2"},
    {Qt::Key_3, Qt::KeypadModifier, "3"},     {Qt::Key_4, Qt::NoModifier, "4"},
    {Qt::Key_S, Qt::NoModifier, "s"},         {Qt::Key_R, Qt::NoModifier, "r"},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vexmoor::frmVexmoor window;
    window.Form_Load();
    window.show();
    window.activateWindow();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();

    PaintCounter counter;
    Named<QLabel>(window, "lblDisplay")->installEventFilter(&counter);

    constexpr int kPresses = 4000;
    std::vector<double> micros;
    micros.reserve(kPresses);
    int timeouts = 0;
    QElapsedTimer timer;
    for (int i = 0; i < kPresses; ++i) {
        const Press& press = kCycle[static_cast<std::size_t>(i) % std::size(kCycle)];
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        const int paintsBefore = counter.paints;
        timer.start();
        QKeyEvent down(QEvent::KeyPress, press.key, press.modifiers,
                       QString::fromLatin1(press.text));
        QApplication::sendEvent(target, &down);
        while (counter.paints == paintsBefore && timer.nsecsElapsed() < 100'000'000)
            QCoreApplication::processEvents();
        const qint64 elapsed = timer.nsecsElapsed();
        if (counter.paints == paintsBefore)
            ++timeouts;
        micros.push_back(static_cast<double>(elapsed) / 1000.0);
        QKeyEvent up(QEvent::KeyRelease, press.key, press.modifiers,
                     QString::fromLatin1(press.text));
        QApplication::sendEvent(window.focusWidget() != nullptr ? window.focusWidget() : &window,
                                &up);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("calculator key press, event to repainted display (%d presses%s)\n", kPresses,
                timeouts > 0 ? ", some without a repaint" : "");
    std::printf("  median %.1f us   p90 %.1f us   max %.1f us   budget 2000 us\n",
                micros[micros.size() / 2], micros[micros.size() * 9 / 10], micros.back());
    std::printf("  display at the end: %s\n",
                qPrintable(Named<QLabel>(window, "lblDisplay")->text()));
    return timeouts > 0 ? 1 : 0;
}
