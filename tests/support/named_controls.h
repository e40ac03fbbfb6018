// The window's controls by the names the window gave them from the layout, for tests and the
// benchmarks that drive the real window.
#pragma once

#include "platform/widgets/control_array.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"

#include <QString>
#include <QWidget>

namespace vexmoor::test {

// A control of the window by its name (and index, for an element of a control array), as the
// window named it from the layout.
template<typename T> T* Named(const QWidget& window, const char* name, int index = -1)
{
    const QString objectName = index < 0
        ? QString::fromLatin1(name)
        : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
    return window.findChild<T*>(objectName);
}

// Every element of a control array, by index.
template<typename T> platform::ControlArray<T> Array(const QWidget& window, const char* name)
{
    platform::ControlArray<T> array;
    const QString prefix = QLatin1String(name) + QLatin1Char('_');
    for (T* control : window.findChildren<T*>()) {
        const QString objectName = control->objectName();
        bool number = false;
        const int index = objectName.mid(prefix.size()).toInt(&number);
        if (objectName.startsWith(prefix) && number)
            array.Add(static_cast<std::int16_t>(index), control);
    }
    return array;
}

inline platform::TabStrip* Strip(const QWidget& window, const char* name)
{
    return Named<platform::TabStrip>(window, name);
}

inline platform::ListBox* List(const QWidget& window, const char* name)
{
    return Named<platform::ListBox>(window, name);
}

} // namespace vexmoor::test
