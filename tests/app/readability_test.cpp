// Reading the window in any theme, language and text size, and with a screen reader. Every visible
// text reads against what is painted behind it in a light and a dark palette; every control lies
// inside its container with its caption in full at the screen's logical DPI (ctest runs these at
// 96, 120 and 144 DPI, in English, German and French). Screen readers hear roles, names and
// descriptions; pictures are sharp at any scale factor; separators have glyphs. In German and
// French no visible text is left in English, a message box speaks the language while its log
// record stays English, and the list's menu and Qt's own field menu follow; the language follows
// the desktop, the number format apart (ctest runs languageFollowsTheDesktop again with German
// words and en_US numbers, and with a language the program has no translation for).
#include "common/core/contrast.h"
#include "platform/services/regional_format.h"
#include "platform/services/translation.h"
#include "shell/ui/pictures.h"
#include "support/window_fixture.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QFile>
#include <QGlyphRun>
#include <QMenu>
#include <QRawFont>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextLayout>
#include <array>
#include <map>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// clang-format off
const struct LanguageRow
{
    const char *language, *loanTypeCaption, *message, *messageTitle, *copyEntry, *undoEntry;
} kLanguages[] = {
    {"en", "Loan Type:", "Enter a valid number.", "System Support", "&Copy", "&Undo"},
    {"de", "Darlehensart:", "Geben Sie eine gültige Zahl ein.", "Systemsupport", "&Kopieren", "&Rückgängig"},
    {"fr", "Type de prêt :", "Saisissez un nombre valide.", "Support système", "&Copier", "&Annuler"},
};
// clang-format on

// A break-even analysis and a loan schedule of 12 instalments, shown whole in their lists.
void Calculate(WindowFixture& f)
{
    f.EnterBreakEven({"100", "10", "6", "1000"});
    f.EnterRepayment("1234.5", "", "10", "", "12");
    f.Press("cmdCalRpy");
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

// Every text the window shows on any page or sub-page, each under a name of its own: captions,
// button and tab texts, tooltips, selector items, the lists' header and last lines field by
// field, screen reader names and descriptions, the graph's legend and axis titles.
QMap<QString, QString> VisibleTexts(WindowFixture& f)
{
    QMap<QString, QString> texts;
    const auto add = [&](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    ForEachPage(f, [&](const QString&) {
        for (QWidget* widget : f.window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (auto* chart = qobject_cast<QChartView*>(widget); chart && widget->isVisible()) {
                const QList<QAbstractSeries*> series = chart->chart()->series();
                for (int i = 0; i < series.size(); ++i)
                    add(QStringLiteral("series %1").arg(i), series[i]->name());
                for (QAbstractAxis* axis : chart->chart()->axes())
                    add(QStringLiteral("axis %1").arg(axis->alignment()), axis->titleText());
            }
            if (!widget->isVisible() || name.isEmpty())
                continue;
            add(name + " tooltip", widget->toolTip());
            add(name + " name", widget->accessibleName());
            add(name + " description", widget->accessibleDescription());
            add(name, widget->property("text").toString()); // captions, buttons, fields
            if (auto* combo = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < combo->count(); ++i)
                    add(name + QStringLiteral(" item %1").arg(i), combo->itemText(i));
            if (auto* bar = qobject_cast<QTabBar*>(widget))
                for (int i = 0; i < bar->count(); ++i) {
                    add(name + QStringLiteral(" tab %1").arg(i), bar->tabText(i));
                    add(name + QStringLiteral(" tab tooltip %1").arg(i), bar->tabToolTip(i));
                }
            if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
                static const QRegularExpression kApart(QStringLiteral("\\s{2,}"));
                const int rows = view->model()->rowCount();
                for (int row : {0, rows - 1}) {
                    const QStringList fields = rows > 0
                        ? view->model()->index(row, 0).data().toString().trimmed().split(kApart)
                        : QStringList();
                    for (int i = 0; i < fields.size(); ++i)
                        add(name + QStringLiteral(" line %1 field %2").arg(row).arg(i), fields[i]);
                }
            }
        }
    });
    return texts;
}

// Names, symbols and addresses that read the same in every language.
bool SameInEveryLanguage(const QString& text)
{
    static const QStringList kNames =
        QStringLiteral(
            "Quenbry - Vexmoor|www.quenbry.com|@Quenbry|facebook/Quenbry|CE|C|sqrt|1/x|blog")
            .split('|');
    static const QRegularExpression kNoWords(QStringLiteral("^[^A-Za-z]*$"));
    return kNames.contains(text) || kNoWords.match(text).hasMatch();
}

} // namespace

class ReadabilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // In the palette the window starts in and in the one the desktop changes to while it runs.
    void everyTextFitsAndReads()
    {
        const std::map<int, QSize> windowSizes {
            {96, {513, 329}}, {120, {641, 411}}, {144, {770, 494}}};
        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        const QPalette original = QApplication::palette(), light = LightPalette(),
                       dark = DarkPalette();
        for (const auto& [start, now] :
             {std::pair {light, light}, {dark, dark}, {light, dark}, {dark, light}}) {
            QApplication::setPalette(start);
            WindowFixture f;
            QCOMPARE(f.window->size(), windowSizes.count(dpi) ? windowSizes.at(dpi) : QSize());
            Calculate(f);
            QApplication::setPalette(now);
            ForEachPage(f, [&](const QString& page) {
                const QImage shot = f.window->grab().toImage();
                for (QWidget* widget : f.window->findChildren<QWidget*>()) {
                    if (!widget->isVisible() || widget->isWindow())
                        continue;
                    const QString where = page + ' ' + widget->objectName() + " on " +
                        start.window().color().name() + " then " + now.window().color().name();
                    for (const auto& [rect, role] : TextsOf(widget)) {
                        const QColor color = widget->palette().color(role);
                        const QRect onShot(widget->mapTo(f.window.get(), rect.topLeft()),
                                           rect.size());
                        QVERIFY2(ContrastRatio({color.red(), color.green(), color.blue()},
                                               Behind(shot, onShot)) >= kMinimumTextContrast,
                                 qPrintable(where));
                    }
                    QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                             qPrintable(where));
                    const auto width = [&](QString text) {
                        return widget->fontMetrics().horizontalAdvance(text.remove('&'));
                    };
                    auto* label = qobject_cast<QLabel*>(widget);
                    if (label && label->wordWrap()) {
                        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                                 qPrintable(where));
                    } else if (label) {
                        QVERIFY2(width(label->text()) <= label->width(), qPrintable(where));
                    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                        QVERIFY2(width(button->text()) + 4 <= button->width(), qPrintable(where));
                    } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
                        // Every tab shows whole, with no scroll arrows.
                        for (int i = 0; i < bar->count(); ++i)
                            QVERIFY2(width(bar->tabText(i)) < bar->tabRect(i).width() &&
                                         bar->tabRect(i).right() < bar->width(),
                                     qPrintable(where));
                    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                        // Every item in the field beside the arrow; one the design's English
                        // already overflows (its label is the item's data) only as far as that
                        // English does.
                        QStyleOptionComboBox option;
                        option.initFrom(combo);
                        const int field = combo->style()
                                              ->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo)
                                              .width();
                        for (int i = 0; i < combo->count(); ++i)
                            QVERIFY2(width(combo->itemText(i)) <=
                                         std::max(field, width(combo->itemData(i).toString())),
                                     qPrintable(where));
                    }
                }
            });
        }
        QApplication::setPalette(original);
    }

    void screenReadersHearRolesNamesAndDescriptions()
    {
        WindowFixture f;
        Calculate(f);
        // The window (by its name), a list with its header line, a link, keys (the caption
        // is the name, the description says what it does), a field named by its caption and the
        // display.
        // clang-format off
        const std::array<const char*, 4> rows[] = {
            {"frmVexmoor", "Window", "Quenbry - Vexmoor", ""},
            {"lstBev", "List", "Break-even analysis", "Units Total Costs Total Sales Profit"},
            {"lblQnbWeb_3", "Link", "@Quenbry", ""},
            {"cmdCalc_7", "Button", "sqrt", "square root"},
            {"cmdCalc_26", "Button", "+/-", "change sign"},
            {"txtCalRpy_0", "EditableText", "Principal Amount:", "[M] Enter the principal amount"},
            {"lblDisplay", "StaticText", "0.", "Display"},
        };
        // clang-format on
        for (const auto& [name, role, accessibleName, description] : rows) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
                f.window->objectName() == name ? f.window.get() : f.Find(name));
            QVERIFY2(iface, name);
            QCOMPARE((QStringList {
                         name, QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()),
                         iface->text(QAccessible::Name),
                         iface->text(QAccessible::Description).simplified()}),
                     (QStringList {name, role, accessibleName, description}));
        }
        // A strip's tabs: only the selected one says so, and none is found past them.
        platform::TabStrip* strip = Strip(*f.window, "tabOptions");
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(strip->Bar());
        QVERIFY(!bar->child(-1) && !bar->child(bar->childCount()));
        for (int tab = 0; tab < bar->childCount(); ++tab)
            QCOMPARE(bar->child(tab)->state().selected, tab == strip->Selected() - 1);
        // A reader presses a link as a click would.
        QAccessible::queryAccessibleInterface(f.Find("lblQnbWeb_0"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.services.openedUrls, QStringList {"https://www.quenbry.com"});
    }

    void picturesAreSharpAtScaleFactors()
    {
        // Logical size, device pixel ratio: the pixels drawn, from the picture at twice the size
        // but on an ordinary screen at the design's size.
        const QImage large(QStringLiteral(":/images/imgQnfSut@2x.jpg"));
        for (const auto& [size, ratio, pixels] :
             {std::tuple {QSize(174, 203), 1.0, QSize(174, 203)},
              {QSize(174, 203), 2.0, QSize(348, 406)}}) {
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
        QString signs;
        for (const char* region : {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "hi_IN"}) {
            const QLocale locale(QString::fromLatin1(region));
            signs += locale.decimalPoint() + locale.groupSeparator() + locale.negativeSign();
        }
        for (const QFont& font : {f.window->font(), f.Find("lstLsd")->font()}) {
            for (const QChar c : signs) {
                QTextLayout layout(QString(c), font);
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                const QList<QGlyphRun> runs = layout.glyphRuns();
                QVERIFY2(runs.size() == 1 && runs.first().rawFont().supportsCharacter(c),
                         qPrintable(QString(c) + font.family()));
            }
        }
    }

    void everyTextMessageAndMenuSpeaksTheLanguage()
    {
        QMap<QString, QString> english;
        for (const LanguageRow& row : kLanguages) {
            const QString language = QLatin1String(row.language);
            QCOMPARE(platform::InstallTranslations({language}), language);
            WindowFixture f;
            Calculate(f);
            const QMap<QString, QString> shown = VisibleTexts(f);
            if (english.isEmpty()) {
                english = shown;
                QVERIFY(english.size() > 150);
            }
            QCOMPARE(shown.keys(), english.keys());
            QStringList untranslated;
            for (auto it = english.cbegin(); it != english.cend(); ++it)
                if (row.language != QLatin1String("en") && shown[it.key()] == it.value() &&
                    !SameInEveryLanguage(it.value()))
                    untranslated << it.key() + QStringLiteral(": ") + it.value();
            QVERIFY2(untranslated.isEmpty(), qPrintable(language + ": " + untranslated.join("; ")));

            // A message in the language; its log record, for support, in English.
            Strip(*f.window, "tabOptions")->Select(2);
            Strip(*f.window, "tabOptions1")->Select(1);
            Enter(f.Field("txtBeV", 3), QStringLiteral("abc"));
            QCOMPARE(f.services.MessageTexts(),
                     QStringList {QStringLiteral(" [frmVexmoor] %1 {13}").arg(row.message)});
            QCOMPARE(f.services.messages.front().title, QString::fromUtf8(row.messageTitle));
            QVERIFY(ReadAll(f.services.LogPath()).contains("Enter a valid number."));

            // The analysis list's menu, and Qt's own menu of an entry field.
            Strip(*f.window, "tabOptions1")->Select(2);
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(f.Find("lstBev"), &event);
            auto* menu = f.Find<QMenu>("lstBevMenu");
            QTRY_VERIFY(menu && menu->isVisible());
            QVERIFY(menu->actions().first()->text().startsWith(QString::fromUtf8(row.copyEntry)));
            menu->close();
            const std::unique_ptr<QMenu> fieldMenu(
                f.Field("txtBeV", 0)->createStandardContextMenu());
            QVERIFY(
                fieldMenu->actions().first()->text().startsWith(QString::fromUtf8(row.undoEntry)));
        }
    }

    void languageFollowsTheDesktop()
    {
        // ctest says what the environment it sets should give; in the ordinary one, en_US's.
        const QString expected = qEnvironmentVariable("VEXMOOR_EXPECTED_LANGUAGE", "en");
        QCOMPARE(platform::InstallTranslations(platform::DesktopLanguages()), expected);
        WindowFixture f;
        Calculate(f);
        const auto* row = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                       [&](auto& r) { return expected == r.language; });
        QCOMPARE(Named<QLabel>(*f.window, "lblCalRpy", 5)->text(),
                 QString::fromUtf8(row->loanTypeCaption));
        // The figures, and the region (a report's paper), are the numbers' ones, not the words'.
        QCOMPARE(f.Field("txtCalRpy", 0)->text(), QStringLiteral("1,234.50"));
        QCOMPARE(QLocale::territoryToCode(platform::NumberLocale().territory()),
                 qEnvironmentVariable("VEXMOOR_EXPECTED_REGION", "US"));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::ReadabilityTest)
#include "readability_test.moc"
