// Reading the window in any theme, at any text size and with a screen reader: the contrast of
// every visible text against what is painted behind it in a light and a dark palette; every
// control inside its container and every caption in full at the screen's logical DPI (ctest runs
// this at 96, 120 and 144 DPI); and the roles, names and descriptions screen readers are given.
#include "platform/widgets/twips.h"
#include "shell/core/design_colors.h"
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

// Shows every page and sub-page in turn; `check` runs on each with its name.
template<typename Check> void ForEachPage(WindowFixture& f, Check check)
{
    const struct
    {
        int tab, subTab;
        const char* name;
    } views[] = {{1, 0, "Calculator"},    {2, 1, "Parameters"}, {2, 2, "Analysis"},
                 {2, 3, "Graph"},         {3, 1, "Repayment"},  {3, 2, "Principal"},
                 {3, 3, "Loan Schedule"}, {4, 0, "Talk to Us"}, {5, 0, "Disclaimer"}};
    for (const auto& view : views) {
        Strip(*f.window, "tabOptions")->Select(view.tab);
        if (view.tab == 2)
            Strip(*f.window, "tabOptions1")->Select(view.subTab);
        if (view.tab == 3)
            Strip(*f.window, "tabOptions2")->Select(view.subTab);
        QApplication::processEvents();
        check(QString::fromLatin1(view.name));
    }
}

// The colour most of the rectangle is painted in.
QColor Behind(const QImage& shot, const QRect& rect)
{
    std::map<QRgb, int> counts;
    const QRect inside = rect.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y) & 0xffffff];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor(most->first);
}

// The texts a user reads, each with the rectangle (in the widget) it is painted on and its
// colour role.
struct ReadText
{
    QRect rect;
    QPalette::ColorRole role;
    QString text;
};

std::vector<ReadText> TextsOf(QWidget* widget)
{
    // Inside the frames that standard controls draw round their texts.
    const QRect inner = widget->rect().adjusted(3, 3, -3, -3);
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
        return {{inner, label->foregroundRole(), label->text()}};
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return {{inner, QPalette::Text, edit->text()}};
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return {{inner, QPalette::ButtonText, button->text()}};
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return {{inner, QPalette::ButtonText, combo->currentText()}};
    if (auto* view = qobject_cast<QAbstractItemView*>(widget))
        return {{view->viewport()->geometry(), QPalette::Text, view->objectName()}};
    std::vector<ReadText> texts;
    if (auto* bar = qobject_cast<QTabBar*>(widget))
        for (int i = 0; i < bar->count(); ++i)
            texts.push_back(
                {bar->tabRect(i).adjusted(3, 3, -3, -3), QPalette::WindowText, bar->tabText(i)});
    return texts;
}

