// The regional format read from Qt's locale data: it must match the hand-built formats the core
// tests use, agree with Qt's own number texts, and follow the environment's locale variables.
#include "common/core/number_text.h"
#include "core/support/formats.h"
#include "platform/regional_format.h"

#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

using namespace vexmoor;

namespace {

constexpr const char* kExpectedRegionVariable = "VEXMOOR_EXPECTED_REGION";

RegionalFormat Fixture(const QString& name)
{
    if (name == QLatin1String("de_DE"))
        return test::DeDe();
    if (name == QLatin1String("fr_FR"))
        return test::FrFr();
    if (name == QLatin1String("de_CH"))
        return test::DeCh();
    if (name == QLatin1String("hi_IN"))
        return test::HiIn();
    if (name == QLatin1String("sv_SE"))
        return test::SvSe();
    return test::EnUs();
}

char* Describe(const RegionalFormat& format)
{
    return QTest::toString(QStringLiteral("[%1] [%2] %3;%4 [%5]")
                               .arg(QString::fromStdString(format.decimalSeparator),
                                    QString::fromStdString(format.groupSeparator))
                               .arg(format.primaryGroupSize)
                               .arg(format.secondaryGroupSize)
                               .arg(QString::fromStdString(format.minusSign)));
}

} // namespace

namespace vexmoor {
// Lets QCOMPARE print both formats when they differ.
char* toString(const RegionalFormat& format)
{
    return Describe(format);
}
} // namespace vexmoor

class RegionalFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "sv_SE"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void fromLocale()
    {
        QFETCH(QString, locale);
        QCOMPARE(platform::RegionalFormatFromLocale(QLocale(locale)), Fixture(locale));
    }

    // Qt writes numbers that are no ties itself; the core must write the same characters and
    // read Qt's text back.
    void agreesWithQtText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        const char* locales[] = {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN",
                                 "sv_SE", "pt_BR", "nb_NO", "en_IN", "it_CH"};
        for (const char* name : locales) {
            const QByteArray prefix(name);
            QTest::newRow(prefix + " negative grouped")
                << QString::fromLatin1(name) << -1234567890.25 << 2;
            QTest::newRow(prefix + " below one") << QString::fromLatin1(name) << 0.75 << 2;
            QTest::newRow(prefix + " whole") << QString::fromLatin1(name) << 98765432.0 << 0;
            QTest::newRow(prefix + " four decimals") << QString::fromLatin1(name) << 12.5 << 4;
        }
    }

    void agreesWithQtText()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        const QLocale qtLocale(locale);
        const RegionalFormat format = platform::RegionalFormatFromLocale(qtLocale);
        const QString qtText = qtLocale.toString(value, 'f', decimals);
        QCOMPARE(QString::fromStdString(FormatFixed(value, decimals, format)), qtText);
        QCOMPARE(ParseNumber(qtText.toStdString(), format), value);
    }

    void withoutGrouping()
    {
        // The C locale writes no group separators; neither must the format built from it.
        const RegionalFormat c = platform::RegionalFormatFromLocale(QLocale::c());
        QCOMPARE(QString::fromStdString(FormatFixed(1234567.5, 2, c)),
                 QStringLiteral("1234567.50"));
        QLocale omitting(QLocale(QStringLiteral("de_DE")));
        omitting.setNumberOptions(QLocale::OmitGroupSeparator);
        QCOMPARE(QString::fromStdString(
                     FormatFixed(1234567.5, 2, platform::RegionalFormatFromLocale(omitting))),
                 QStringLiteral("1234567,50"));
    }

    void systemFormatIsSystemLocale()
    {
        QCOMPARE(platform::SystemRegionalFormat(),
                 platform::RegionalFormatFromLocale(QLocale::system()));
    }

    // The system locale is read once per process, so each environment runs in a child process
    // of this test that checks the format in systemFormatInChild.
    void followsEnvironment_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcNumeric");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LC_ALL over LANG") << "de_DE.UTF-8"
                                          << ""
                                          << "fr_FR.UTF-8"
                                          << "de_DE";
        QTest::newRow("LC_ALL over LC_NUMERIC") << "hi_IN.UTF-8"
                                                << "de_CH.UTF-8"
                                                << "en_US.UTF-8"
                                                << "hi_IN";
        QTest::newRow("LC_ALL fr_FR") << "fr_FR.UTF-8"
                                      << ""
                                      << ""
                                      << "fr_FR";
        QTest::newRow("LC_NUMERIC without LC_ALL") << ""
                                                   << "de_CH.UTF-8"
                                                   << "en_US.UTF-8"
                                                   << "de_CH";
        QTest::newRow("LANG alone") << ""
                                    << ""
                                    << "sv_SE.UTF-8"
                                    << "sv_SE";
    }

    void followsEnvironment()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcNumeric);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const std::pair<const char*, QString> variables[] = {
            {"LC_ALL", lcAll}, {"LC_NUMERIC", lcNumeric}, {"LANG", lang}};
        for (const auto& [name, value] : variables) {
            environment.remove(QLatin1String(name));
            if (!value.isEmpty())
                environment.insert(QLatin1String(name), value);
        }
        environment.insert(QLatin1String(kExpectedRegionVariable), expected);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("systemFormatInChild")});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : RegionalFormatTest::systemFormatInChild"),
                 output.constData());
    }

    void systemFormatInChild()
    {
        const QString expected = qEnvironmentVariable(kExpectedRegionVariable);
        if (expected.isEmpty())
            QSKIP("runs only as the child process of followsEnvironment");
        QCOMPARE(platform::SystemRegionalFormat(), Fixture(expected));
    }
};

QTEST_GUILESS_MAIN(RegionalFormatTest)
#include "regional_format_test.moc"
