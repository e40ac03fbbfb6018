// Taking a list box's lines away as a table: Ctrl+C (and Ctrl+Insert) copies the selected lines
// as tab-separated rows; the context menu offers Copy, Copy All and Save as CSV…, and for a list
// with a report Show as Table (Ctrl+T), Save as PDF… and Print… (Ctrl+P). The columns and the
// CSV text come from the table core; this side only moves texts between the list, the
// clipboard, the file dialog and the file.
#pragma once

#include "common/core/number_text.h"
#include "platform/export/report.h"

#include <QByteArray>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace vexmoor::platform {

class ContextMenu;
class ListBox;

class ListExport : public QObject
{
    Q_OBJECT
public:
    using Guard = CommandGuard;

    // `controlName` names the menu (controlName + "Menu") and the guarded procedures
    // (controlName + "_Copy", "_CopyAll", "_SaveAsCsv", ...). `csvFileName` is the name the save
    // dialog suggests; `format` is the region whose separators the CSV file takes (read at each
    // save). `report`, when given, makes the page's report source for the table window, the
    // PDF file and the printout.
    ListExport(ListBox* list, const QString& controlName, QString csvFileName,
               const RegionalFormat& format, Guard guard, ReportSourceFunction report = {});

    // The selected lines, in list order; all of them (header included) for CopyAll.
    void Copy();
    void CopyAll();
    void SaveAsCsv();
    // A new table window of the figures as they are now.
    void ShowAsTable();
    void Print();
    QStringList SelectedLines() const;

    // The context menu; null until first opened.
    QMenu* Menu() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the command as the user's, under the guard.
    void Run(const char* suffix, void (ListExport::*command)());

    ListBox* m_list;
    QString m_csvFileName;
    const RegionalFormat& m_format;
    QByteArray m_controlName;
    Guard m_guard;
    ReportSourceFunction m_report;
    ContextMenu* m_menu;
};

// The key of Show as Table.
QKeySequence ShowAsTableKey();

// Puts `lines` on the clipboard as tab-separated rows in the columns of `header`.
void CopyLinesAsRows(const QStringList& lines, const QString& header);

// Save as CSV… of `lines` (header first): the save dialog suggesting `fileName`, the file in the
// region's separators written whole, and a warning when it could not be.
void SaveLinesAsCsv(const QStringList& lines, const QString& fileName,
                    const RegionalFormat& format);

// Writes `bytes` to `path` in one piece: an existing file is replaced only once the new one is
// complete. Returns an empty text, or why the file could not be written.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Where a save dialog proposes `fileName`: the user's documents folder, or the home folder when
// there is none (the dialog would otherwise open wherever the program was started).
QString SuggestedSavePath(const QString& fileName);

// The text of the message for a file that could not be saved.
QString NotSavedMessage(const QString& path, const QString& reason);

} // namespace vexmoor::platform
