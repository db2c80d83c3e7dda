// The main window's document rules, driven through scripted answers.
#include "EditorTestSupport.h"
#include "umainTexts.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;
using namespace edtest;

namespace {
const QString Version = QStringLiteral("1.5.0.2");
const QString BaseCaption = QStringLiteral("Slatewright Editor 1.5.0.2");

class MainLogic : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Script script;
    TMainLogic logic{script};

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    // A layout file with the named fields, made by the engine.
    QString layout(const char* name, const QStringList& fields) const {
        TExSlatewright doc;
        doc.SetFormName(QStringLiteral("Nota"));
        for (const QString& f : fields)
            doc.AddField(Field(f));
        doc.SaveToFile(path(name));
        return path(name);
    }
    static QByteArray bytes(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void TearDown() override { EXPECT_TRUE(script.done()); }
};
} // namespace

TEST_F(MainLogic, StartsUnnamedAndUnchanged) {
    logic.FormShow(QString());
    EXPECT_EQ(FileVersionText(), Version);
    EXPECT_EQ(logic.Caption(), BaseCaption);
    EXPECT_TRUE(logic.FileName().isEmpty());
    EXPECT_FALSE(logic.Modified());
    EXPECT_EQ(logic.Rows().Count(), 0);
    TCommandStates expected;
    expected.Save = true; // unnamed: Save is on, everything that needs a row or a field is off
    EXPECT_EQ(logic.CommandStates(), expected);
    EXPECT_TRUE(logic.FormCloseQuery()); // no question
}

TEST_F(MainLogic, DocumentStatesAndTransitions) {
    const QString a = layout("a.swl", {QStringLiteral("A"), QStringLiteral("B")});
    // unnamed, unchanged -> named, unchanged (load)
    logic.LoadLayout(a);
    EXPECT_EQ(logic.FileName(), a);
    EXPECT_FALSE(logic.Modified());
    EXPECT_FALSE(logic.CommandStates().Save);
    EXPECT_EQ(logic.Rows().Selected(), 0);
    EXPECT_EQ(logic.Caption(), BaseCaption + QStringLiteral(" - ") + a);
    EXPECT_EQ(logic.LastDir(), dir.path() + QLatin1Char('/'));
    // -> named, changed (a field command)
    script.edits.push_back(Accept());
    logic.FieldNew();
    EXPECT_TRUE(logic.Modified());
    EXPECT_TRUE(logic.CommandStates().Save);
    // -> named, unchanged (save: no dialog, the folder stays)
    logic.SetLastDir(QStringLiteral("/elsewhere/"));
    logic.FileSave();
    EXPECT_FALSE(logic.Modified());
    EXPECT_EQ(logic.LastDir(), QStringLiteral("/elsewhere/"));
    TExSlatewright check;
    check.LoadFromFile(a);
    EXPECT_EQ(check.FieldCount(), 3);
    EXPECT_EQ(check.FormName(), QStringLiteral("Nota"));
    // -> unnamed, changed (New on an unchanged layout asks nothing)
    logic.FileNew();
    EXPECT_TRUE(logic.FileName().isEmpty());
    EXPECT_TRUE(logic.Modified());
    EXPECT_EQ(logic.Rows().Count(), 0);
    EXPECT_EQ(logic.Caption(), BaseCaption);
    // ... and closing right after asks.
    script.confirms.push_back(false);
    EXPECT_TRUE(logic.FormCloseQuery());
    EXPECT_EQ(script.questions, QStringList{QString::fromUtf8("Salvar as alterações atuais?")});
}

TEST_F(MainLogic, AskSaveChangesWithEveryAnswer) {
    const QString a = layout("a.swl", {QStringLiteral("A")});
    const QByteArray before = bytes(a);
    auto modifiedNamed = [&] {
        logic.LoadLayout(a);
        logic.SetModified(true);
    };
    // No: go on without saving.
    modifiedNamed();
    script.confirms.push_back(false);
    EXPECT_TRUE(logic.AskSaveChanges());
    EXPECT_TRUE(logic.Modified());
    // Yes on a named layout: saved in place, no dialog.
    script.edits.push_back(Accept());
    logic.FieldNew();
    script.confirms.push_back(true);
    EXPECT_TRUE(logic.AskSaveChanges());
    EXPECT_FALSE(logic.Modified());
    EXPECT_NE(bytes(a), before);
    // Yes on an unnamed layout: the save dialog; a name saves and goes on.
    logic.FileNew();
    script.confirms.push_back(true);
    script.saves.push_back(path("new.swl"));
    EXPECT_TRUE(logic.AskSaveChanges());
    EXPECT_TRUE(QFile::exists(path("new.swl")));
    EXPECT_EQ(logic.FileName(), path("new.swl"));
    // Yes, then Cancel in the save dialog: the calling command stops and nothing is lost.
    logic.FileNew();
    script.edits.push_back(Accept());
    logic.FieldNew();
    script.confirms.push_back(true);
    script.saves.push_back(QString());
    EXPECT_FALSE(logic.AskSaveChanges());
    EXPECT_TRUE(logic.Modified());
    EXPECT_EQ(logic.Rows().Count(), 1);
}

