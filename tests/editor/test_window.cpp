// The real window, offscreen, driven through its menu, its shortcuts and its list.
#include "EditorTestSupport.h"
#include "ExApplication.h"
#include "ExDialogs.h"
#include "FieldListView.h"
#include "Settings.h"
#include "umain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace sw;
using namespace edtest;

namespace {
class Window : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Script script;
    QStringList prompts;
    std::unique_ptr<TfrmMain> w;

    void SetUp() override {
        SetSettingsFileNames(dir.filePath(QStringLiteral("SWEditor.ini")),
                             dir.filePath(QStringLiteral("user.ini")));
        SetErrorPromptFunction([this](const QString&, const QString& text) {
            prompts << text;
            return TModalResult::mrOk;
        });
        InstallErrorPrompt();
    }
    void TearDown() override {
        w.reset();
        SetErrorPromptFunction({});
        TExApplication::SetExceptionHandler({});
        SetSettingsFileNames(QString(), QString());
        EXPECT_TRUE(script.done());
    }
    void open(const QString& arg = QString()) {
        w = std::make_unique<TfrmMain>(arg, &script);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(w->ListView(), static_cast<Qt::Key>(k), mods);
    }
    int viewRow() const {
        const auto rows = w->ListView()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    QString names() const { return RowNames(w->Logic()).join(QLatin1Char(' ')); }
    QByteArray settingsText() const {
        QFile f(dir.filePath(QStringLiteral("SWEditor.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
} // namespace

TEST_F(Window, LooksAsDesignedAtStart) {
    open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Slatewright Editor 1.5.0.2"));
    EXPECT_EQ(w->size(), QSize(670, 410));
    EXPECT_EQ(w->pos(), QPoint(509, 161));
    // No settings yet: the file dialogs start in the program's folder.
    EXPECT_EQ(w->Logic().LastDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(w->ListView()->model()->columnCount(), 12);
    EXPECT_EQ(w->ListView()->columnWidth(0), 120);
    EXPECT_TRUE(w->mniFileSave->isEnabled());
    EXPECT_FALSE(w->mniFilePrintTest->isEnabled());
    EXPECT_FALSE(w->btnFieldEdit->isEnabled());
    EXPECT_TRUE(w->btnFieldNew->isEnabled());
    EXPECT_EQ(w->mniFieldClone->text(), QStringLiteral("&Clonar"));
    EXPECT_EQ(w->mniFieldClone->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    const QToolButton* buttons[] = {w->btnFileNew,       w->btnFileOpen,  w->btnFileSave,
                                    w->btnFilePrintTest, w->btnPaper,     w->btnFormName,
                                    w->btnFieldNew,      w->btnFieldEdit, w->btnFieldDelete,
                                    w->btnFieldClone,    w->btnFieldUp,   w->btnFieldDown};
    for (const QToolButton* b : buttons) {
        EXPECT_EQ(b->size(), QSize(30, 30));
        EXPECT_FALSE(b->icon().pixmap(22, QIcon::Normal).isNull()) << b->toolTip().toStdString();
    }
    EXPECT_EQ(w->btnFieldClone->toolTip(), QStringLiteral("Clonar campo"));
    EXPECT_EQ(w->btnFormName->toolTip(), QString::fromUtf8("Nome do formulário"));
    EXPECT_GE(w->btnFieldNew->x() + w->pnlOpcoesField->x(), 180);
}

TEST_F(Window, ShortcutsAndMenuRunTheCommands) {
    open();
    // Insert: a new field, selected in the view.
    script.edits.push_back(Accept());
    key(Qt::Key_Insert);
    script.edits.push_back(Accept());
    key(Qt::Key_Insert);
    EXPECT_EQ(names(), QStringLiteral("Campo1 Campo2"));
    EXPECT_EQ(viewRow(), 1);
    EXPECT_FALSE(w->mniFieldDown->isEnabled());
    // Ctrl+Up moves it; Ctrl+Down on the last row does nothing.
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringLiteral("Campo2 Campo1"));
    EXPECT_EQ(viewRow(), 0);
    // Enter edits, Ctrl+Insert clones, Delete deletes after the question.
    script.edits.push_back(Rename(QStringLiteral("Total")));
    key(Qt::Key_Return);
    script.edits.push_back(Accept());
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringLiteral("Total Campo1 Total1"));
    EXPECT_EQ(viewRow(), 2);
    script.confirms.push_back(true);
    key(Qt::Key_Delete);
    EXPECT_EQ(names(), QStringLiteral("Total Campo1"));
    EXPECT_EQ(viewRow(), 1);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringLiteral("Total Campo1"));
    // Ctrl+S: the save dialog, then a named and unchanged layout.
    const QString file = dir.filePath(QStringLiteral("a.swl"));
    script.saves.push_back(file);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Slatewright Editor 1.5.0.2 - ") + file);
    EXPECT_FALSE(w->mniFileSave->isEnabled());
    EXPECT_TRUE(w->btnFilePrintTest->isEnabled());
    // Ctrl+N asks nothing on an unchanged layout; Ctrl+O opens the file again.
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w->Logic().Rows().Count(), 0);
    EXPECT_EQ(viewRow(), -1);
    script.confirms.push_back(false);
    script.opens.push_back(file);
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringLiteral("Total Campo1"));
    EXPECT_EQ(viewRow(), 0);
    // A click selects in the logic too; a double click edits.
    const QRect r1 = w->ListView()->visualRect(w->ListView()->model()->index(1, 2));
    QTest::mouseClick(w->ListView()->viewport(), Qt::LeftButton, {}, r1.center());
    EXPECT_EQ(w->Logic().Rows().Selected(), 1);
    EXPECT_FALSE(w->btnFieldDown->isEnabled());
    script.edits.push_back(Rename(QStringLiteral("Outro")));
    QTest::mouseDClick(w->ListView()->viewport(), Qt::LeftButton, {}, r1.center());
    EXPECT_EQ(names(), QStringLiteral("Total Outro"));
    // Sair asks about the change, and the window closes and writes its settings.
    script.confirms.push_back(false);
    w->mniFileExit->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->Logic().Document(), nullptr);
    const QByteArray ini = settingsText();
    EXPECT_TRUE(ini.startsWith("[Main]\nLeft=")) << ini.constData();
    EXPECT_TRUE(ini.contains("\nWidth=670\nHeight=410\n[File]\nDir=")) << ini.constData();
    EXPECT_FALSE(ini.contains("ToolBar"));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(Window, AFailedSaveOnClosingKeepsTheWindowOpen) {
    open();
    script.edits.push_back(Accept());
    key(Qt::Key_Insert);
    script.edits.push_back(Rename(QStringLiteral("CAMPO1")));
    key(Qt::Key_Insert);
    script.confirms.push_back(true);
    script.saves.push_back(dir.filePath(QStringLiteral("dup.swl")));
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].startsWith(
        QString::fromUtf8("ExSlatewright - Já existe um campo com este nome: CAMPO1.\n\n")));
    EXPECT_TRUE(settingsText().isEmpty());
    // Yes, then Cancel: still open.
    script.confirms.push_back(true);
    script.saves.push_back(QString());
    EXPECT_FALSE(w->close());
    // No: closes.
    script.confirms.push_back(false);
    EXPECT_TRUE(w->close());
}

