// The regional format read from Qt's locale data: it matches the hand-built formats the core
// tests use, agrees with Qt's own number texts, and follows the environment's locale variables.
#include "common/core/number_text.h"
#include "core/support/formats.h"
#include "platform/services/regional_format.h"

#include <QHash>
#include <QLocale>
#include <QtTest>

using namespace vexmoor;

// No number format of their own: C (and POSIX, and a region Qt does not know) take en_US's.
const QHash<QString, RegionalFormat> kFixtures = {
    {"en_US", test::EnUs()}, {"de_DE", test::DeDe()}, {"fr_FR", test::FrFr()},
    {"de_CH", test::DeCh()}, {"hi_IN", test::HiIn()}, {"sv_SE", test::SvSe()},
    {"C", test::EnUs()},     {"POSIX", test::EnUs()}, {"xx_YY", test::EnUs()},
};

class RegionalFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The format built from a locale matches its fixture; on a value that is no tie the core
    // writes the text Qt writes in the number locale and reads it back, in locales beyond the
    // fixtures too.
    void fromLocale()
    {
        for (const char* name : {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "sv_SE", "pt_BR",
                                 "nb_NO", "en_IN", "it_CH", "C", "POSIX", "xx_YY"}) {
            const QLocale locale(QString::fromLatin1(name));
            const RegionalFormat format = platform::RegionalFormatFromLocale(locale);
            QVERIFY2(!kFixtures.contains(name) || format == kFixtures[name], name);
            const QString qtText =
                platform::NumberLocaleFor(locale).toString(-1234567890.25, 'f', 2);
            QCOMPARE(QString::fromStdString(FormatFixed(-1234567890.25, 2, format)), qtText);
            QCOMPARE(ParseNumber(qtText.toStdString(), format), -1234567890.25);
        }
    }

    // The region the environment's locale variables give (ctest runs this once per environment
    // and names the region it should give; the ordinary run is in en_US).
    void followsEnvironment()
    {
        const QString expected = qEnvironmentVariable("VEXMOOR_EXPECTED_REGION", "en_US");
        QVERIFY(kFixtures.contains(expected) &&
                platform::UserRegionalFormat() == kFixtures[expected]);
    }
};

QTEST_GUILESS_MAIN(RegionalFormatTest)
#include "regional_format_test.moc"