TEST_F(MainLogic, YesThenCancelStopsNewOpenAndClose) {
    script.edits.push_back(Accept());
    logic.FieldNew();
    // New keeps the rows.
    script.confirms.push_back(true);
    script.saves.push_back(QString());
    logic.FileNew();
    EXPECT_EQ(logic.Rows().Count(), 1);
    // Open shows no dialog (the script has no open answer queued).
    script.confirms.push_back(true);
    script.saves.push_back(QString());
    logic.FileOpen();
    EXPECT_TRUE(script.openDirs.isEmpty());
    // Closing keeps the window open.
    script.confirms.push_back(true);
    script.saves.push_back(QString());
    EXPECT_FALSE(logic.FormCloseQuery());
    EXPECT_TRUE(logic.Modified());
}

TEST_F(MainLogic, OpenAnsweredYesThenCancelledSavesAndChangesNothingElse) {
    const QString a = layout("a.swl", {QStringLiteral("A")});
    logic.LoadLayout(a);
    script.edits.push_back(Accept());
    logic.FieldNew();
    script.confirms.push_back(true);
    script.opens.push_back(QString());
    logic.FileOpen();
    EXPECT_EQ(script.openDirs, QStringList{dir.path() + QLatin1Char('/')});
    EXPECT_FALSE(logic.Modified());
    EXPECT_EQ(logic.FileName(), a);
    TExSlatewright check;
    check.LoadFromFile(a);
    EXPECT_EQ(check.FieldCount(), 2);
}

TEST_F(MainLogic, AFailedSaveInsideTheQuestionStopsTheCommand) {
    script.edits.push_back(Accept());
    logic.FieldNew();
    script.edits.push_back(Rename(QStringLiteral("campo1"))); // same name but for the case
    logic.FieldNew();
    script.confirms.push_back(true);
    script.saves.push_back(path("dup.swl"));
    EXPECT_THROW(logic.FileNew(), EExPrinterError);
    EXPECT_EQ(logic.Rows().Count(), 2);
    EXPECT_FALSE(QFile::exists(path("dup.swl")));
    EXPECT_TRUE(logic.FileName().isEmpty());
    script.confirms.push_back(true);
    script.saves.push_back(path("dup.swl"));
    EXPECT_THROW(logic.FormCloseQuery(), EExPrinterError);
}

