// The window in the user's language: German, French and English through the real window (pages,
// a message box whose log record stays English, a context menu, Qt's own field menu); the
// language the desktop's settings give, apart from the number format (ctest runs
// languageFollowsTheDesktop again with LC_MESSAGES=de_DE and LC_NUMERIC=en_US, and with a
// language the program has no translation for); and no visible text left in English.
#include "platform/services/regional_format.h"
#include "platform/services/translation.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QAbstractAxis>
#include <QAbstractItemView>
#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QtTest>
#include <memory>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// What the user reads in each language: the main tab of the loan page, a caption, a button, a
// tooltip, a loan type, the schedule's header, the message box and the list's context menu.
struct LanguageRow
{
    const char* language;
    const char* loanTab;
    const char* loanTypeCaption;
    const char* calculateButton;
    const char* principalTooltip;
    const char* annuity;
    const char* scheduleHeader;
    const char* message;
    const char* messageTitle;
    const char* copyEntry;
    const char* undoEntry; // Qt's own context menu of a field
};

// clang-format off
const LanguageRow kLanguages[] = {
    {"en", "&Loan Calculator", "Loan Type:", "Calculate &Repayment", "[M] Enter the principal amount",
     "Amortize", "# Balance Instalment Principal Interest", " [frmVexmoor] Enter a valid number. {13}",
     "System Support", "&Copy", "&Undo"},
    {"de", "&Darlehen", "Darlehensart:", "Rate b&erechnen", "[M] Darlehensbetrag eingeben",
     "Annuität", "# Restschuld Rate Tilgung Zinsen", " [frmVexmoor] Geben Sie eine gültige Zahl ein. {13}",
     "Systemsupport", "&Kopieren", "&Rückgängig"},
    {"fr", "&Prêt", "Type de prêt :", "Calc&uler l'échéance", "[M] Saisissez le capital emprunté",
     "Annuités", "# Capital restant dû Échéance Amortissement Intérêts",
     " [frmVexmoor] Saisissez un nombre valide. {13}", "Support système", "&Copier", "&Annuler"},
};
// clang-format on

const LanguageRow& RowFor(const QString& language)
{
    for (const LanguageRow& row : kLanguages)
        if (language == QLatin1String(row.language))
            return row;
    return kLanguages[0];
}

// A loan schedule of 12 instalments and a break-even analysis.
void Calculate(WindowFixture& f)
{
    Strip(*f.window, "tabOptions")->Select(2);
    for (auto [field, text] : {std::pair {0, "100"}, {1, "10"}, {2, "6"}, {3, "1000"}})
        TypeInto(Named<QLineEdit>(*f.window, "txtBeV", field), text);
    Click(Named<QPushButton>(*f.window, "cmdCalBeV"));
    Strip(*f.window, "tabOptions")->Select(3);
    for (auto [field, text] : {std::pair {0, "1234.5"}, {1, "10"}, {2, "12"}})
        Enter(Named<QLineEdit>(*f.window, "txtCalRpy", field), text);
    Click(Named<QPushButton>(*f.window, "cmdCalRpy"));
    List(*f.window, "lstBev")->Flush();
    List(*f.window, "lstLsd")->Flush();
}

