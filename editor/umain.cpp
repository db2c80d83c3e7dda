#include "umain.h"

#include "ExDialogs.h"
#include "FieldListView.h"
#include "FileDialogs.h"
#include "PrintDialogs.h"
#include "Settings.h"
#include "uFieldEditor.h"
#include "uPaperEditor.h"
#include "umainTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

namespace {
// The answers of a person: modal boxes and the platform's file dialogs.
class TWindowDialogs : public TMainDialogs {
public:
    explicit TWindowDialogs(QWidget* owner) : m_owner(owner) {}
    bool Confirm(const QString& question) override { return ConfirmDlg(m_owner, question); }
    QString OpenFileName(const QString& dir, const QString& fileName) override {
        return run(QFileDialog::AcceptOpen, dir, fileName);
    }
    QString SaveFileName(const QString& dir, const QString& fileName) override {
        return run(QFileDialog::AcceptSave, dir, fileName);
    }
    bool EditField(TExPrinterField& field) override { return ExecuteFieldEditor(field); }
    bool EditPaper(TPaperInfo& paper) override { return ExecutePaperEditor(paper); }
    bool InputQuery(const QString& caption, const QString& prompt, QString& text) override {
        return ExecuteInputQuery(m_owner, caption, prompt, text);
    }
    void Information(const QString& text) override { InformationDlg(m_owner, text); }
    bool SelectPrinter() override { return ExecutePrintDialog(m_owner); }
    void Preview(const std::function<void()>& draw) override { ExecutePrintPreview(m_owner, draw); }

private:
    QString run(QFileDialog::AcceptMode mode, const QString& dir, const QString& fileName) {
        QFileDialog dialog(m_owner);
        SetupLayoutFileDialog(dialog, mode, dir, fileName);
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        return dialog.selectedFiles().value(0);
    }
    QWidget* m_owner;
};

QAction* addItem(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}
} // namespace

