// A list shown as a table in a window of its own: the figures of the moment it was opened (its
// title says when), a header row, every column wide enough for its widest cell, numbers
// right-aligned, and a totals row held in view under the rows. Copy, Copy All and Save as CSV…
// work as on the list; Print… and Save as PDF… make the report of the same figures. The table
// is a model over the list's lines, splitting a line into cells only when a cell is asked for,
// so that tens of thousands of lines open at once.
#pragma once

#include "common/core/number_text.h"
#include "platform/export/list_export.h"
#include "platform/export/report.h"

#include <QWidget>

class QTableView;

namespace vexmoor::platform {

class ContextMenu;
class ListTable;

class TableWindow : public QWidget
{
    Q_OBJECT
public:
    // A window of `owner` (closed with it) that deletes itself when closed. `controlName` names
    // the window (controlName + "Table"), its menu and its guarded procedures; `csvFileName` is
    // what Save as CSV… suggests.
    TableWindow(ReportSource source, const QString& controlName, QString csvFileName,
                const RegionalFormat& format, ListExport::Guard guard, QWidget* owner);

    QTableView* Table() const { return m_table; }
    // The totals row under the table; null for a list without one.
    QTableView* Totals() const { return m_totals; }

    void Copy();
    void CopyAll();
    void SaveAsCsv();
    void Print();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Run(const char* suffix, void (TableWindow::*command)());
    void SizeToContents(const ListTable& table, int rows);

    ReportSource m_source;
    QString m_csvFileName;
    RegionalFormat m_format;
    QByteArray m_name;
    ListExport::Guard m_guard;
    QTableView* m_table;
    QTableView* m_totals = nullptr;
    ContextMenu* m_menu;
};

} // namespace vexmoor::platform
