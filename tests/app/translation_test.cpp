// The window in the user's language: in German and French no visible text of any page is left in
// English, a message box speaks the language while its log record stays English, and the list's
// menu and Qt's own field menu follow. ctest runs languageFollowsTheDesktop again with German
// words and en_US numbers, and with a language the program has no translation for.
#include "platform/services/regional_format.h"
#include "platform/services/translation.h"
#include "support/window_fixture.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>

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

// A break-even analysis and a loan schedule of 12 instalments.
void Calculate(WindowFixture& f)
{
    f.EnterBreakEven({"100", "10", "6", "1000"});
    Strip(*f.window, "tabOptions")->Select(3);
    for (auto [field, text] : {std::pair {0, "1234.5"}, {1, "10"}, {2, "12"}})
        Enter(f.Field("txtCalRpy", field), text);
    f.Press("cmdCalRpy");
    f.ListBox("lstBev")->Flush();
    f.ListBox("lstLsd")->Flush();
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
    for (const auto& [tab, subTab] :
         {std::pair {1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {4, 0}, {5, 0}}) {
        Strip(*f.window, "tabOptions")->Select(tab);
        if (subTab > 0)
            Strip(*f.window, tab == 2 ? "tabOptions1" : "tabOptions2")->Select(subTab);
        QApplication::processEvents();
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
            if (auto* label = qobject_cast<QLabel*>(widget))
                add(name, label->text());
            if (auto* button = qobject_cast<QPushButton*>(widget))
                add(name, button->text());
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
    }
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

class TranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextMessageAndMenuSpeaksTheLanguage()
    {
        QMap<QString, QString> english;
        for (const LanguageRow& row : kLanguages) {
            const QString language = QLatin1String(row.language);
            QCOMPARE(platform::InstallTranslations({language}), language);
            WindowFixture f;
            Calculate(f);
            // The figures stay in the region's writing whatever the language.
            QCOMPARE(f.Field("txtCalRpy", 0)->text(), QStringLiteral("1,234.50"));
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
            QWidget* list = f.Find("lstBev");
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    list->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(list, &event);
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
        QCOMPARE(f.Field("txtCalRpy", 0)->text(), QStringLiteral("1,234.50"));
        // The region (a report's paper) is the numbers' one, not the words'.
        QCOMPARE(QLocale::territoryToCode(platform::NumberLocale().territory()),
                 qEnvironmentVariable("VEXMOOR_EXPECTED_REGION", "US"));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::TranslationTest)
#include "translation_test.moc"
