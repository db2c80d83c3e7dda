#include "FieldListView.h"

#include "FieldList.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace sw {

TFieldListView::TFieldListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // Our own drop handler moves the row; the view must never remove the dragged row itself.
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

void TFieldListView::SetRows(TFieldListModel* rows) {
    m_rows = rows;
    setModel(rows);
    // The design widths suit a small dialog font; a larger desktop font widens a column just
    // enough to show its caption and its widest usual text unclipped.
    static const char* const samples[TFieldListModel::ColumnCount] = {
        "",         "00000",  "00,00 cm",    "00,00 cm", "00,00 cm", "00,00 cm",
        "Esquerda", "Rodapé", "Courier New", "000",      "NISR",     "Não"};
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics captions = header()->fontMetrics();
    const int pad = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
    for (int c = 0; c < TFieldListModel::ColumnCount; ++c) {
        const int caption = captions.horizontalAdvance(TFieldListModel::ColumnCaption(c)) + pad;
        const int sample = cells.horizontalAdvance(QString::fromUtf8(samples[c])) + pad;
        setColumnWidth(c, std::max({TFieldListModel::ColumnWidth(c), caption, sample}));
    }
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_syncing)
            return;
        const QModelIndexList rowsNow = selectionModel()->selectedRows();
        m_rows->SetSelected(rowsNow.isEmpty() ? -1 : rowsNow.first().row());
    });
    connect(rows, &TFieldListModel::selectionChanged, this, &TFieldListView::showSelected);
    // Rows inserted before the selected one move it; the model keeps its own count of that.
    connect(rows, &QAbstractItemModel::rowsInserted, this,
            [this] { showSelected(m_rows->Selected()); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this,
            [this] { showSelected(m_rows->Selected()); });
    connect(rows, &QAbstractItemModel::modelReset, this,
            [this] { showSelected(m_rows->Selected()); });
}

void TFieldListView::showSelected(int row) {
    m_syncing = true;
    if (row < 0) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = model()->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    }
    m_syncing = false;
}

void TFieldListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeView::dragEnterEvent(event);
}

void TFieldListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeView::dragMoveEvent(event);
    event->accept();
}

void TFieldListView::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    // Report a copy: the drag then leaves the dragged row alone, and the move below is the
    // only change to the rows.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(NoState);
    viewport()->update();
    emit rowDropped(target.isValid() ? target.row() : -1);
}

} // namespace sw
