// Qt has no call that gives a locale's group sizes, so they are measured from a long grouped
// integer that the locale writes: the rightmost group is the primary size, the one left of it
// the secondary size (3 and 2 in hi_IN's 12,34,56,78,90,123).
#include "platform/services/regional_format.h"

#include <QLocale>
#include <QStringList>

namespace vexmoor::platform {

namespace {

// Long enough for several secondary groups of any size in use.
constexpr qlonglong kGroupingSample = 1234567890123456789LL;

int DigitCount(const QString& group)
{
    // Code points, not UTF-16 units, should a locale's digits lie outside the BMP.
    return static_cast<int>(group.toUcs4().size());
}

RegionalFormat FormatOf(const QLocale& locale)
{
    RegionalFormat format;
    const QString decimalPoint = locale.decimalPoint();
    const QString groupSeparator = locale.groupSeparator();
    const QString minusSign = locale.negativeSign();
    format.decimalSeparator = decimalPoint.toStdString();
    if (!minusSign.isEmpty())
        format.minusSign = minusSign.toStdString();

    const QStringList groups = groupSeparator.isEmpty()
        ? QStringList()
        : locale.toString(kGroupingSample).split(groupSeparator);
    if (groups.size() < 2) {
        // The locale writes numbers without grouping (or its options say to omit it).
        format.groupSeparator.clear();
        format.primaryGroupSize = 0;
        format.secondaryGroupSize = 0;
        return format;
    }
    format.groupSeparator = groupSeparator.toStdString();
    format.primaryGroupSize = DigitCount(groups.at(groups.size() - 1));
    format.secondaryGroupSize =
        groups.size() >= 3 ? DigitCount(groups.at(groups.size() - 2)) : format.primaryGroupSize;
    return format;
}

bool HasOwnNumberFormat(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return false;
    RegionalFormat separators;
    separators.decimalSeparator = locale.decimalPoint().toStdString();
    separators.groupSeparator = locale.groupSeparator().toStdString();
    return IsUnambiguous(separators);
}

} // namespace

QLocale NumberLocaleFor(const QLocale& locale)
{
    return HasOwnNumberFormat(locale) ? locale : QLocale(QLocale::English, QLocale::UnitedStates);
}

RegionalFormat RegionalFormatFromLocale(const QLocale& locale)
{
    return FormatOf(NumberLocaleFor(locale));
}

QLocale NumberLocale()
{
    const QLocale locale;
    if (locale != QLocale::system())
        return NumberLocaleFor(locale);
    // Qt's system locale writes numbers as LC_NUMERIC says but takes its name, and so its
    // territory (the paper of a report), from the messages' language: German words with en_US
    // numbers are a US region. The locale named where the numbers come from is that region.
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return NumberLocaleFor(QLocale(name.section(QLatin1Char('.'), 0, 0)));
    }
    return NumberLocaleFor(locale);
}

RegionalFormat UserRegionalFormat()
{
    return RegionalFormatFromLocale(QLocale());
}

} // namespace vexmoor::platform
