// The regional format read from Qt's locale data: it matches the hand-built formats the core
// tests use, agrees with Qt's own number texts, and follows the environment's locale variables.
#include "common/core/number_text.h"
#include "core/support/formats.h"
#include "platform/services/regional_format.h"

#include <QLocale>
#include <QtTest>

using namespace vexmoor;

namespace {

const std::pair<const char*, RegionalFormat> kFixtures[] = {
    {"en_US", test::EnUs()},
    {"de_DE", test::DeDe()},
    {"fr_FR", test::FrFr()},
    {"de_CH", test::DeCh()},
    {"hi_IN", test::HiIn()},
    {"sv_SE", test::SvSe()},
    // No number format of their own: C (and POSIX, and a region Qt does not know) take en_US's.
    {"C", test::EnUs()},
    {"POSIX", test::EnUs()},
    {"xx_YY", test::EnUs()},
};

const RegionalFormat* Fixture(const QString& name)
{
    for (const auto& [locale, format] : kFixtures)
        if (name == QLatin1String(locale))
            return &format;
    return nullptr;
}

} // namespace

namespace vexmoor {
// Lets QCOMPARE print both formats when they differ.
char* toString(const RegionalFormat& f)
{
    return qstrdup((f.decimalSeparator + " " + f.groupSeparator + " " +
                    std::to_string(f.primaryGroupSize) + ";" +
                    std::to_string(f.secondaryGroupSize) + " " + f.minusSign)
                       .c_str());
}
} // namespace vexmoor

class RegionalFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The format built from a locale matches its fixture; on a value that is no tie the core
    // writes the text Qt writes in the number locale and reads it back, in locales beyond the
    // fixtures too.
    void fromLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "sv_SE", "pt_BR",
                                 "nb_NO", "en_IN", "it_CH", "C", "POSIX", "xx_YY"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void fromLocale()
    {
        QFETCH(QString, locale);
        const QLocale qtLocale(locale);
        const RegionalFormat format = platform::RegionalFormatFromLocale(qtLocale);
        if (const RegionalFormat* fixture = Fixture(locale))
            QCOMPARE(format, *fixture);
        const QString qtText = platform::NumberLocaleFor(qtLocale).toString(-1234567890.25, 'f', 2);
        QCOMPARE(QString::fromStdString(FormatFixed(-1234567890.25, 2, format)), qtText);
        QCOMPARE(ParseNumber(qtText.toStdString(), format), -1234567890.25);
    }

    // The region the environment's locale variables give (ctest runs this once per environment
    // and names the region it should give; the ordinary run is in en_US).
    void followsEnvironment()
    {
        const QString expected =
            qEnvironmentVariable("VEXMOOR_EXPECTED_REGION", QStringLiteral("en_US"));
        QVERIFY(Fixture(expected));
        QCOMPARE(platform::UserRegionalFormat(), *Fixture(expected));
    }
};

QTEST_GUILESS_MAIN(RegionalFormatTest)
#include "regional_format_test.moc"
