#pragma once

#include <QTreeView>

namespace sw {

class TFieldListModel;

// The field list: a report of the rows, one selected row, no editing in place, never sorted.
// A row is dragged with the mouse and dropped on another row of the same list.
class TFieldListView : public QTreeView {
    Q_OBJECT
public:
    explicit TFieldListView(QWidget* parent = nullptr);

    // Shows the rows and keeps the view's selection and the model's in step both ways.
    void SetRows(TFieldListModel* rows);

signals:
    // A drop from this list on the row at target (-1 when there is no row under the pointer).
    void rowDropped(int target);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showSelected(int row);

    TFieldListModel* m_rows = nullptr;
    bool m_syncing = false;
};

} // namespace sw
