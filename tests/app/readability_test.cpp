// Reading the window in any theme, at any text size and with a screen reader: the contrast of
// every visible text against what is painted behind it in a light and a dark palette; every
// control inside its container and every caption in full at the screen's logical DPI (ctest runs
// this at 96, 120 and 144 DPI); and the roles, names and descriptions screen readers are given.
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "platform/widgets/twips.h"
#include "shell/core/design_colors.h"
#include "shell/ui/pictures.h"
#include "support/palettes.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QtTest>
#include <map>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// Texts in every field and list: a break-even analysis and a loan schedule.
void FillPages(WindowFixture& f)
{
    Strip(*f.window, "tabOptions")->Select(2);
    for (auto [field, text] : {std::pair {0, "100"}, {1, "10"}, {2, "6"}, {3, "1000"}})
        TypeInto(Named<QLineEdit>(*f.window, "txtBeV", static_cast<std::int16_t>(field)), text);
    Click(Named<QPushButton>(*f.window, "cmdCalBeV"));
    Strip(*f.window, "tabOptions")->Select(3);
    for (auto [field, text] : {std::pair {0, "10000"}, {1, "10"}, {2, "12"}})
        TypeInto(Named<QLineEdit>(*f.window, "txtCalRpy", static_cast<std::int16_t>(field)), text);
    Click(Named<QPushButton>(*f.window, "cmdCalRpy"));
    List(*f.window, "lstBev")->Flush();
    List(*f.window, "lstLsd")->Flush();
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
    void everyTextReadsInLightAndDarkPalettes();
    void controlsAndCaptionsFitAtTheScreensDpi();
    void screenReadersHearRolesNamesAndDescriptions();
    void picturesAreSharpAtScaleFactors();
};

void ReadabilityTest::everyTextReadsInLightAndDarkPalettes()
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
                    const double ratio =
                        ContrastRatio({color.red(), color.green(), color.blue()},
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

void ReadabilityTest::controlsAndCaptionsFitAtTheScreensDpi()
{
    // The window's size at the logical DPIs ctest runs this at.
    const std::map<int, QSize> windowSizes {{96, {513, 329}}, {120, {641, 411}}, {144, {770, 494}}};
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
                needed = button->fontMetrics().horizontalAdvance(CaptionText(button->text())) + 4;
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
                    const int english = metrics.horizontalAdvance(combo->itemData(i).toString());
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
                QVERIFY2(bar->tabRect(bar->count() - 1).right() < bar->width(), qPrintable(where));
                for (int i = 0; i < bar->count(); ++i)
                    QVERIFY2(bar->fontMetrics().horizontalAdvance(CaptionText(bar->tabText(i))) <
                                 bar->tabRect(i).width(),
                             qPrintable(where));
            }
        }
    });
    for (platform::TabStrip* strip :
         {Strip(*f.window, "tabOptions"), Strip(*f.window, "tabOptions1"),
          Strip(*f.window, "tabOptions2")}) {
        const auto* page = strip == Strip(*f.window, "tabOptions")
            ? Named<QWidget>(*f.window, "picOptions", 0)
            : strip == Strip(*f.window, "tabOptions1")
            ? Named<QWidget>(*f.window, "picOptions1", 0)
            : Named<QWidget>(*f.window, "picOptions2", 0);
        QVERIFY2(page->y() > strip->Bar()->geometry().bottom(),
                 qPrintable(strip->Bar()->objectName()));
    }
}

void ReadabilityTest::screenReadersHearRolesNamesAndDescriptions()
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
        // The window, the lists with their header lines, the graph with its tooltip.
        {"frmVexmoor", QAccessible::Window, "Quenbry - Vexmoor", ""},
        {"lstBev", QAccessible::List, "Break-even analysis",
         "Units Total Costs Total Sales Profit"},
        {"lstLsd", QAccessible::List, "Loan schedule", "# Balance Instalment Principal Interest"},
        {"chtBeVAny", QAccessible::Graphic, "Break-even graph",
         "Break-even units 250. From 1 to 100 units: total costs from 1,006.00 to 1,600.00, total "
         "sales from 10.00 to 1,000.00, fixed costs 1,000.00. The cost and sales lines cross at "
         "250.00 units, at 2,500.00."},
        // Links, by their captions.
        {"lblQnbWeb_0", QAccessible::Link, "www.quenbry.com", ""},
        {"lblQnbWeb_3", QAccessible::Link, "@Quenbry", ""},
        // Keys: the caption is the name, the description says what it does.
        {"cmdCalc_6", QAccessible::Button, "/", "divide"},
        {"cmdCalc_11", QAccessible::Button, "*", "multiply"},
        {"cmdCalc_16", QAccessible::Button, "-", "subtract"},
        {"cmdCalc_24", QAccessible::Button, "+", "add"},
        {"cmdCalc_7", QAccessible::Button, "sqrt", "square root"},
        {"cmdCalc_12", QAccessible::Button, "%", "percent"},
        {"cmdCalc_17", QAccessible::Button, "1/x", "reciprocal"},
        {"cmdCalc_26", QAccessible::Button, "+/-", "change sign"},
        {"cmdCalc_25", QAccessible::Button, ".", "decimal point"},
        {"cmdCalc_23", QAccessible::Button, "=", "equals"},
        {"cmdCalc_1", QAccessible::Button, "CE", "clear entry"},
        {"cmdCalc_2", QAccessible::Button, "C", "clear"},
        {"cmdCalc_0", QAccessible::Button, "Backspace", "backspace"},
        {"cmdCalc_3", QAccessible::Button, "7", ""},
        // Captions name their fields; the display, with no caption, is described.
        {"txtCalRpy_0", QAccessible::EditableText,
         "Principal Amount:", "[M] Enter the principal amount"},
        {"lblDisplay", QAccessible::StaticText, "0.", "Display"},
    };
    for (const auto& row : rows) {
        auto* widget =
            row.name == QLatin1String("frmVexmoor") ? f.window.get() : f.Find<QWidget>(row.name);
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
    // The program by its name; the selected tab of each strip, and only it, reports so.
    QCOMPARE(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name),
             QStringLiteral("Quenbry - Vexmoor"));
    Strip(*f.window, "tabOptions")->Select(3);
    for (const auto& [strip, selected] :
         {std::pair {"tabOptions", 2}, std::pair {"tabOptions2", 0}}) {
        QAccessibleInterface* bar =
            QAccessible::queryAccessibleInterface(Strip(*f.window, strip)->Bar());
        QCOMPARE(bar->role(), QAccessible::PageTabList);
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

void ReadabilityTest::picturesAreSharpAtScaleFactors()
{
    // Logical size, device pixel ratio: the pixels drawn, from the picture at twice the size but
    // on an ordinary screen at the design's size.
    const struct
    {
        QSize size;
        qreal ratio;
        QSize pixels;
        bool large;
    } rows[] = {
        {{174, 203}, 1, {174, 203}, false},
        {{174, 203}, 2, {348, 406}, true},
        {{174, 203}, 1.5, {261, 305}, true},
        {{261, 305}, 1, {261, 305}, true},
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

} // namespace vexmoor

QTEST_MAIN(vexmoor::ReadabilityTest)
#include "readability_test.moc"
