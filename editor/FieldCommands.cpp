// The field commands of the main window: they change the rows only.
#include "MainLogic.h"

#include "umainTexts.h"

namespace sw {

void TMainLogic::FieldNew() {
    TExPrinterField field = ZeroField();
    field.Name.assign(FRows.MakeUniqueFieldName(QStringLiteral("Campo")));
    field.HorzAlignment = haLeft;
    field.VertAlignment = vaTop;
    field.FontName.assign(QStringLiteral("Courier New"));
    field.FontSize = 10;
    field.Print = 1;
    if (!FDialogs.EditField(field))
        return;
    FRows.AddFieldRow(field, -1);
    FRows.SelectFieldRow(FRows.Count() - 1);
    SetModified(true);
}

void TMainLogic::FieldEdit() {
    const int row = FRows.Selected();
    if (row < 0)
        return;
    TExPrinterField field = FRows.Record(row);
    if (!FDialogs.EditField(field))
        return;
    FRows.UpdateFieldRow(field, row);
    SetModified(true);
}

void TMainLogic::FieldDelete() {
    int i = FRows.Selected();
    if (i < 0)
        return;
    if (!FDialogs.Confirm(umain::sConfFieldDelete.text()))
        return;
    FRows.DeleteFieldRow(i);
    SetModified(true);
    while (i >= FRows.Count())
        --i;
    if (i >= 0)
        FRows.SelectFieldRow(i);
}

void TMainLogic::FieldClone() {
    const int row = FRows.Selected();
    if (row < 0)
        return;
    TExPrinterField field = FRows.Record(row);
    field.Name.assign(FRows.MakeUniqueFieldName(field.Name.toString()));
    if (!FDialogs.EditField(field))
        return;
    FRows.AddFieldRow(field, -1);
    FRows.SelectFieldRow(FRows.Count() - 1);
    SetModified(true);
}

void TMainLogic::FieldUp() {
    const int row = FRows.Selected();
    if (row >= 0)
        MoveFieldRow(row, row - 1);
}

void TMainLogic::FieldDown() {
    const int row = FRows.Selected();
    if (row >= 0)
        MoveFieldRow(row, row + 1);
}

void TMainLogic::DragDrop(int target) {
    const int source = FRows.Selected();
    if (source >= 0 && target >= 0)
        MoveFieldRow(source, target);
}

void TMainLogic::MoveFieldRow(int source, int target) {
    const int count = FRows.Count();
    if (source == target || source < 0 || target < 0 || source >= count || target >= count)
        return;
    const TExPrinterField field = FRows.Record(source);
    const int at = source < target ? target + 1 : target;
    FRows.AddFieldRow(field, at);
    FRows.SelectFieldRow(at);
    // The source row moved down by one when the copy went in before it.
    FRows.DeleteFieldRow(source < at ? source : source + 1);
    SetModified(true);
}

} // namespace sw
