// Translators for the program's texts (":/i18n/vexmoor_<language>.qm", built in) and Qt's own
// ("qt_<language>.qm" in Qt's translations folder, which loads qtbase and the other modules').
#include "platform/services/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace vexmoor::platform {

namespace {

struct Installed
{
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    QString language;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QStringList DesktopLanguages()
{
    // The system locale, not the default one: the default follows the number format.
    return QLocale::system().uiLanguages();
}

QString InstallTranslations(const QStringList& languages)
{
    Installed& installed = Current();
    Remove(installed.program);
    Remove(installed.qt);
    installed.language = QStringLiteral("en");
    for (const QString& name : languages) {
        const QLocale locale(name);
        // English is the texts' own language; "C" and unknown names read as English too.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            break;
        const QString language = QLocale::languageToCode(locale.language());
        auto program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/vexmoor_") + language))
            continue;
        QCoreApplication::installTranslator(program.get());
        installed.program = std::move(program);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qt_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed.qt = std::move(qt);
        }
        installed.language = language;
        break;
    }
    return installed.language;
}

QString InstallDesktopTranslations()
{
    static const bool once = [] {
        if (Current().language.isEmpty())
            InstallTranslations(DesktopLanguages());
        return true;
    }();
    static_cast<void>(once);
    return Current().language;
}

} // namespace vexmoor::platform
