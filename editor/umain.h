#pragma once

#include "MainLogic.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QMenu;
class QToolButton;

namespace sw {

class TFieldListView;

// The editor's window: the menu, the two button bars and the field list. The rules live in
// TMainLogic; the window forwards its commands there and shows the state they leave.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // firstArgument: the layout file named on the command line, opened when the window is first
    // shown. dialogs: the answers to ask for (tests); null for the real boxes and dialogs.
    explicit TfrmMain(const QString& firstArgument = QString(), TMainDialogs* dialogs = nullptr,
                      QWidget* parent = nullptr);
    ~TfrmMain() override;

    TMainLogic& Logic() { return *m_logic; }
    TFieldListView* ListView() const { return m_listView; }

    QMenu* mniFile = nullptr;
    QMenu* mniField = nullptr;
    QMenu* mniHelp = nullptr;
    QAction* mniFileNew = nullptr;
    QAction* mniFileOpen = nullptr;
    QAction* mniFileSave = nullptr;
    QAction* mniFileSaveAs = nullptr;
    QAction* mniFileFormName = nullptr;
    QAction* mniFilePaper = nullptr;
    QAction* mniFilePrintTest = nullptr;
    QAction* mniFilePrintGrid = nullptr;
    QAction* mniFilePreviewTest = nullptr;
    QAction* mniFilePreviewGrid = nullptr;
    QAction* mniFileExit = nullptr;
    QAction* mniFieldNew = nullptr;
    QAction* mniFieldEdit = nullptr;
    QAction* mniFieldDelete = nullptr;
    QAction* mniFieldClone = nullptr;
    QAction* mniFieldUp = nullptr;
    QAction* mniFieldDown = nullptr;
    QAction* mniAbout = nullptr;

    QWidget* pnlBotoes = nullptr;
    QWidget* pnlOpcoes = nullptr;
    QWidget* pnlOpcoesField = nullptr;
    QToolButton* btnFileNew = nullptr;
    QToolButton* btnFileOpen = nullptr;
    QToolButton* btnFileSave = nullptr;
    QToolButton* btnFilePrintTest = nullptr;
    QToolButton* btnPaper = nullptr;
    QToolButton* btnFormName = nullptr;
    QToolButton* btnFieldNew = nullptr;
    QToolButton* btnFieldEdit = nullptr;
    QToolButton* btnFieldDelete = nullptr;
    QToolButton* btnFieldClone = nullptr;
    QToolButton* btnFieldUp = nullptr;
    QToolButton* btnFieldDown = nullptr;

public slots:
    void mniFileNewClick();
    void mniFileOpenClick();
    void mniFileSaveClick();
    void mniFileSaveAsClick();
    void mniFileExitClick();
    void mniFieldNewClick();
    void mniFieldEditClick();
    void mniFieldDeleteClick();
    void mniFieldCloneClick();
    void mniFieldUpClick();
    void mniFieldDownClick();
    void mniFilePaperClick();
    void mniFileFormNameClick();
    void mniFilePrintTestClick();
    void mniFilePrintGridClick();
    void mniFilePreviewTestClick();
    void mniFilePreviewGridClick();
    void mniAboutClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createButtons();
    QToolButton* makeButton(QWidget* panel, QAction* action, const char* icon, const char* hint);
    void applyCommands(const TCommandStates& states);
    void readSettings();
    void writeSettings();

    std::unique_ptr<TMainDialogs> m_ownDialogs;
    std::unique_ptr<TMainLogic> m_logic;
    TFieldListView* m_listView = nullptr;
    QString m_firstArgument;
    bool m_shown = false;
    bool m_closed = false;
};

} // namespace sw