TfrmMain::TfrmMain(const QString& firstArgument, TMainDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), m_firstArgument(firstArgument) {
    setObjectName(QStringLiteral("frmMain"));
    QGuiApplication::setApplicationDisplayName(umain::sAppTitle.text());
    if (!dialogs) {
        m_ownDialogs = std::make_unique<TWindowDialogs>(this);
        dialogs = m_ownDialogs.get();
    }
    createMenu();
    createButtons();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlBotoes);
    m_listView = new TFieldListView(central);
    m_listView->setObjectName(QStringLiteral("ListView"));
    layout->addWidget(m_listView, 1);
    setCentralWidget(central);

    m_logic = std::make_unique<TMainLogic>(*dialogs);
    connect(m_logic.get(), &TMainLogic::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_logic.get(), &TMainLogic::commandsChanged, this, &TfrmMain::applyCommands);
    m_listView->SetRows(&m_logic->Rows());
    connect(m_listView, &TFieldListView::rowDropped, this,
            [this](int target) { m_logic->DragDrop(target); });
    connect(m_listView, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            mniFieldEdit->trigger();
    });
    setWindowTitle(m_logic->Caption());
    applyCommands(m_logic->CommandStates());
    readSettings();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::createMenu() {
    mniFile = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    mniFileNew = addItem(mniFile, "&Novo", QKeySequence(Qt::CTRL | Qt::Key_N));
    mniFileOpen = addItem(mniFile, "&Abrir...", QKeySequence(Qt::CTRL | Qt::Key_O));
    mniFileSave = addItem(mniFile, "&Salvar", QKeySequence(Qt::CTRL | Qt::Key_S));
    mniFileSaveAs = addItem(mniFile, "Salvar &como...");
    mniFile->addSeparator();
    mniFileFormName = addItem(mniFile, "Nome do &formulário...");
    mniFilePaper = addItem(mniFile, "Tamanho do &papel...");
    mniFile->addSeparator();
    mniFilePrintTest = addItem(mniFile, "Imprimir &teste...");
    mniFilePrintGrid = addItem(mniFile, "Imprimir &grade...");
    mniFilePreviewTest = addItem(mniFile, "&Visualizar teste...");
    mniFilePreviewGrid = addItem(mniFile, "Visualizar gra&de...");
    mniFile->addSeparator();
    mniFileExit = addItem(mniFile, "Sai&r");

    mniField = menuBar()->addMenu(QStringLiteral("&Campo"));
    mniFieldNew = addItem(mniField, "&Novo...", QKeySequence(Qt::Key_Insert));
    mniFieldEdit = addItem(mniField, "&Alterar...");
    // Both Enter keys edit the selected field.
    mniFieldEdit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    mniFieldDelete = addItem(mniField, "E&xcluir", QKeySequence(Qt::Key_Delete));
    mniFieldClone = addItem(mniField, "&Clonar", QKeySequence(Qt::CTRL | Qt::Key_Insert));
    mniField->addSeparator();
    mniFieldUp = addItem(mniField, "&Mover para cima", QKeySequence(Qt::CTRL | Qt::Key_Up));
    mniFieldDown = addItem(mniField, "M&over para baixo", QKeySequence(Qt::CTRL | Qt::Key_Down));

    mniHelp = menuBar()->addMenu(QStringLiteral("A&juda"));
    mniAbout = addItem(mniHelp, "&Sobre...");

    const std::pair<QAction*, void (TfrmMain::*)()> handlers[] = {
        {mniFileNew, &TfrmMain::mniFileNewClick},
        {mniFileOpen, &TfrmMain::mniFileOpenClick},
        {mniFileSave, &TfrmMain::mniFileSaveClick},
        {mniFileSaveAs, &TfrmMain::mniFileSaveAsClick},
        {mniFileFormName, &TfrmMain::mniFileFormNameClick},
        {mniFilePaper, &TfrmMain::mniFilePaperClick},
        {mniFilePrintTest, &TfrmMain::mniFilePrintTestClick},
        {mniFilePrintGrid, &TfrmMain::mniFilePrintGridClick},
        {mniFilePreviewTest, &TfrmMain::mniFilePreviewTestClick},
        {mniFilePreviewGrid, &TfrmMain::mniFilePreviewGridClick},
        {mniFileExit, &TfrmMain::mniFileExitClick},
        {mniFieldNew, &TfrmMain::mniFieldNewClick},
        {mniFieldEdit, &TfrmMain::mniFieldEditClick},
        {mniFieldDelete, &TfrmMain::mniFieldDeleteClick},
        {mniFieldClone, &TfrmMain::mniFieldCloneClick},
        {mniFieldUp, &TfrmMain::mniFieldUpClick},
        {mniFieldDown, &TfrmMain::mniFieldDownClick},
        {mniAbout, &TfrmMain::mniAboutClick},
    };
    for (const auto& [action, slot] : handlers)
        connect(action, &QAction::triggered, this, slot);
}

QToolButton* TfrmMain::makeButton(QWidget* panel, QAction* action, const char* icon,
                                  const char* hint) {
    // Picture and hint belong to the action: the button takes both from it on every change.
    action->setIcon(
        QIcon(QStringLiteral(":/icons/") + QLatin1String(icon) + QStringLiteral(".svg")));
    action->setToolTip(QString::fromUtf8(hint));
    auto* b = new QToolButton(panel);
    b->setDefaultAction(action);
    b->setIconSize(QSize(22, 22));
    b->setFixedSize(30, 30);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    panel->layout()->addWidget(b);
    return b;
}

void TfrmMain::createButtons() {
    pnlBotoes = new QWidget(this);
    pnlBotoes->setFixedHeight(30);
    auto* bar = new QHBoxLayout(pnlBotoes);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    pnlOpcoes = new QWidget(pnlBotoes);
    pnlOpcoes->setFixedWidth(180);
    pnlOpcoesField = new QWidget(pnlBotoes);
    for (QWidget* p : {pnlOpcoes, pnlOpcoesField}) {
        auto* l = new QHBoxLayout(p);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
    }
    bar->addWidget(pnlOpcoes);
    bar->addWidget(pnlOpcoesField, 1);

    btnFileNew = makeButton(pnlOpcoes, mniFileNew, "file-new", "Novo arquivo");
    btnFileOpen = makeButton(pnlOpcoes, mniFileOpen, "file-open", "Abrir arquivo");
    btnFileSave = makeButton(pnlOpcoes, mniFileSave, "file-save", "Salvar");
    btnFilePrintTest = makeButton(pnlOpcoes, mniFilePrintTest, "print-test", "Imprimir teste");
    btnPaper = makeButton(pnlOpcoes, mniFilePaper, "paper", "Tamanho do papel");
    btnFormName = makeButton(pnlOpcoes, mniFileFormName, "form-name", "Nome do formulário");
    btnFieldNew = makeButton(pnlOpcoesField, mniFieldNew, "field-new", "Novo campo");
    btnFieldEdit = makeButton(pnlOpcoesField, mniFieldEdit, "field-edit", "Alterar campo");
    btnFieldDelete = makeButton(pnlOpcoesField, mniFieldDelete, "field-delete", "Excluir campo");
    btnFieldClone = makeButton(pnlOpcoesField, mniFieldClone, "field-clone", "Clonar campo");
    btnFieldUp = makeButton(pnlOpcoesField, mniFieldUp, "field-up", "Mover para cima");
    btnFieldDown = makeButton(pnlOpcoesField, mniFieldDown, "field-down", "Mover para baixo");
    static_cast<QHBoxLayout*>(pnlOpcoesField->layout())->addStretch(1);
}

