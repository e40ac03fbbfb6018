// The user's regional number format, read from Qt's locale data so that the cores, which never
// look at the locale themselves, write and read numbers the way the rest of the desktop does.
#pragma once

#include "common/core/number_text.h"

class QLocale;

namespace vexmoor::platform {

// The separators, minus sign and digit grouping that `locale` uses for numbers. A locale that
// does not group (such as C) gives a format without a group separator.
RegionalFormat RegionalFormatFromLocale(const QLocale& locale);

// The format of the system locale (LC_ALL, LC_NUMERIC or LANG), read once for the program's life
// like Qt's own system locale.
const RegionalFormat& SystemRegionalFormat();

} // namespace vexmoor::platform
