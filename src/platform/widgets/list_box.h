// A list box of text lines, one row per line, for the analysis table and the loan schedule.
// Lines are appended one by one as they are made; a list of tens of thousands of lines fills and
// paints in a few milliseconds (a list model with uniform row sizes, told of new rows in one batch
// when the event loop next runs, so always before the list is painted). Count, Line and Lines
// include every line at once; the view's model catches up at that batch, or at Flush. The
// horizontal extent is the scrollable width in pixels: lines wider than the view scroll sideways,
// and a line wider than the extent is never cut off (the extent is the least scrollable width).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListView;

namespace vexmoor::platform {

class ListBoxModel;

class ListBox : public QObject
{
    Q_OBJECT
public:
    // Takes over `view`: sets its model, a fixed-pitch font and uniform row sizes.
    explicit ListBox(QListView* view);

    void Clear();
    void Append(const QString& line);
    // Hands the lines appended so far to the view now rather than when the event loop next runs.
    void Flush();
    int Count() const;
    QString Line(int row) const;
    QStringList Lines() const;
    void SetHorizontalExtent(int pixels);
    int HorizontalExtent() const;

    QListView* View() const { return m_view; }

private:
    void UpdateMetrics();
    void EnsureMetrics();

    QListView* m_view;
    ListBoxModel* m_model;
    bool m_metricsReady = false;
};

} // namespace vexmoor::platform
