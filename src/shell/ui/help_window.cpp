// The Help window: the help's texts, in the user's language, laid out as HTML in a read-only
// browser.
#include "shell/ui/help_window.h"

#include "errors/ui/guard.h"
#include "platform/text.h"
#include "shell/core/help_text.h"

#include <QShortcut>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace vexmoor {

namespace {

using platform::ToQString;

// A help text in the user's language, ready for HTML.
QString Html(std::string_view text)
{
    return platform::Translated("Help", text).toHtmlEscaped();
}

QString KeysHtml(const HelpKey& row)
{
    QStringList keys;
    for (std::string_view key : row.keys) {
        if (!key.empty())
            keys.append(QStringLiteral("<b>%1</b>").arg(Html(key)));
    }
    return keys.join(Html(kHelpKeysJoiner));
}

// The key rows of one page, as a table.
QString KeyTableHtml(std::string_view page)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const HelpKey& row : HelpKeys()) {
        if (row.page == page)
            html += QStringLiteral("<tr><td valign=\"top\" width=\"35%\">%1</td><td>%2</td></tr>")
                        .arg(KeysHtml(row), Html(row.action));
    }
    return html + QStringLiteral("</table>");
}

// The help as the window shows it, for the given version.
QString HelpHtml(const QString& version)
{
    const auto heading = [](std::string_view text) {
        return QStringLiteral("<h3>%1</h3>").arg(Html(text));
    };
    QString html = heading(kHelpPagesHeading);
    for (const HelpPage& page : HelpPages())
        html += QStringLiteral("<p><b>%1</b>: %2</p>").arg(Html(page.name), Html(page.description));

    html += heading(kHelpKeyboardHeading);
    html += QStringLiteral("<h4>%1</h4>").arg(Html(kEveryPage)) + KeyTableHtml(kEveryPage);
    for (const HelpPage& page : HelpPages()) {
        const bool hasKeys =
            std::any_of(HelpKeys().begin(), HelpKeys().end(),
                        [&page](const HelpKey& row) { return row.page == page.name; });
        if (hasKeys)
            html += QStringLiteral("<h4>%1</h4>").arg(Html(page.name)) + KeyTableHtml(page.name);
    }

    html += heading(kHelpErrorsHeading) + QStringLiteral("<p>%1</p>").arg(Html(HelpErrorRecords()));
    html += heading(kHelpAboutHeading) +
        QStringLiteral("<p>%1</p><p>%2</p>")
            .arg(ToQString(kHelpVersion).arg(version).toHtmlEscaped(), Html(kHelpLicence));
    return html;
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(platform::Translated("Help", kHelpWindowTitle));
    setModal(false);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setOpenLinks(false);
    // A caret that the keyboard moves, so that the text can be read line by line and copied.
    text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    text->setHtml(HelpHtml(QStringLiteral(VEXMOOR_VERSION)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    // Wide enough for the key tables, about as tall as the main window and a half.
    resize(QSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 36));
}

void InstallHelpKey(QWidget* window)
{
    QObject::connect(new QShortcut(QKeySequence::HelpContents, window), &QShortcut::activated,
                     window, [window] { ShowHelpWindow(window); });
}

void ShowHelpWindow(QWidget* owner)
{
    Guarded("ShowHelpWindow", GuardVariant::Plain, [&] {
        auto* window =
            owner->findChild<HelpWindow*>(QStringLiteral("helpWindow"), Qt::FindDirectChildrenOnly);
        if (window == nullptr)
            window = new HelpWindow(owner);
        window->show();
        window->raise();
        window->activateWindow();
    });
}

} // namespace vexmoor
