// The print dialog with its preview, as the desktop services (services.cpp) see it. It lives in
// a module of its own (print_preview_module.cpp) that is loaded on the first Print…: Qt's print
// support then costs the program nothing at start.
#pragma once

#include "platform/services/services.h"

class QWidget;

namespace vexmoor::platform {

// The module's one entry point, named kPrintWithPreview: the platform's print dialog, modal to
// `parent`, with a preview of the job on a high-resolution printer set up with the job's paper,
// name and creator; returns whether the user printed.
using PrintWithPreviewFunction = bool (*)(QWidget* parent, const PrintJob& job);
inline constexpr const char* kPrintWithPreview = "vexmoor_print_with_preview";

} // namespace vexmoor::platform
