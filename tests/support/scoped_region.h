// Runs the program in a region for the object's lifetime, as the region's LC_ALL would: the
// window reads its number format from QLocale's default when it is made.
#pragma once

#include <QLocale>
#include <QString>

namespace vexmoor::test {

class ScopedRegion
{
public:
    explicit ScopedRegion(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~ScopedRegion() { QLocale::setDefault(QLocale::system()); }
    ScopedRegion(const ScopedRegion&) = delete;
    ScopedRegion& operator=(const ScopedRegion&) = delete;
};

} // namespace vexmoor::test