void TfrmMain::applyCommands(const TCommandStates& s) {
    mniFileSave->setEnabled(s.Save);
    mniFieldEdit->setEnabled(s.FieldEdit);
    mniFieldDelete->setEnabled(s.FieldDelete);
    mniFieldClone->setEnabled(s.FieldClone);
    mniFieldUp->setEnabled(s.FieldUp);
    mniFieldDown->setEnabled(s.FieldDown);
    mniFilePrintTest->setEnabled(s.PrintTest);
    mniFilePreviewTest->setEnabled(s.PrintTest);
}

void TfrmMain::readSettings() {
    TWindowSettings current; // the design values
    current.Dir = ExtractFilePath(QCoreApplication::applicationFilePath());
    const TWindowSettings v = ReadWindowSettings(GetSettings(), current);
    move(v.Left, v.Top);
    resize(v.Width, v.Height);
    m_logic->SetLastDir(v.Dir);
    // The bars are laid out side by side; their stored places only matter to that layout.
    pnlOpcoes->move(v.ToolBar1Left, v.ToolBar1Top);
    pnlOpcoesField->move(v.ToolBar2Left, v.ToolBar2Top);
}

void TfrmMain::writeSettings() {
    TWindowSettings v;
    v.Left = x();
    v.Top = y();
    v.Width = width();
    v.Height = height();
    v.Dir = m_logic->LastDir();
    WriteWindowSettings(GetSettings(), v);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_listView->setFocus();
    m_logic->FormShow(m_firstArgument);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // Stays open unless everything below succeeds: a failed save leaves the window open.
    event->ignore();
    if (m_closed) {
        event->accept();
        return;
    }
    if (!m_logic->FormCloseQuery())
        return;
    m_closed = true;
    event->accept();
    m_logic->FormClose();
    writeSettings();
}

void TfrmMain::mniFileNewClick() {
    m_logic->FileNew();
}
void TfrmMain::mniFileOpenClick() {
    m_logic->FileOpen();
}
void TfrmMain::mniFileSaveClick() {
    m_logic->FileSave();
}
void TfrmMain::mniFileSaveAsClick() {
    m_logic->FileSaveAs();
}
void TfrmMain::mniFileExitClick() {
    close();
}
void TfrmMain::mniFieldNewClick() {
    m_logic->FieldNew();
}
void TfrmMain::mniFieldEditClick() {
    m_logic->FieldEdit();
}
void TfrmMain::mniFieldDeleteClick() {
    m_logic->FieldDelete();
}
void TfrmMain::mniFieldCloneClick() {
    m_logic->FieldClone();
}
void TfrmMain::mniFieldUpClick() {
    m_logic->FieldUp();
}
void TfrmMain::mniFieldDownClick() {
    m_logic->FieldDown();
}
void TfrmMain::mniFilePaperClick() {
    m_logic->FilePaper();
}
void TfrmMain::mniFileFormNameClick() {
    m_logic->FileFormName();
}
void TfrmMain::mniFilePrintTestClick() {
    m_logic->FilePrintTest();
}
void TfrmMain::mniFilePrintGridClick() {
    m_logic->FilePrintGrid();
}
void TfrmMain::mniFilePreviewTestClick() {
    m_logic->FilePreviewTest();
}
void TfrmMain::mniFilePreviewGridClick() {
    m_logic->FilePreviewGrid();
}
void TfrmMain::mniAboutClick() {
    m_logic->About();
}

} // namespace sw
