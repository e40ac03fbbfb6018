// Every separator and minus sign of the supported regions is drawn with a real glyph, in the
// window's font and in the lists' fixed font: from the font itself or from a fallback font that
// the font database finds, never as a missing-glyph box or a space that stands in for one.
#include "support/window_fixture.h"

#include <QGlyphRun>
#include <QListView>
#include <QLocale>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

namespace vexmoor {

class FontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatorsHaveGlyphs()
    {
        test::WindowFixture fixture(frmVexmoor::PageBuilding::AllAtOnce, false);
        const QFont fonts[] = {fixture.window->font(), fixture.Find<QListView>("lstLsd")->font()};
        for (const char* region : {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "hi_IN"}) {
            const QLocale locale(QString::fromLatin1(region));
            const QString characters =
                locale.decimalPoint() + locale.groupSeparator() + locale.negativeSign();
            for (const QFont& font : fonts) {
                for (const QChar c : characters) {
                    QTextLayout layout(QString(c), font);
                    layout.beginLayout();
                    layout.createLine();
                    layout.endLayout();
                    const QList<QGlyphRun> runs = layout.glyphRuns();
                    const bool drawn =
                        runs.size() == 1 && runs.first().rawFont().supportsCharacter(c);
                    QVERIFY2(drawn,
                             qPrintable(QStringLiteral("%1: U+%2 in %3")
                                            .arg(region)
                                            .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                            .arg(QFontInfo(font).family())));
                }
            }
        }
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::FontsTest)
#include "fonts_test.moc"
