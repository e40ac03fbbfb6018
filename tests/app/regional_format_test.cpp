// The regional format read from Qt's locale data: it matches the hand-built formats the core
// tests use, agrees with Qt's own number texts, and follows the environment's locale variables.
#include "common/core/number_text.h"
#include "core/support/formats.h"
#include "platform/services/regional_format.h"

#include <QLocale>
#include <QProcess>
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

// LC_ALL, LC_NUMERIC, LANG and the region they give; an empty text leaves the variable unset.
const char* const kEnvironments[][4] = {
    {"hi_IN.UTF-8", "de_CH.UTF-8", "en_US.UTF-8", "hi_IN"},
    {"", "de_CH.UTF-8", "en_US.UTF-8", "de_CH"},
    {"", "", "sv_SE.UTF-8", "sv_SE"},
    {"C", "de_CH.UTF-8", "de_DE.UTF-8", "C"},
};

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

    // Qt reads the system locale once per process, so each environment runs in a child process
    // of this test that checks the format in systemFormatInChild.
    void followsEnvironment_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("LC_ALL first") << 0;
        QTest::newRow("LC_NUMERIC before LANG") << 1;
        QTest::newRow("LANG alone") << 2;
        QTest::newRow("C") << 3;
    }

    void followsEnvironment()
    {
        QFETCH(int, row);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const char* const names[] = {"LC_ALL", "LC_NUMERIC", "LANG", "VEXMOOR_EXPECTED_REGION"};
        for (int i = 0; i < 4; ++i) {
            environment.remove(QLatin1String(names[i]));
            if (*kEnvironments[row][i])
                environment.insert(QLatin1String(names[i]), QLatin1String(kEnvironments[row][i]));
        }
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"systemFormatInChild"});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                     output.contains("PASS   : RegionalFormatTest::systemFormatInChild"),
                 output.constData());
    }

    void systemFormatInChild()
    {
        const QString expected = qEnvironmentVariable("VEXMOOR_EXPECTED_REGION");
        if (expected.isEmpty())
            QSKIP("runs only as the child process of followsEnvironment");
        QVERIFY(Fixture(expected));
        QCOMPARE(platform::UserRegionalFormat(), *Fixture(expected));
    }
};

QTEST_GUILESS_MAIN(RegionalFormatTest)
#include "regional_format_test.moc"