TEST_F(Window, SettingsAndTheStartFileAreRead) {
    QFile ini(dir.filePath(QStringLiteral("SWEditor.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[MAIN]\nleft=20\ntop=30\nwidth=700\nheight=word\n[file]\ndir=/data/\n");
    ini.close();
    TExSlatewright doc;
    doc.AddField(Field(QStringLiteral("Um")));
    const QString file = dir.filePath(QStringLiteral("start.swl"));
    doc.SaveToFile(file);
    open(file);
    EXPECT_EQ(w->pos(), QPoint(20, 30));
    EXPECT_EQ(w->size(), QSize(700, 410));
    EXPECT_EQ(names(), QStringLiteral("Um"));
    EXPECT_EQ(viewRow(), 0);
    EXPECT_EQ(w->Logic().LastDir(), dir.path() + QLatin1Char('/'));
    // A start file that fails is reported, and the window shows the empty layout.
    w.reset();
    open(dir.filePath(QStringLiteral("none.swl")));
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Slatewright Editor 1.5.0.2"));
    EXPECT_EQ(w->Logic().LastDir(), QStringLiteral("/data/"));
}

TEST_F(Window, DropsFromOutsideTheListAreRefused) {
    open();
    for (const char* n : {"A", "B", "C"})
        w->Logic().Rows().AddFieldRow(Field(QString::fromUtf8(n)), -1);
    w->Logic().Rows().SelectFieldRow(0);
    QMimeData mime;
    mime.setText(QStringLiteral("x"));
    const QPoint at = w->ListView()->visualRect(w->ListView()->model()->index(2, 0)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(w->ListView()->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(w->ListView()->viewport(), &drop);
    EXPECT_EQ(names(), QStringLiteral("A B C"));
    // The view's own drop signal moves the selected row onto the target.
    emit w->ListView()->rowDropped(2);
    EXPECT_EQ(names(), QStringLiteral("B C A"));
    EXPECT_EQ(viewRow(), 2);
}

namespace {
// Runs fn on the next modal widget of type T, once it is shown.
template <class T> void OnNextModal(std::function<void(T*)> fn) {
    QTimer::singleShot(0, [fn] {
        for (int i = 0; i < 100; ++i) {
            if (auto* m = qobject_cast<T*>(QApplication::activeModalWidget())) {
                fn(m);
                return;
            }
            QTest::qWait(20);
        }
        ADD_FAILURE() << "no modal " << T::staticMetaObject.className();
    });
}
} // namespace

TEST_F(Window, TheRealSaveDialogAddsTheExtensionAndAsksBeforeReplacing) {
    w = std::make_unique<TfrmMain>(QString());
    w->show();
    w->Logic().SetLastDir(dir.path() + QLatin1Char('/'));
    w->Logic().Rows().AddFieldRow(Field(QStringLiteral("A")), -1);
    QString startDir;
    OnNextModal<QFileDialog>([&](QFileDialog* d) {
        startDir = d->directory().absolutePath();
        d->selectFile(QStringLiteral("novo"));
        static_cast<QDialog*>(d)->accept(); // as the dialog's own button does
    });
    w->mniFileSaveAs->trigger();
    EXPECT_EQ(startDir, dir.path());
    const QString saved = dir.filePath(QStringLiteral("novo.swl"));
    EXPECT_EQ(w->Logic().FileName(), saved);
    ASSERT_TRUE(QFile::exists(saved));
    const QDateTime before = QFileInfo(saved).lastModified();
    // Choosing the same file again: the dialog asks, No keeps it open, then Cancel.
    QString question;
    OnNextModal<QFileDialog>([&](QFileDialog* d) {
        OnNextModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            OnNextModal<QFileDialog>([](QFileDialog* again) { again->reject(); });
        });
        d->selectFile(QStringLiteral("novo.swl"));
        static_cast<QDialog*>(d)->accept(); // as the dialog's own button does
    });
    w->mniFileSaveAs->trigger();
    EXPECT_TRUE(question.contains(QStringLiteral("novo.swl"))) << question.toStdString();
    EXPECT_EQ(QFileInfo(saved).lastModified(), before);
    // The delete question with our button texts.
    w->Logic().Rows().SelectFieldRow(0);
    OnNextModal<QMessageBox>([](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("&Yes"))
                b->click();
    });
    w->mniFieldDelete->trigger();
    EXPECT_EQ(w->Logic().Rows().Count(), 0);
    w->Logic().SetModified(false);
}
