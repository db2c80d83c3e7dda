#pragma once

#include "ExPreformattedPrinter.h"
#include "FieldList.h"

#include <QObject>
#include <QString>
#include <functional>
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
    // The paper editor on the descriptor; true (and the descriptor changed) when confirmed.
    virtual bool EditPaper(TPaperInfo& paper) = 0;
    // A one-line text input with its caption and prompt, text preset; true when confirmed.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& text) = 0;
    // An information box.
    virtual void Information(const QString& text) = 0;
    // The printer dialog: the user picks the printer of the next job; false when cancelled.
    virtual bool SelectPrinter() = 0;
    // A print preview of what draw prints, from which the user may still print it.
    virtual void Preview(const std::function<void()>& draw) = 0;
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
// The About box's text: the title with the version, an empty line, author, site and e-mail.
QString AboutText();
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
    // Commands on the document itself: the paper, the form name, the calibration pages and About.
    void FilePaper();
    void FileFormName();
    void FilePrintTest();
    void FilePrintGrid();
    // The same pages in a print preview.
    void FilePreviewTest();
    void FilePreviewGrid();
    void About();

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
    // The same before a test page, with the command states following the document's new list.
    void CopyRowsToDocumentForPrint();

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
