#pragma once

#include "ExPreformattedPrinter.h"
#include "FieldList.h"

#include <QObject>
#include <QString>
#include <memory>

namespace sw {

// The answers the main window asks of the user. The window gives modal boxes and dialogs; tests
// give scripted answers.
class TMainDialogs {
public:
    virtual ~TMainDialogs() = default;
    // A yes/no question; true for Yes.
    virtual bool Confirm(const QString& question) = 0;
    // A file to open or to save, starting in dir with fileName preset; empty when cancelled.
    virtual QString OpenFileName(const QString& dir, const QString& fileName) = 0;
    virtual QString SaveFileName(const QString& dir, const QString& fileName) = 0;
    // The field editor on the record; true (and the record changed) when confirmed.
    virtual bool EditField(TExPrinterField& field) = 0;
};

// Which commands can run now; the rest are always enabled.
struct TCommandStates {
    bool Save = false;
    bool FieldEdit = false;
    bool FieldDelete = false;
    bool FieldClone = false;
    bool FieldUp = false;
    bool FieldDown = false;
    bool PrintTest = false;
    bool operator==(const TCommandStates&) const = default;
};

// The program's version, as the caption and the About box show it.
QString FileVersionText();
// The folder part of a path with its final separator, or empty when it has none.
QString ExtractFilePath(const QString& path);

// The main window's rules, without any widget: the one layout document, its file name, the
// folder of the file dialogs, the modified flag and the rows of the field list. Every command of
// the window is a call here; the window shows the state that these calls leave.
class TMainLogic : public QObject {
    Q_OBJECT
public:
    // The creation of the window: the document, the flag, an empty unnamed layout.
    explicit TMainLogic(TMainDialogs& dialogs, QObject* parent = nullptr);
    ~TMainLogic() override;

    TExSlatewright* Document() const { return FDocument.get(); }
    TFieldListModel& Rows() { return FRows; }
    const TFieldListModel& Rows() const { return FRows; }
    const QString& FileName() const { return FFileName; }
    const QString& LastDir() const { return FLastDir; }
    void SetLastDir(const QString& dir) { FLastDir = dir; }
    bool Modified() const { return FModified; }
    const QString& Caption() const { return FCaption; }
    const TCommandStates& CommandStates() const { return FCommands; }

    // Window events.
    void FormShow(const QString& firstArgument);
    // Offers to save; false keeps the window open.
    bool FormCloseQuery();
    // Releases the document; nothing runs after this.
    void FormClose();
    void SelectionChanged(int row);

    // Document commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();

    // Field commands.
    void FieldNew();
    void FieldEdit();
    void FieldDelete();
    void FieldClone();
    void FieldUp();
    void FieldDown();
    // A row dragged in the list and dropped on the row at target (-1: no row there).
    void DragDrop(int target);
    void MoveFieldRow(int source, int target);

    // Operations the commands are made of.
    void SetFileName(const QString& fileName);
    void SetModified(bool value);
    void UpdateCommands();
    // Offers to save a modified layout; false when the user cancelled the save dialog, and the
    // calling command must stop.
    bool AskSaveChanges();
    bool NewLayout();
    void LoadLayout(const QString& fileName);
    void SaveLayout(const QString& fileName);
    bool SaveLayoutAs();
    // The document's field list := the rows, in row order.
    void CopyRowsToDocument();

signals:
    void captionChanged(const QString& caption);
    void commandsChanged(const TCommandStates& states);

private:
    TMainDialogs& FDialogs;
    std::unique_ptr<TExSlatewright> FDocument;
    TFieldListModel FRows;
    QString FFileName;
    QString FLastDir;
    bool FModified = false;
    QString FCaption;
    TCommandStates FCommands;
};

} // namespace sw
