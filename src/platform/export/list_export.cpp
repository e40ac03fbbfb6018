// Clipboard and CSV for the list boxes.
#include "platform/export/list_export.h"

#include "common/core/table_text.h"
#include "platform/export/table_window.h"
#include "platform/services/services.h"
#include "platform/widgets/context_menu.h"
#include "platform/widgets/list_box.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <string>
#include <vector>

namespace vexmoor::platform {

namespace {

// clang-format off
const char* const kCopy        = QT_TRANSLATE_NOOP("Export", "&Copy");
const char* const kCopyAll     = QT_TRANSLATE_NOOP("Export", "Copy &All");
const char* const kShowAsTable = QT_TRANSLATE_NOOP("Export", "Show as &Table");
const char* const kSaveAsCsv   = QT_TRANSLATE_NOOP("Export", "&Save as CSV…");
const char* const kCsvTitle    = QT_TRANSLATE_NOOP("Export", "Save as CSV");
const char* const kCsvFilters  = QT_TRANSLATE_NOOP("Export", "CSV files (*.csv);;All files (*)");
const char* const kNotSaved    = QT_TRANSLATE_NOOP("Export", "The file \"%1\" could not be saved: %2.");
// clang-format on

QString Tr(const char* text)
{
    return QCoreApplication::translate("Export", text);
}

std::vector<std::string> ToStd(const QStringList& lines)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        texts.push_back(line.toStdString());
    return texts;
}

} // namespace

ListExport::ListExport(ListBox* list, const QString& controlName, QString csvFileName,
                       const RegionalFormat& format, Guard guard, ReportSourceFunction report)
    : QObject(list)
    , m_list(list)
    , m_csvFileName(std::move(csvFileName))
    , m_format(format)
    , m_controlName(controlName.toLatin1())
    , m_guard(std::move(guard))
    , m_report(std::move(report))
{
    QListView* view = list->View();
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->installEventFilter(this);
    m_menu = new ContextMenu(
        view, controlName + QStringLiteral("Menu"),
        [this](QMenu& menu) {
            const auto add = [&](const QString& text, const char* name, const char* suffix,
                                 void (ListExport::*command)()) {
                menu.addAction(text, this, [this, suffix, command] { Run(suffix, command); })
                    ->setObjectName(QString::fromLatin1(name));
            };
            add(WithShortcutText(Tr(kCopy), QKeySequence::Copy), "copy", "_Copy",
                &ListExport::Copy);
            add(Tr(kCopyAll), "copyAll", "_CopyAll", &ListExport::CopyAll);
            if (m_report) {
                menu.addSeparator();
                add(WithShortcutText(Tr(kShowAsTable), ShowAsTableKey()), "showAsTable",
                    "_ShowAsTable", &ListExport::ShowAsTable);
            }
            menu.addSeparator();
            add(Tr(kSaveAsCsv), "saveAsCsv", "_SaveAsCsv", &ListExport::SaveAsCsv);
            if (m_report)
                AddReportEntries(menu, this, QString::fromLatin1(m_controlName), m_report, m_format,
                                 m_guard);
        },
        [this](QMenu& menu) {
            // Copy needs a selection; every other entry, lines.
            const bool lines = m_list->Count() > 0;
            const bool selected = m_list->View()->selectionModel()->hasSelection();
            for (QAction* action : menu.actions())
                action->setEnabled(action->objectName() == QStringLiteral("copy") ? selected
                                                                                  : lines);
        });
}

QMenu* ListExport::Menu() const
{
    return m_menu->Menu();
}

bool ListExport::eventFilter(QObject* watched, QEvent* event)
{
    // Before the view, whose own Ctrl+C copies only the current line.
    if (watched == m_list->View() && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsCopyKey(key)) {
            Run("_Copy", &ListExport::Copy);
            return true;
        }
        if (m_report && m_list->Count() > 0 &&
            QKeySequence(key.keyCombination()) == ShowAsTableKey()) {
            Run("_ShowAsTable", &ListExport::ShowAsTable);
            return true;
        }
        if (m_report && m_list->Count() > 0 && key.matches(QKeySequence::Print)) {
            Run("_Print", &ListExport::Print);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ListExport::Run(const char* suffix, void (ListExport::*command)())
{
    const QByteArray procName = m_controlName + suffix;
    m_guard(procName.constData(), [&] { (this->*command)(); });
}

QStringList ListExport::SelectedLines() const
{
    m_list->Flush(); // the view's rows are the list's lines
    QModelIndexList selected = m_list->View()->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    lines.reserve(selected.size());
    for (const QModelIndex& index : selected)
        lines.append(m_list->Line(index.row()));
    return lines;
}

void ListExport::Copy()
{
    CopyLinesAsRows(SelectedLines(), m_list->Line(0));
}

void ListExport::CopyAll()
{
    CopyLinesAsRows(m_list->Lines(), m_list->Line(0));
}

void ListExport::SaveAsCsv()
{
    SaveLinesAsCsv(m_list->Lines(), m_csvFileName, m_format);
}

void ListExport::ShowAsTable()
{
    if (m_list->Count() == 0)
        return;
    auto* window = new TableWindow(TakeReportSource(m_report), QString::fromLatin1(m_controlName),
                                   m_csvFileName, m_format, m_guard, m_list->View()->window());
    window->show();
}

void ListExport::Print()
{
    if (m_list->Count() > 0)
        PrintReport(TakeReportSource(m_report), m_format);
}

QKeySequence ShowAsTableKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_T);
}

void CopyLinesAsRows(const QStringList& lines, const QString& header)
{
    if (lines.isEmpty())
        return;
    const std::string text = TabSeparatedRows(ToStd(lines), ListColumnCount(header.toStdString()));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void SaveLinesAsCsv(const QStringList& lines, const QString& fileName, const RegionalFormat& format)
{
    if (lines.isEmpty())
        return;
    const QString title = Tr(kCsvTitle);
    const QString path =
        CurrentServices().SaveFileName(title, SuggestedSavePath(fileName), Tr(kCsvFilters));
    if (path.isEmpty())
        return;
    const std::string csv =
        CsvRecords(ToStd(lines), ListColumnCount(lines.front().toStdString()), format);
    const QString failure =
        WriteWholeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!failure.isEmpty())
        CurrentServices().ShowWarning(NotSavedMessage(path, failure), title);
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

QString SuggestedSavePath(const QString& fileName)
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(fileName);
}

QString NotSavedMessage(const QString& path, const QString& reason)
{
    return Tr(kNotSaved).arg(QDir::toNativeSeparators(path), reason);
}

} // namespace vexmoor::platform
