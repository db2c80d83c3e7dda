#include "FieldList.h"

#include "NumberFormat.h"
#include "umainTexts.h"

#include <QSet>

namespace sw {

namespace {
struct Column {
    const char* caption;
    int width;
    Qt::Alignment alignment;
};
const Column columns[TFieldListModel::ColumnCount] = {
    {"Nome", 120, Qt::AlignLeft},      {"Tamanho", 60, Qt::AlignRight},
    {"Esquerda", 60, Qt::AlignRight},  {"Superior", 60, Qt::AlignRight},
    {"Largura", 60, Qt::AlignRight},   {"Altura", 60, Qt::AlignRight},
    {"Horizontal", 60, Qt::AlignLeft}, {"Vertical", 60, Qt::AlignLeft},
    {"Fonte", 80, Qt::AlignLeft},      {"Tamanho", 50, Qt::AlignRight},
    {"Estilo", 50, Qt::AlignLeft},     {"Imprimir?", 50, Qt::AlignLeft},
};

QString horzText(uint8_t a) {
    switch (a) {
    case haLeft:
        return QStringLiteral("Esquerda");
    case haCenter:
        return QStringLiteral("Centro");
    case haRight:
        return QStringLiteral("Direita");
    default:
        return QString();
    }
}

QString vertText(uint8_t a) {
    switch (a) {
    case vaTop:
        return QStringLiteral("Topo");
    case vaCenter:
        return QStringLiteral("Centro");
    case vaBottom:
        return QString::fromUtf8("Rodapé");
    default:
        return QString();
    }
}

QString styleText(uint32_t style) {
    QString s;
    if (style & fsBold)
        s += QLatin1Char('N');
    if (style & fsItalic)
        s += QLatin1Char('I');
    if (style & fsUnderline)
        s += QLatin1Char('S');
    if (style & fsStrikeOut)
        s += QLatin1Char('R');
    return s;
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

QString FormatMeasure(double value) {
    return FormatFloat(umain::sFmtCm.text(), static_cast<long double>(value));
}

QStringList FieldRowTexts(const TExPrinterField& f) {
    return {f.Name.toString(),         QString::number(f.Size),
            FormatMeasure(f.Left),     FormatMeasure(f.Top),
            FormatMeasure(f.Width),    FormatMeasure(f.Height),
            horzText(f.HorzAlignment), vertText(f.VertAlignment),
            f.FontName.toString(),     QString::number(f.FontSize),
            styleText(f.FontStyle),    f.Print ? QStringLiteral("Sim") : QString::fromUtf8("Não")};
}

QString TFieldListModel::ColumnCaption(int column) {
    return QString::fromUtf8(columns[column].caption);
}

int TFieldListModel::ColumnWidth(int column) {
    return columns[column].width;
}

Qt::Alignment TFieldListModel::ColumnAlignment(int column) {
    return columns[column].alignment;
}

TFieldListModel::TFieldListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TFieldListModel::AddFieldRow(const TExPrinterField& field, int position) {
    const int row = position < 0 || position > Count() ? Count() : position;
    beginInsertRows(QModelIndex(), row, row);
    m_records.insert(m_records.begin() + row, field);
    m_texts.insert(m_texts.begin() + row, QStringList());
    // The selection stays on its row, which moves down when a row comes before it.
    if (m_selected >= row)
        ++m_selected;
    endInsertRows();
    FillFieldRow(field, row);
}

void TFieldListModel::FillFieldRow(const TExPrinterField& field, int row) {
    m_texts.at(static_cast<size_t>(row)) = FieldRowTexts(field);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void TFieldListModel::UpdateFieldRow(const TExPrinterField& field, int row) {
    m_records.at(static_cast<size_t>(row)) = field;
    FillFieldRow(field, row);
}

void TFieldListModel::DeleteFieldRow(int row) {
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_records.erase(m_records.begin() + row);
    m_texts.erase(m_texts.begin() + row);
    const bool lostSelection = m_selected == row;
    if (lostSelection)
        m_selected = -1;
    else if (m_selected > row)
        --m_selected;
    endRemoveRows();
    if (lostSelection)
        emit selectionChanged(-1);
}

void TFieldListModel::Clear() {
    const bool hadSelection = m_selected >= 0;
    beginResetModel();
    m_records.clear();
    m_texts.clear();
    m_selected = -1;
    endResetModel();
    if (hadSelection)
        emit selectionChanged(-1);
}

void TFieldListModel::SelectFieldRow(int row) {
    if (row < 0 || row >= Count())
        return;
    SetSelected(row);
}

void TFieldListModel::SetSelected(int row) {
    if (row < -1 || row >= Count())
        row = -1;
    if (row == m_selected)
        return;
    m_selected = row;
    emit selectionChanged(row);
}

bool TFieldListModel::FieldNameExists(const QString& name) const {
    const QString upper = name.toUpper();
    for (const TExPrinterField& f : m_records)
        if (f.Name.toString().toUpper() == upper)
            return true;
    return false;
}

QString TFieldListModel::MakeUniqueFieldName(const QString& base) const {
    QString stem = base;
    QString digits;
    while (!stem.isEmpty() && isAsciiDigit(stem.back())) {
        digits.prepend(stem.back());
        stem.chop(1);
    }
    // Read as a 32-bit number: digits beyond that range end the command with the
    // invalid-integer error. The largest number itself still has a successor to offer.
    long long n = digits.isEmpty() ? 1 : static_cast<long long>(StrToInt(digits)) + 1;
    // The names once, upper-cased: probing each number against every row would make a new
    // field in a long layout cost the square of its length.
    QSet<QString> taken;
    taken.reserve(Count());
    for (const TExPrinterField& f : m_records)
        taken.insert(f.Name.toString().toUpper());
    while (taken.contains((stem + QString::number(n)).toUpper()))
        ++n;
    return stem + QString::number(n);
}

int TFieldListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TFieldListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TFieldListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count() || index.column() >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return Texts(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(index.column()) | Qt::AlignVCenter);
    return QVariant();
}

QVariant TFieldListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return ColumnCaption(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(section) | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags TFieldListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren;
}

Qt::DropActions TFieldListModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

} // namespace sw
