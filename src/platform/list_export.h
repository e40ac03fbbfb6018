// Taking a list box's lines away as a table: Ctrl+C (and Ctrl+Insert) copies the selected lines
// as tab-separated rows; the context menu offers Copy, Copy All and Save as CSV…. The columns
// and the CSV text come from the table core; this side only moves texts between the list, the
// clipboard, the file dialog and the file.
#pragma once

#include "common/core/number_text.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace vexmoor::platform {

class ContextMenu;
class ListBox;

class ListExport : public QObject
{
    Q_OBJECT
public:
    // `csvFileName` is the name the save dialog suggests, in the user's documents folder;
    // `format` is the region whose separators the CSV file takes (read at each save).
    ListExport(ListBox* list, QString menuName, QString csvFileName, const RegionalFormat& format);

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

    ListBox* m_list;
    QString m_csvFileName;
    const RegionalFormat& m_format;
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
