#include "MainLogic.h"

#include "umainTexts.h"

#include <QDir>

namespace sw {

QString FileVersionText() {
    return QStringLiteral(SW_VERSION_TEXT);
}

QString ExtractFilePath(const QString& path) {
    // Paths from the command line may be typed either way; the dialogs give "/".
    const qsizetype sep = QDir::fromNativeSeparators(path).lastIndexOf(QLatin1Char('/'));
    return sep < 0 ? QString() : path.left(sep + 1);
}

TMainLogic::TMainLogic(TMainDialogs& dialogs, QObject* parent)
    : QObject(parent), FDialogs(dialogs), FDocument(std::make_unique<TExSlatewright>()) {
    connect(&FRows, &TFieldListModel::selectionChanged, this, &TMainLogic::SelectionChanged);
    SetModified(false);
    NewLayout();
}

TMainLogic::~TMainLogic() = default;

void TMainLogic::FormShow(const QString& firstArgument) {
    if (!firstArgument.isEmpty()) {
        try {
            LoadLayout(firstArgument);
        } catch (...) {
            UpdateCommands();
            throw;
        }
    }
    UpdateCommands();
}

bool TMainLogic::FormCloseQuery() {
    return AskSaveChanges();
}

void TMainLogic::FormClose() {
    FDocument.reset();
    UpdateCommands();
}

void TMainLogic::SelectionChanged(int) {
    UpdateCommands();
}

void TMainLogic::FileNew() {
    if (NewLayout())
        SetModified(true);
}

void TMainLogic::FileOpen() {
    if (!AskSaveChanges())
        return;
    const QString fileName = FDialogs.OpenFileName(FLastDir, FFileName);
    if (!fileName.isEmpty())
        LoadLayout(fileName);
}

void TMainLogic::FileSave() {
    if (!FFileName.isEmpty())
        SaveLayout(FFileName);
    else
        SaveLayoutAs();
}

void TMainLogic::FileSaveAs() {
    SaveLayoutAs();
}

void TMainLogic::SetFileName(const QString& fileName) {
    FFileName = fileName;
    FCaption = umain::sAppTitle.text() + QLatin1Char(' ') + FileVersionText();
    if (!FFileName.isEmpty())
        FCaption += QStringLiteral(" - ") + FFileName;
    emit captionChanged(FCaption);
}

void TMainLogic::SetModified(bool value) {
    FModified = value;
    UpdateCommands();
}

void TMainLogic::UpdateCommands() {
    const int sel = FRows.Selected();
    const bool selected = sel >= 0;
    TCommandStates s;
    s.Save = FModified || FFileName.isEmpty();
    s.FieldEdit = s.FieldDelete = s.FieldClone = selected;
    s.FieldUp = selected && sel > 0;
    s.FieldDown = selected && sel < FRows.Count() - 1;
    // Counts the document's own fields, which follow the rows only at load, save and test print.
    s.PrintTest = FDocument && FDocument->FieldCount() > 0;
    FCommands = s;
    emit commandsChanged(FCommands);
}

bool TMainLogic::AskSaveChanges() {
    if (!FModified)
        return true;
    if (!FDialogs.Confirm(umain::sConfSave.text()))
        return true; // No: go on, and let the changes go
    if (!FFileName.isEmpty()) {
        SaveLayout(FFileName);
        return true;
    }
    // Cancelling the save dialog after answering Yes cancels the calling command too: going on
    // would drop the very changes the user asked to keep.
    return SaveLayoutAs();
}

bool TMainLogic::NewLayout() {
    if (!AskSaveChanges())
        return false;
    FRows.Clear();
    SetFileName(QString());
    return true;
}

void TMainLogic::LoadLayout(const QString& fileName) {
    try {
        FDocument->ClearFields();
        FDocument->LoadFromFile(fileName);
        FRows.Clear();
        TExPrinterField field;
        for (int i = 0; i < FDocument->FieldCount(); ++i) {
            FDocument->GetField(i, field);
            FRows.AddFieldRow(field, -1);
        }
        FRows.SelectFieldRow(0);
    } catch (...) {
        UpdateCommands();
        throw;
    }
    UpdateCommands();
    SetFileName(fileName);
    FLastDir = ExtractFilePath(fileName);
    SetModified(false);
}

void TMainLogic::CopyRowsToDocument() {
    FDocument->ClearFields();
    for (const TExPrinterField& field : FRows.Records())
        FDocument->AddField(field);
}

void TMainLogic::SaveLayout(const QString& fileName) {
    try {
        CopyRowsToDocument();
        FDocument->SaveToFile(fileName);
    } catch (...) {
        UpdateCommands(); // the document's field list may have changed on the way
        throw;
    }
    SetFileName(fileName);
    SetModified(false);
}

bool TMainLogic::SaveLayoutAs() {
    const QString fileName = FDialogs.SaveFileName(FLastDir, FFileName);
    if (fileName.isEmpty())
        return false;
    SaveLayout(fileName);
    FLastDir = ExtractFilePath(fileName);
    return true;
}

} // namespace sw
