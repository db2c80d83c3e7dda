#pragma once

#include "ExPrinterRecords.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace sw {

// A length in centimetres as the list and the length edits show it: "0.## cm" in the user's
// decimal separator (2.5 -> "2,5 cm" under a comma).
QString FormatMeasure(double value);
// The twelve texts of a field's row, in column order.
QStringList FieldRowTexts(const TExPrinterField& field);

// The rows of the field list: the working copy of the layout's fields, in field order. Each row
// owns its own copy of a field record and the texts written from it. The model also keeps the
// one selected row, so that the window's rules hold without any view.
class TFieldListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 12;
    // The columns' captions, widths in pixels and alignments.
    static QString ColumnCaption(int column);
    static int ColumnWidth(int column);
    static Qt::Alignment ColumnAlignment(int column);

    explicit TFieldListModel(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(m_records.size()); }
    const TExPrinterField& Record(int row) const { return m_records.at(static_cast<size_t>(row)); }
    const QStringList& Texts(int row) const { return m_texts.at(static_cast<size_t>(row)); }
    // Every row's record, first row to last.
    const std::vector<TExPrinterField>& Records() const { return m_records; }

    // A negative position appends; any other inserts at that index.
    void AddFieldRow(const TExPrinterField& field, int position);
    // Writes the row's texts from the record.
    void FillFieldRow(const TExPrinterField& field, int row);
    // Copies the record into the row's own record, then rewrites its texts.
    void UpdateFieldRow(const TExPrinterField& field, int row);
    void DeleteFieldRow(int row);
    void Clear();

    int Selected() const { return m_selected; }
    // Selects the row when 0 <= row < Count(), else does nothing.
    void SelectFieldRow(int row);
    // The selection as a view reports it (-1 for none).
    void SetSelected(int row);

    // True when a row has the name, letter case ignored.
    bool FieldNameExists(const QString& name) const;
    // The base name's stem (without trailing digits) followed by the first free number from the
    // trailing digits plus one (or 1). Digits beyond 32 bits fail with the invalid-integer error.
    QString MakeUniqueFieldName(const QString& base) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

signals:
    // The selected row changed (-1: none), by a call or because the selected row was deleted.
    void selectionChanged(int row);

private:
    std::vector<TExPrinterField> m_records;
    std::vector<QStringList> m_texts;
    int m_selected = -1;
};

} // namespace sw