TEST_F(MainLogic, AFailedLoadLeavesTheWindowAsItWas) {
    const QString a = layout("a.swl", {QStringLiteral("A"), QStringLiteral("B")});
    logic.LoadLayout(a);
    logic.Rows().SelectFieldRow(1);
    logic.SetModified(true);
    EXPECT_TRUE(logic.CommandStates().PrintTest);
    QFile bad(path("bad.swl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(80, 'x'));
    bad.close();
    const char* missing = "missing/none.swl";
    for (const QString& p : {path("bad.swl"), path(missing)}) {
        EXPECT_THROW(logic.LoadLayout(p), Exception) << p.toStdString();
        EXPECT_EQ(RowNames(logic), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        EXPECT_EQ(logic.Rows().Selected(), 1);
        EXPECT_EQ(logic.FileName(), a);
        EXPECT_EQ(logic.Caption(), BaseCaption + QStringLiteral(" - ") + a);
        EXPECT_EQ(logic.LastDir(), dir.path() + QLatin1Char('/'));
        EXPECT_TRUE(logic.Modified());
        // The document lost its fields, so test printing waits for the next load or save.
        EXPECT_FALSE(logic.CommandStates().PrintTest);
    }
}

TEST_F(MainLogic, ASaveThatBreaksANameRuleWritesNothing) {
    const QString a = layout("a.swl", {QStringLiteral("A")});
    logic.LoadLayout(a);
    const QByteArray before = bytes(a);
    script.edits.push_back(Rename(QStringLiteral("a"))); // only the case differs
    logic.FieldNew();
    EXPECT_THROW(logic.FileSave(), EExPrinterError);
    EXPECT_EQ(bytes(a), before);
    EXPECT_TRUE(logic.Modified());
    EXPECT_EQ(logic.FileName(), a);
    script.edits.push_back(Rename(QStringLiteral("1a")));
    logic.Rows().SelectFieldRow(1);
    logic.FieldEdit();
    try {
        logic.FileSave();
        ADD_FAILURE() << "no error";
    } catch (const EExPrinterError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8("ExSlatewright - Nome de campo inválido: 1a"));
    }
    EXPECT_EQ(bytes(a), before);
}

TEST_F(MainLogic, SaveAsMovesTheFolderAndPresetsTheName) {
    const QString a = layout("a.swl", {QStringLiteral("A")});
    logic.LoadLayout(a);
    QDir(dir.path()).mkdir(QStringLiteral("other"));
    script.saves.push_back(path("other/b.swl"));
    logic.FileSaveAs();
    EXPECT_EQ(script.saveDirs, QStringList{dir.path() + QLatin1Char('/')});
    EXPECT_EQ(script.savePresets, QStringList{a});
    EXPECT_EQ(logic.FileName(), path("other/b.swl"));
    EXPECT_EQ(logic.LastDir(), path("other/"));
    // Cancelling Save As changes nothing.
    logic.SetModified(true);
    script.saves.push_back(QString());
    logic.FileSaveAs();
    EXPECT_TRUE(logic.Modified());
    EXPECT_EQ(logic.FileName(), path("other/b.swl"));
}

TEST_F(MainLogic, ARelativeOrBareNameStaysAsTyped) {
    const QString a = layout("bare.swl", {QStringLiteral("A")});
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QFile::copy(a, path("sub/rel.swl"));
    logic.SetLastDir(QStringLiteral("/start/"));
    logic.FormShow(QStringLiteral("bare.swl"));
    EXPECT_EQ(logic.Caption(), BaseCaption + QStringLiteral(" - bare.swl"));
    EXPECT_EQ(logic.LastDir(), QString());
    logic.LoadLayout(QStringLiteral("sub/rel.swl"));
    EXPECT_EQ(logic.Caption(), BaseCaption + QStringLiteral(" - sub/rel.swl"));
    EXPECT_EQ(logic.LastDir(), QStringLiteral("sub/"));
    QDir::setCurrent(cwd);
    EXPECT_EQ(ExtractFilePath(QStringLiteral("/a/b/c.swl")), QStringLiteral("/a/b/"));
    EXPECT_EQ(ExtractFilePath(QStringLiteral("/c.swl")), QStringLiteral("/"));
}

TEST_F(MainLogic, AFailedStartFileLeavesTheEmptyLayout) {
    EXPECT_THROW(logic.FormShow(path("none.swl")), Exception);
    EXPECT_EQ(logic.Caption(), BaseCaption);
    EXPECT_TRUE(logic.FileName().isEmpty());
    EXPECT_TRUE(logic.CommandStates().Save);
}

TEST_F(MainLogic, TestPrintCountsTheDocumentsFieldsNotTheRows) {
    QSignalSpy spy(&logic, &TMainLogic::commandsChanged);
    // Rows added to a new layout: still off until saved.
    script.edits.push_back(Accept());
    logic.FieldNew();
    EXPECT_FALSE(logic.CommandStates().PrintTest);
    script.saves.push_back(path("p.swl"));
    logic.FileSave();
    EXPECT_TRUE(logic.CommandStates().PrintTest);
    // After New the document still holds its fields: on with no rows.
    logic.FileNew();
    EXPECT_EQ(logic.Rows().Count(), 0);
    EXPECT_TRUE(logic.CommandStates().PrintTest);
    EXPECT_GT(spy.count(), 0);
    // No document at all after the window closed.
    logic.FormClose();
    EXPECT_EQ(logic.Document(), nullptr);
    EXPECT_FALSE(logic.CommandStates().PrintTest);
}

TEST_F(MainLogic, NewKeepsTheDocumentsFormNameAndPaper) {
    const QString a = layout("a.swl", {QStringLiteral("A")});
    logic.LoadLayout(a);
    logic.Document()->SetFormName(QStringLiteral("Boleto"));
    logic.Document()->SetPaperSizeProperty(9 | LandscapeBit);
    logic.SetModified(true);
    script.confirms.push_back(false);
    logic.FileNew();
    script.saves.push_back(path("n.swl"));
    logic.FileSave();
    TExSlatewright check;
    check.LoadFromFile(path("n.swl"));
    EXPECT_EQ(check.FormName(), QStringLiteral("Boleto"));
    EXPECT_EQ(check.PaperSize(), 9 | LandscapeBit);
    EXPECT_EQ(check.FieldCount(), 0);
}
