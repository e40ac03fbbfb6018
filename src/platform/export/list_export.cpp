// Clipboard and CSV for the list boxes.
#include "platform/export/list_export.h"

#include "common/core/table_text.h"
#include "platform/services/services.h"
#include "platform/widgets/context_menu.h"
#include "platform/widgets/list_box.h"

#include <QAction>
#include <QClipboard>
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

std::vector<std::string> ToStd(const QStringList& lines)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        texts.push_back(line.toStdString());
    return texts;
}

// The first line of a list is its header, whose fields are the columns.
std::size_t Columns(const ListBox& list)
{
    return list.Count() > 0 ? ListColumnCount(list.Line(0).toStdString()) : 0;
}

} // namespace

ListExport::ListExport(ListBox* list, const QString& controlName, QString csvFileName,
                       const RegionalFormat& format, Guard guard)
    : QObject(list)
    , m_list(list)
    , m_csvFileName(std::move(csvFileName))
    , m_format(format)
    , m_controlName(controlName.toLatin1())
    , m_guard(std::move(guard))
{
    QListView* view = list->View();
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->installEventFilter(this);
    m_menu = new ContextMenu(
        view, controlName + QStringLiteral("Menu"),
        [this](QMenu& menu) {
            menu.addAction(WithShortcutText(QStringLiteral("&Copy"), QKeySequence::Copy), this,
                           [this] { Run("_Copy", &ListExport::Copy); })
                ->setObjectName(QStringLiteral("copy"));
            menu.addAction(QStringLiteral("Copy &All"), this,
                           [this] { Run("_CopyAll", &ListExport::CopyAll); })
                ->setObjectName(QStringLiteral("copyAll"));
            menu.addSeparator();
            menu.addAction(QStringLiteral("&Save as CSV…"), this,
                           [this] { Run("_SaveAsCsv", &ListExport::SaveAsCsv); })
                ->setObjectName(QStringLiteral("saveAsCsv"));
        },
        [this](QMenu& menu) {
            const bool lines = m_list->Count() > 0;
            const bool selected = m_list->View()->selectionModel()->hasSelection();
            menu.findChild<QAction*>(QStringLiteral("copy"))->setEnabled(selected);
            menu.findChild<QAction*>(QStringLiteral("copyAll"))->setEnabled(lines);
            menu.findChild<QAction*>(QStringLiteral("saveAsCsv"))->setEnabled(lines);
        });
}

QMenu* ListExport::Menu() const
{
    return m_menu->Menu();
}

bool ListExport::eventFilter(QObject* watched, QEvent* event)
{
    // Before the view, whose own Ctrl+C copies only the current line.
    if (watched == m_list->View() && event->type() == QEvent::KeyPress &&
        IsCopyKey(*static_cast<QKeyEvent*>(event))) {
        Run("_Copy", &ListExport::Copy);
        return true;
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
    CopyLines(SelectedLines());
}

void ListExport::CopyAll()
{
    CopyLines(m_list->Lines());
}

void ListExport::CopyLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    const std::string text = TabSeparatedRows(ToStd(lines), Columns(*m_list));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void ListExport::SaveAsCsv()
{
    if (m_list->Count() == 0)
        return;
    const QString title = QStringLiteral("Save as CSV");
    const QString path =
        CurrentServices().SaveFileName(title, SuggestedSavePath(m_csvFileName),
                                       QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const std::string csv = CsvRecords(ToStd(m_list->Lines()), Columns(*m_list), m_format);
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
    return QStringLiteral("The file \"%1\" could not be saved: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace vexmoor::platform
