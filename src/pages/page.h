// What every main page of the window is to the window, and what the pages share.
//
// The window makes each page's controls from the page's rows of the layout table and hands them
// over in a ControlSet; the page takes them into its own members (Make), and the window then runs
// the page's other steps: Load when the window loads, Show each time the page is shown. Every
// page implements all three, so a page without its steps does not compile.
#pragma once

#include "common/core/number_text.h"
#include "errors/ui/guard.h"
#include "platform/services/services.h"

#include <QObject>
#include <functional>

namespace vexmoor {

namespace platform {
class ControlSet;
class FocusEvents;
class TabStrip;
} // namespace platform

// What the pages share, handed to each by the window.
struct PageContext
{
    // The user's regional number format, read when the window is made.
    RegionalFormat regionalFormat;
    // Validate, GotFocus and LostFocus of the window's controls.
    platform::FocusEvents* focusEvents = nullptr;

    // The error guard every handler runs its body under; failures are reported as the window's.
    GuardOutcome Guard(const char* procName, GuardVariant variant,
                       const std::function<void()>& body) const
    {
        return Guarded(procName, variant, body);
    }
    // The desktop's services: message boxes, the beep, the file dialog.
    platform::Services& Services() const { return platform::CurrentServices(); }
};

class Page : public QObject
{
public:
    Page(const PageContext& context, QObject* parent)
        : QObject(parent)
        , m_context(context)
    { }

    // Takes the page's controls into its members and wires their events.
    virtual void Make(platform::ControlSet& controls) = 0;
    // What loading the window does on the page; a page made later runs it when it is made.
    virtual void Load() = 0;
    // Each time the page is shown.
    virtual void Show() = 0;
    // The strip of the page's sub-pages, which Ctrl+Tab steps through; null for none.
    virtual platform::TabStrip* SubPages() const { return nullptr; }

protected:
    const PageContext& m_context;
};

} // namespace vexmoor