QString CaptionText(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

class ReadabilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextReadsInLightAndDarkPalettes()
    {
        const QPalette original = QApplication::palette();
        const QPalette light = test::LightPalette();
        // The palette the window starts in, and the one the desktop changes to while it runs.
        const struct
        {
            const char* paletteName;
            QPalette start, now;
        } rows[] = {
            {"light", light, light},
            {"dark", DarkPalette(), DarkPalette()},
            {"dark after light", light, DarkPalette()},
            {"light after dark", DarkPalette(), light},
        };
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
                    for (const ReadText& text : TextsOf(widget)) {
                        const QRect onShot(widget->mapTo(f.window.get(), text.rect.topLeft()),
                                           text.rect.size());
                        const QColor background = Behind(shot, onShot);
                        const QColor color = widget->palette().color(text.role);
                        const double ratio = ContrastRatio(
                            {color.red(), color.green(), color.blue()},
                            {background.red(), background.green(), background.blue()});
                        QVERIFY2(
                            ratio >= kMinimumTextContrast,
                            qPrintable(QStringLiteral("%1 palette, %2 page, %3 \"%4\": %5 on %6, "
                                                      "%7:1")
                                           .arg(paletteName, page, widget->objectName(),
                                                text.text.left(20), color.name(), background.name())
                                           .arg(ratio, 0, 'f', 1)));
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
        QVERIFY2(windowSizes.count(dpi), qPrintable(QString::number(dpi)));
        WindowFixture f;
        QCOMPARE(f.window->size(), windowSizes.at(dpi));
        FillPages(f);
        ForEachPage(f, [&](const QString& page) {
            for (QWidget* widget : f.window->findChildren<QWidget*>()) {
                if (!widget->isVisible() || widget->isWindow())
                    continue;
                const QString where = page + QStringLiteral(" page, ") + widget->objectName();
                const QRect within = widget->parentWidget()->rect();
                QVERIFY2(within.contains(widget->geometry()), qPrintable(where + " outside"));
                int needed = 0;
                int room = widget->width();
                if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(where));
                else if (label)
                    needed = label->fontMetrics().horizontalAdvance(CaptionText(label->text()));
                else if (auto* button = qobject_cast<QPushButton*>(widget))
                    needed =
                        button->fontMetrics().horizontalAdvance(CaptionText(button->text())) + 4;
                else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                    // Every item in the field beside the arrow; one the design's English already
                    // overflows (its label is the item's data) only as far as that English does.
                    QStyleOptionComboBox option;
                    option.initFrom(combo);
                    const int field = combo->style()
                                          ->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo)
                                          .width();
                    for (int i = 0; i < combo->count(); ++i) {
                        const QFontMetrics metrics = combo->fontMetrics();
                        const int english =
                            metrics.horizontalAdvance(combo->itemData(i).toString());
                        const int shown = metrics.horizontalAdvance(combo->itemText(i));
                        if (shown - std::max(field, english) > needed - room) {
                            needed = shown;
                            room = std::max(field, english);
                        }
                    }
                }
                QVERIFY2(needed <= room,
                         qPrintable(where + QStringLiteral(": %1 > %2").arg(needed).arg(room)));
                // Every tab shows whole, with no scroll arrows, and the pages start under the tabs.
                if (auto* bar = qobject_cast<QTabBar*>(widget)) {
                    QVERIFY2(bar->tabRect(bar->count() - 1).right() < bar->width(),
                             qPrintable(where));
                    for (int i = 0; i < bar->count(); ++i)
                        QVERIFY2(bar->fontMetrics().horizontalAdvance(
                                     CaptionText(bar->tabText(i))) < bar->tabRect(i).width(),
                                 qPrintable(where));
                }
            }
        });
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
        const struct
        {
            const char* name;
            QAccessible::Role role;
            const char* accessibleName;
            const char* description;
        } rows[] = {
            // The window, the lists with their header lines, a link, keys (the caption is the name,
            // the
            // description says what it does), a field named by its caption and the display.
            {"frmVexmoor", QAccessible::Window, "Quenbry - Vexmoor", ""},
            {"lstBev", QAccessible::List, "Break-even analysis",
             "Units Total Costs Total Sales Profit"},
            {"lstLsd", QAccessible::List, "Loan schedule",
             "# Balance Instalment Principal Interest"},
            {"lblQnbWeb_3", QAccessible::Link, "@Quenbry", ""},
            {"cmdCalc_7", QAccessible::Button, "sqrt", "square root"},
            {"cmdCalc_26", QAccessible::Button, "+/-", "change sign"},
            {"cmdCalc_3", QAccessible::Button, "7", ""},
            {"txtCalRpy_0", QAccessible::EditableText,
             "Principal Amount:", "[M] Enter the principal amount"},
            {"lblDisplay", QAccessible::StaticText, "0.", "Display"},
        };
        for (const auto& row : rows) {
            auto* widget = row.name == QLatin1String("frmVexmoor") ? f.window.get()
                                                                   : f.Find<QWidget>(row.name);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, row.name);
            QCOMPARE(QStringLiteral("%1 %2 \"%3\" \"%4\"")
                         .arg(row.name)
                         .arg(iface->role())
                         .arg(iface->text(QAccessible::Name),
                              iface->text(QAccessible::Description).simplified()),
                     QStringLiteral("%1 %2 \"%3\" \"%4\"")
                         .arg(row.name)
                         .arg(row.role)
                         .arg(row.accessibleName, row.description));
        }
        QCOMPARE(f.window->objectName(), QStringLiteral("frmVexmoor"));
        // The program by its name; the selected tab of each strip, and only it, reports so.
        QCOMPARE(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name),
                 QStringLiteral("Quenbry - Vexmoor"));
        Strip(*f.window, "tabOptions")->Select(3);
        for (const auto& [strip, selected] :
             {std::pair {"tabOptions", 2}, std::pair {"tabOptions2", 0}}) {
            QAccessibleInterface* bar =
                QAccessible::queryAccessibleInterface(Strip(*f.window, strip)->Bar());
            QCOMPARE(bar->role(), QAccessible::PageTabList);
            QVERIFY(!bar->child(-1) &&
                    !bar->child(bar->childCount())); // a reader asking past the tabs
            for (int tab = 0; tab < bar->childCount(); ++tab) {
                QAccessibleInterface* child = bar->child(tab);
                QCOMPARE(child->role(), QAccessible::PageTab);
                QCOMPARE(child->state().selected, tab == selected);
            }
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(Strip(*f.window, "tabOptions")->Bar())
                     ->child(2)
                     ->text(QAccessible::Name),
                 QStringLiteral("Loan Calculator"));
        // A reader presses a link as a click would.
        QAccessibleInterface* link =
            QAccessible::queryAccessibleInterface(f.Find<QWidget>("lblQnbWeb_0"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.services.openedUrls, QStringList {"https://www.quenbry.com"});
    }

    void picturesAreSharpAtScaleFactors()
    {
        // The embedded pictures reach the programs that link the window library.
        const std::pair<const char*, QSize> embedded[] = {{":/icons/vexmoor-32.png", {32, 32}},
                                                          {":/icons/vexmoor-256.png", {256, 256}},
                                                          {":/icons/vexmoor.svg", {256, 256}},
                                                          {":/images/imgQnfSut.jpg", {174, 203}}};
        for (const auto& [path, size] : embedded)
            QVERIFY2(QImage(path).size() == size, path);
        // Logical size, device pixel ratio: the pixels drawn, from the picture at twice the size
        // but on an ordinary screen at the design's size.
        const struct
        {
            QSize size;
            qreal ratio;
            QSize pixels;
        } rows[] = {
            {{174, 203}, 1, {174, 203}},
            {{174, 203}, 2, {348, 406}},
            {{174, 203}, 1.5, {261, 305}},
            {{261, 305}, 1, {261, 305}},
        };
        const QImage large(QStringLiteral(":/images/imgQnfSut@2x.jpg"));
        for (const auto& row : rows) {
            const QPixmap picture = TalkToUsPicture(row.size, row.ratio);
            QCOMPARE(picture.size(), row.pixels);
            QCOMPARE(picture.devicePixelRatio(), row.ratio);
            if (row.pixels == large.size())
                QCOMPARE(picture.toImage().convertToFormat(large.format()), large);
        }
        // A window made at a ratio of 1 goes without the SVG plugin; a higher ratio draws the icon
        // from its SVG.
        WindowFixture f;
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libqsvgicon"));
        QCOMPARE(WindowIcon(2).pixmap(QSize(64, 64), 1.0).size(), QSize(64, 64));
    }

    // Every separator and minus sign of the supported regions is drawn with a real glyph, in the
    // window's font and in the lists' fixed font, from the font itself or a fallback font.
    void separatorsHaveGlyphs()
    {
        WindowFixture f(frmVexmoor::PageBuilding::AllAtOnce, false);
        for (const char* region : {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "hi_IN"}) {
            const QLocale locale(QString::fromLatin1(region));
            for (const QFont& font : {f.window->font(), f.Find<QListView>("lstLsd")->font()}) {
                for (const QChar c :
                     locale.decimalPoint() + locale.groupSeparator() + locale.negativeSign()) {
                    QTextLayout layout(QString(c), font);
                    layout.beginLayout();
                    layout.createLine();
                    layout.endLayout();
                    const QList<QGlyphRun> runs = layout.glyphRuns();
                    QVERIFY2(runs.size() == 1 && runs.first().rawFont().supportsCharacter(c),
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

QTEST_MAIN(vexmoor::ReadabilityTest)
#include "readability_test.moc"
