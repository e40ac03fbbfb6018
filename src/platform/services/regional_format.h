// The user's regional number format, read from Qt's locale data so that the cores, which never
// look at the locale themselves, write and read numbers the way the rest of the desktop does.
#pragma once

#include "common/core/number_text.h"

class QLocale;

namespace vexmoor::platform {

// The locale whose number format the program uses for `locale`: `locale` itself, or en_US where
// it has no unambiguous format of its own. That is the C locale, which Qt also gives for POSIX
// and for a region it does not know, and any locale whose decimal and group separators are the
// same.
QLocale NumberLocaleFor(const QLocale& locale);

// The separators, minus sign and digit grouping of the number format used for `locale` (see
// NumberLocaleFor). A locale whose options omit grouping gives a format without a group
// separator.
RegionalFormat RegionalFormatFromLocale(const QLocale& locale);

// The number locale and format of the application's default locale: the system's (LC_ALL,
// LC_NUMERIC or LANG, which Qt reads itself, needing no locale installed on the system) unless
// QLocale::setDefault chose another, as the window tests do to run the window in a region. The
// number locale's territory is the region's, whatever language the messages are in.
QLocale NumberLocale();
RegionalFormat UserRegionalFormat();

} // namespace vexmoor::platform
