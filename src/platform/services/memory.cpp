// The program's memory and the system.
#include "platform/services/memory.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib> // defines __GLIBC__ with the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vexmoor::platform {

namespace {

// Long enough for a user to look at what was calculated.
constexpr int kIdleMilliseconds = 1000;

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

void ReturnFreedMemorySoon()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        ReturnFreedMemory();
        return;
    }
    // One timer for the application, started again by every call.
    auto* timer = application->findChild<QTimer*>(QStringLiteral("vexmoorReturnFreedMemory"),
                                                  Qt::FindDirectChildrenOnly);
    if (timer == nullptr) {
        timer = new QTimer(application);
        timer->setObjectName(QStringLiteral("vexmoorReturnFreedMemory"));
        timer->setSingleShot(true);
        timer->setInterval(kIdleMilliseconds);
        QObject::connect(timer, &QTimer::timeout, timer, [] { ReturnFreedMemory(); });
    }
    timer->start();
}

} // namespace vexmoor::platform
