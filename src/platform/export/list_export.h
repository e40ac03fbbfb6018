// Taking a list box's lines away as a table: Ctrl+C (and Ctrl+Insert) copies the selected lines
// as tab-separated rows; the context menu offers Copy, Copy All and Save as CSV…. The columns
// and the CSV text come from the table core; this side only moves texts between the list, the
// clipboard, the file dialog and the file.
#pragma once

#include "common/core/number_text.h"

#include <QByteArray>
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
    // Runs a user's command under the window's error guard, with the procedure name to report.
    using Guard = std::function<void(const char* procName, const std::function<void()>& body)>;

    // `controlName` names the menu (controlName + "Menu") and the guarded procedures
    // (controlName + "_Copy", "_CopyAll", "_SaveAsCsv"). `csvFileName` is the name the save dialog
    // suggests; `format` is the region whose separators the CSV file takes (read at each save).
    ListExport(ListBox* list, const QString& controlName, QString csvFileName,
               const RegionalFormat& format, Guard guard);

    // The selected lines, in list order; all of them (header included) for CopyAll.
    void Copy();
    void CopyAll();
    void SaveAsCsv();
    QStringList SelectedLines() const;

    // The context menu; null until first opened.
    QMenu* Menu() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CopyLines(const QStringList& lines);
    // Runs the command as the user's, under the guard.
    void Run(const char* suffix, void (ListExport::*command)());

    ListBox* m_list;
    QString m_csvFileName;
    const RegionalFormat& m_format;
    QByteArray m_controlName;
    Guard m_guard;
    ContextMenu* m_menu;
};

// Writes `bytes` to `path` in one piece: an existing file is replaced only once the new one is
// complete. Returns an empty text, or why the file could not be written.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Where a save dialog proposes `fileName`: the user's documents folder, or the home folder when
// there is none (the dialog would otherwise open wherever the program was started).
QString SuggestedSavePath(const QString& fileName);

// The text of the message for a file that could not be saved.
QString NotSavedMessage(const QString& path, const QString& reason);

} // namespace vexmoor::platform
