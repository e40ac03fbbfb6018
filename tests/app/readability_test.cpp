// Reading the window in any theme, at any text size and with a screen reader: the contrast of
// every visible text against what is painted behind it in a light and a dark palette; every
// control inside its container and every caption in full at the screen's logical DPI (ctest runs
// this at 96, 120 and 144 DPI); and the roles, names and descriptions screen readers are given.
#include "common/core/contrast.h"
#include "shell/ui/pictures.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QGlyphRun>
#include <QRawFont>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextLayout>
#include <map>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// Texts in every field and list: a break-even analysis and a loan schedule.
void FillPages(WindowFixture& f)
{
    f.EnterBreakEven({"100", "10", "6", "1000"});
    f.EnterRepayment("10000", "Flat", "10", "Year", "12");
    f.ListBox("lstBev")->Flush();
    f.ListBox("lstLsd")->Flush();
}

// Shows every page and sub-page in turn; `check` runs on each with its tab and sub-tab.
template<typename Check> void ForEachPage(WindowFixture& f, Check check)
{
    for (const auto& [tab, subTab] :
         {std::pair {1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {4, 0}, {5, 0}}) {
        Strip(*f.window, "tabOptions")->Select(tab);
        if (subTab > 0)
            Strip(*f.window, tab == 2 ? "tabOptions1" : "tabOptions2")->Select(subTab);
        QApplication::processEvents();
        check(QStringLiteral("page %1.%2").arg(tab).arg(subTab));
    }
}

// The colour most of the rectangle is painted in.
Rgb Behind(const QImage& shot, const QRect& rect)
{
    std::map<QRgb, int> counts;
    const QRect inside = rect.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y) & 0xffffff];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    const QColor color = most == counts.end() ? QColor() : QColor(most->first);
    return {color.red(), color.green(), color.blue()};
}

// The texts a user reads: the rectangle (in the widget) each is painted on, and its colour role.
std::vector<std::pair<QRect, QPalette::ColorRole>> TextsOf(QWidget* widget)
{
    // Inside the frames that standard controls draw round their texts.
    const QRect inner = widget->rect().adjusted(3, 3, -3, -3);
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
        return {{inner, label->foregroundRole()}};
    if (qobject_cast<QLineEdit*>(widget))
        return {{inner, QPalette::Text}};
    if (qobject_cast<QPushButton*>(widget) || qobject_cast<QComboBox*>(widget))
        return {{inner, QPalette::ButtonText}};
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        return {{view->viewport()->geometry(), QPalette::Text}};
    std::vector<std::pair<QRect, QPalette::ColorRole>> texts;
    if (auto* bar = qobject_cast<QTabBar*>(widget))
        for (int i = 0; i < bar->count(); ++i)
            texts.emplace_back(bar->tabRect(i).adjusted(3, 3, -3, -3), QPalette::WindowText);
    return texts;
}

} // namespace

class ReadabilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextReadsInLightAndDarkPalettes()
    {
        const QPalette original = QApplication::palette(), light = LightPalette();
        // The palette the window starts in, and the one the desktop changes to while it runs.
        const struct
        {
            const char* name;
            QPalette start, now;
        } rows[] = {{"light", light, light},
                    {"dark", DarkPalette(), DarkPalette()},
                    {"dark after light", light, DarkPalette()},
                    {"light after dark", DarkPalette(), light}};
        for (const auto& [paletteName, start, now] : rows) {
            QApplication::setPalette(start);
            WindowFixture f;
            FillPages(f);
            QApplication::setPalette(now);
            ForEachPage(f, [&](const QString& page) {
                const QImage shot = f.window->grab().toImage();
                for (QWidget* widget : f.window->findChildren<QWidget*>()) {
                    if (!widget->isVisible())
                        continue;
                    for (const auto& [rect, role] : TextsOf(widget)) {
                        const QColor color = widget->palette().color(role);
                        const double ratio = ContrastRatio(
                            {color.red(), color.green(), color.blue()},
                            Behind(
                                shot,
                                QRect(widget->mapTo(f.window.get(), rect.topLeft()), rect.size())));
                        QVERIFY2(ratio >= kMinimumTextContrast,
                                 qPrintable(QStringLiteral("%1, %2, %3 at %4: %5:1")
                                                .arg(paletteName, page, widget->objectName())
                                                .arg(rect.x())
                                                .arg(ratio)));
                    }
                }
            });
        }
        QApplication::setPalette(original);
    }

    void controlsAndCaptionsFitAtTheScreensDpi()
    {
        // The window's size at the logical DPIs ctest runs this at.
        const std::map<int, QSize> windowSizes {
            {96, {513, 329}}, {120, {641, 411}}, {144, {770, 494}}};
        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        WindowFixture f;
        QCOMPARE(f.window->size(), windowSizes.count(dpi) ? windowSizes.at(dpi) : QSize());
        FillPages(f);
        ForEachPage(f, [&](const QString& page) {
            for (QWidget* widget : f.window->findChildren<QWidget*>()) {
                if (!widget->isVisible() || widget->isWindow())
                    continue;
                const QString where = page + ' ' + widget->objectName();
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(where));
                const QFontMetrics metrics = widget->fontMetrics();
                const auto width = [&](QString text) {
                    return metrics.horizontalAdvance(text.remove('&'));
                };
                int needed = 0, room = widget->width();
                auto* label = qobject_cast<QLabel*>(widget);
                if (label && label->wordWrap()) {
                    needed = label->heightForWidth(room);
                    room = label->height();
                } else if (label) {
                    needed = width(label->text());
                } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                    needed = width(button->text()) + 4;
                } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                    // Every item in the field beside the arrow; one the design's English already
                    // overflows (its label is the item's data) only as far as that English does.
                    QStyleOptionComboBox option;
                    option.initFrom(combo);
                    const int field = combo->style()
                                          ->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo)
                                          .width();
                    for (int i = 0; i < combo->count(); ++i) {
                        const int english =
                            metrics.horizontalAdvance(combo->itemData(i).toString());
                        const int shown = metrics.horizontalAdvance(combo->itemText(i));
                        if (shown - std::max(field, english) > needed - room)
                            needed = shown, room = std::max(field, english);
                    }
                } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
                    // Every tab shows whole, with no scroll arrows.
                    QVERIFY2(bar->tabRect(bar->count() - 1).right() < bar->width(),
                             qPrintable(where));
                    for (int i = 0; i < bar->count(); ++i)
                        QVERIFY2(width(bar->tabText(i)) < bar->tabRect(i).width(),
                                 qPrintable(where));
                }
                QVERIFY2(needed <= room,
                         qPrintable(where + QStringLiteral(": %1 > %2").arg(needed).arg(room)));
            }
        });
        // The pages start under the tabs.
        for (auto [strip, page] : {std::pair {"tabOptions", "picOptions"},
                                   {"tabOptions1", "picOptions1"},
                                   {"tabOptions2", "picOptions2"}})
            QVERIFY2(Named<QWidget>(*f.window, page, 0)->y() >
                         Strip(*f.window, strip)->Bar()->geometry().bottom(),
                     strip);
    }

    void screenReadersHearRolesNamesAndDescriptions()
    {
        WindowFixture f;
        FillPages(f);
        // The window (by its name), the lists with their header lines, a link, keys (the caption
        // is the name, the description says what it does), a field named by its caption and the
        // display.
        const struct
        {
            const char *name, *role, *accessibleName, *description;
        } rows[] = {
            // clang-format off
            {"frmVexmoor", "Window", "Quenbry - Vexmoor", ""},
            {"lstBev", "List", "Break-even analysis", "Units Total Costs Total Sales Profit"},
            {"lstLsd", "List", "Loan schedule", "# Balance Instalment Principal Interest"},
            {"lblQnbWeb_3", "Link", "@Quenbry", ""},
            {"cmdCalc_7", "Button", "sqrt", "square root"},
            {"cmdCalc_26", "Button", "+/-", "change sign"},
            {"cmdCalc_3", "Button", "7", ""},
            {"txtCalRpy_0", "EditableText", "Principal Amount:", "[M] Enter the principal amount"},
            {"lblDisplay", "StaticText", "0.", "Display"},
            // clang-format on
        };
        const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
        for (const auto& row : rows) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
                f.window->objectName() == row.name ? f.window.get() : f.Find(row.name));
            QVERIFY2(iface, row.name);
            QCOMPARE((QStringList {row.name, roles.valueToKey(iface->role()),
                                   iface->text(QAccessible::Name),
                                   iface->text(QAccessible::Description).simplified()}),
                     (QStringList {row.name, row.role, row.accessibleName, row.description}));
        }
        // The program by its name; the selected tab of each strip, and only it, reports so.
        QCOMPARE(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name),
                 QStringLiteral("Quenbry - Vexmoor"));
        Strip(*f.window, "tabOptions")->Select(3);
        for (const auto& [strip, selected, tabName] :
             {std::tuple {"tabOptions", 2, "Loan Calculator"}, {"tabOptions2", 0, "Repayment"}}) {
            QAccessibleInterface* bar =
                QAccessible::queryAccessibleInterface(Strip(*f.window, strip)->Bar());
            QCOMPARE(bar->role(), QAccessible::PageTabList);
            QVERIFY(!bar->child(-1) && !bar->child(bar->childCount())); // asking past the tabs
            for (int tab = 0; tab < bar->childCount(); ++tab) {
                QCOMPARE(bar->child(tab)->role(), QAccessible::PageTab);
                QCOMPARE(bar->child(tab)->state().selected, tab == selected);
            }
            QCOMPARE(bar->child(selected)->text(QAccessible::Name).trimmed(), QString(tabName));
        }
        // A reader presses a link as a click would.
        QAccessible::queryAccessibleInterface(f.Find("lblQnbWeb_0"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.services.openedUrls, QStringList {"https://www.quenbry.com"});
    }

    void picturesAreSharpAtScaleFactors()
    {
        // The embedded pictures reach the programs that link the window library.
        for (const auto& [path, size] : {std::pair {":/icons/vexmoor-32.png", QSize(32, 32)},
                                         {":/icons/vexmoor-256.png", QSize(256, 256)},
                                         {":/icons/vexmoor.svg", QSize(256, 256)},
                                         {":/images/imgQnfSut.jpg", QSize(174, 203)}})
            QVERIFY2(QImage(path).size() == size, path);
        // Logical size, device pixel ratio: the pixels drawn, from the picture at twice the size
        // but on an ordinary screen at the design's size.
        const QImage large(QStringLiteral(":/images/imgQnfSut@2x.jpg"));
        for (const auto& [size, ratio, pixels] :
             {std::tuple {QSize(174, 203), 1.0, QSize(174, 203)},
              {QSize(174, 203), 2.0, QSize(348, 406)},
              {QSize(174, 203), 1.5, QSize(261, 305)},
              {QSize(261, 305), 1.0, QSize(261, 305)}}) {
            const QPixmap picture = TalkToUsPicture(size, ratio);
            QCOMPARE(picture.size(), pixels);
            QCOMPARE(picture.devicePixelRatio(), ratio);
            if (pixels == large.size())
                QCOMPARE(picture.toImage().convertToFormat(large.format()), large);
        }
        // A window made at a ratio of 1 goes without the SVG plugin; a higher ratio draws the icon
        // from its SVG.
        WindowFixture f;
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("libqsvgicon"));
        QCOMPARE(WindowIcon(2).pixmap(QSize(64, 64), 1.0).size(), QSize(64, 64));
    }

    // Every separator and minus sign of the supported regions is drawn with a real glyph, in the
    // window's font and in the lists' fixed font, from the font itself or a fallback font.
    void separatorsHaveGlyphs()
    {
        WindowFixture f(frmVexmoor::PageBuilding::AllAtOnce, false);
        for (const char* region : {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "hi_IN"}) {
            const QLocale locale(QString::fromLatin1(region));
            for (const QFont& font : {f.window->font(), f.Find("lstLsd")->font()}) {
                for (const QChar c :
                     locale.decimalPoint() + locale.groupSeparator() + locale.negativeSign()) {
                    QTextLayout layout(QString(c), font);
                    layout.beginLayout();
                    layout.createLine();
                    layout.endLayout();
                    const QList<QGlyphRun> runs = layout.glyphRuns();
                    QVERIFY2(runs.size() == 1 && runs.first().rawFont().supportsCharacter(c),
                             qPrintable(QStringLiteral("%1 U+%2 in %3")
                                            .arg(region)
                                            .arg(c.unicode(), 0, 16)
                                            .arg(font.family())));
                }
            }
        }
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::ReadabilityTest)
#include "readability_test.moc"
