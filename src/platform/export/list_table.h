// A list's lines seen as a table, for the table window and the printed report: the header's
// fields are the columns, every further line is a row split into its cells when it is asked
// for, and a last line with fewer fields is the totals row (the loan schedule's). The lines are
// an implicitly shared copy: taking them costs nothing, however long the list.
#pragma once

#include <QString>
#include <QStringList>

namespace vexmoor::platform {

class ListTable
{
public:
    ListTable() = default;
    // `lines`: the header first, then the rows.
    explicit ListTable(QStringList lines);

    const QStringList& Lines() const { return m_lines; }
    int Columns() const { return m_columns; }
    // The rows after the header, the totals row included.
    int Rows() const { return m_lines.isEmpty() ? 0 : static_cast<int>(m_lines.size()) - 1; }
    bool HasTotals() const { return m_hasTotals; }
    QStringList Header() const;
    // Row `row` (from 0) as its cells, padded at the front to every column.
    QStringList Row(int row) const;
    // For each column, the cell (or header) with the most characters: the one to size the
    // column by, since every cell is a number or a label in one font.
    QStringList WidestCells() const;

private:
    QStringList m_lines;
    int m_columns = 0;
    bool m_hasTotals = false;
};

// A list line split into its cells, padded at the front to `columns`.
QStringList SplitLine(const QString& line, int columns);

} // namespace vexmoor::platform