// Every text the window shows on any page or sub-page, each under a name of its own: captions,
// button and tab texts, tooltips, selector items, the lists' header and last lines, screen
// reader names and descriptions, the graph's legend and axis title.
QMap<QString, QString> VisibleTexts(WindowFixture& f)
{
    QMap<QString, QString> texts;
    const auto add = [&](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    const std::pair<int, int> views[] = {{1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 1},
                                         {3, 2}, {3, 3}, {4, 0}, {5, 0}};
    for (const auto& [tab, subTab] : views) {
        Strip(*f.window, "tabOptions")->Select(tab);
        if (tab == 2 || tab == 3)
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
                const int rows = view->model()->rowCount();
                // The header's and the last line's fields, one by one.
                static const QRegularExpression kApart(QStringLiteral("\\s{2,}"));
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
    static const QStringList kNames {"Quenbry - Vexmoor",
                                     "www.quenbry.com",
                                     "@Quenbry",
                                     "facebook/Quenbry",
                                     "CE",
                                     "C",
                                     "sqrt",
                                     "1/x",
                                     "blog"};
    static const QRegularExpression kNoWords(QStringLiteral("^[^A-Za-z]*$"));
    return kNames.contains(text) || kNoWords.match(text).hasMatch();
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesMessagesAndMenusSpeakTheLanguage();
    void noVisibleTextIsLeftInEnglish();
    void languageFollowsTheDesktop();
    void cleanupTestCase() { platform::InstallTranslations(platform::DesktopLanguages()); }
};

void TranslationTest::pagesMessagesAndMenusSpeakTheLanguage()
{
    for (const LanguageRow& row : kLanguages) {
        const QString language = QLatin1String(row.language);
        QCOMPARE(platform::InstallTranslations({language}), language);
        WindowFixture f;
        Calculate(f);
        const auto* loanTab = Strip(*f.window, "tabOptions")->Bar();
        QCOMPARE(loanTab->tabText(2), QString::fromUtf8(row.loanTab));
        QCOMPARE(Named<QLabel>(*f.window, "lblCalRpy", 5)->text(),
                 QString::fromUtf8(row.loanTypeCaption));
        QCOMPARE(Named<QPushButton>(*f.window, "cmdCalRpy")->text(),
                 QString::fromUtf8(row.calculateButton));
        QCOMPARE(Named<QLineEdit>(*f.window, "txtCalRpy", 0)->toolTip(),
                 QString::fromUtf8(row.principalTooltip));
        QCOMPARE(Named<QComboBox>(*f.window, "cboIntRat", 2)->itemText(2),
                 QString::fromUtf8(row.annuity));
        QCOMPARE(List(*f.window, "lstLsd")->Line(0).simplified(),
                 QString::fromUtf8(row.scheduleHeader));
        // The figures stay in the region's writing whatever the language.
        QCOMPARE(Named<QLineEdit>(*f.window, "txtCalRpy", 0)->text(), QStringLiteral("1,234.50"));

        // A message in the language; its log record, for support, in English.
        Strip(*f.window, "tabOptions")->Select(2);
        Strip(*f.window, "tabOptions1")->Select(1);
        Enter(Named<QLineEdit>(*f.window, "txtBeV", 3), QStringLiteral("abc"));
        QCOMPARE(f.services.MessageTexts(), QStringList {QString::fromUtf8(row.message)});
        QCOMPARE(f.services.messages.front().title, QString::fromUtf8(row.messageTitle));
        QVERIFY2(ReadAll(f.services.LogPath()).contains(QStringLiteral("Enter a valid number.")),
                 row.language);

        // The analysis list's menu, and Qt's own menu of an entry field.
        Strip(*f.window, "tabOptions1")->Select(2);
        QWidget* list = Named<QWidget>(*f.window, "lstBev");
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                list->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list, &event);
        auto* menu = f.window->findChild<QMenu*>(QStringLiteral("lstBevMenu"));
        QVERIFY(menu != nullptr);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY2(menu->actions().first()->text().startsWith(QString::fromUtf8(row.copyEntry)),
                 qPrintable(menu->actions().first()->text()));
        menu->close();
        const std::unique_ptr<QMenu> fieldMenu(
            Named<QLineEdit>(*f.window, "txtBeV", 0)->createStandardContextMenu());
        QVERIFY2(fieldMenu->actions().first()->text().startsWith(QString::fromUtf8(row.undoEntry)),
                 qPrintable(fieldMenu->actions().first()->text()));
    }
}

void TranslationTest::noVisibleTextIsLeftInEnglish()
{
    platform::InstallTranslations({QStringLiteral("en")});
    QMap<QString, QString> english;
    {
        WindowFixture f;
        Calculate(f);
        english = VisibleTexts(f);
    }
    QVERIFY(english.size() > 150);
    for (const char* language : {"de", "fr"}) {
        platform::InstallTranslations({QLatin1String(language)});
        WindowFixture f;
        Calculate(f);
        const QMap<QString, QString> shown = VisibleTexts(f);
        QCOMPARE(shown.keys(), english.keys());
        QStringList untranslated;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (shown.value(it.key()) == it.value() && !SameInEveryLanguage(it.value()))
                untranslated << it.key() + QStringLiteral(": ") + it.value();
        }
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(QLatin1String(language) + QStringLiteral(": ") +
                            untranslated.join(QStringLiteral("; "))));
    }
}

void TranslationTest::languageFollowsTheDesktop()
{
    // ctest says what the environment it sets should give; in the ordinary one, en_US's English.
    const QString expected =
        qEnvironmentVariable("VEXMOOR_EXPECTED_LANGUAGE", QStringLiteral("en"));
    QCOMPARE(platform::InstallTranslations(platform::DesktopLanguages()), expected);
    WindowFixture f;
    Calculate(f);
    QCOMPARE(Named<QLabel>(*f.window, "lblCalRpy", 5)->text(),
             QString::fromUtf8(RowFor(expected).loanTypeCaption));
    QCOMPARE(Named<QLineEdit>(*f.window, "txtCalRpy", 0)->text(), QStringLiteral("1,234.50"));
    // The region (a report's paper) is the numbers' one, not the words'.
    QCOMPARE(QLocale::territoryToCode(platform::NumberLocale().territory()),
             qEnvironmentVariable("VEXMOOR_EXPECTED_REGION", QStringLiteral("US")));
}

} // namespace vexmoor

QTEST_MAIN(vexmoor::TranslationTest)
#include "translation_test.moc"
