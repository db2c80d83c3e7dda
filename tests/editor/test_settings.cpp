#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(Settings, FirstRunGivesTheDesignValuesAndWritesOnlyMainAndFile) {
    QTemporaryDir dir;
    const QString beside = dir.filePath(QStringLiteral("SWEditor.ini"));
    TSettings s(beside, dir.filePath(QStringLiteral("user/SWEditor.ini")));
    TWindowSettings design;
    design.Dir = QStringLiteral("/opt/sw/");
    const TWindowSettings v = ReadWindowSettings(s, design);
    EXPECT_EQ(v.Left, 509);
    EXPECT_EQ(v.Top, 161);
    EXPECT_EQ(v.Width, 670);
    EXPECT_EQ(v.Height, 410);
    EXPECT_EQ(v.Dir, QStringLiteral("/opt/sw/"));
    EXPECT_EQ(v.ToolBar2Left, 180);
    EXPECT_FALSE(QFile::exists(beside));
    WriteWindowSettings(s, v);
    EXPECT_EQ(
        readFile(beside),
        QByteArray("[Main]\nLeft=509\nTop=161\nWidth=670\nHeight=410\n[File]\nDir=/opt/sw/\n"));
}

TEST(Settings, AWordKeepsTheCurrentValueAndAnEmptyDirStaysEmpty) {
    QTemporaryDir dir;
    const QString beside = dir.filePath(QStringLiteral("SWEditor.ini"));
    writeFile(beside, "[main]\nLEFT=10\nwidth=wide\ntop=-20\n[FILE]\ndir=\n[toolbar2]\nleft=7\n");
    TSettings s(beside, QString());
    TWindowSettings current;
    current.Dir = QStringLiteral("/exe/");
    const TWindowSettings v = ReadWindowSettings(s, current);
    EXPECT_EQ(v.Left, 10);
    EXPECT_EQ(v.Top, -20);
    EXPECT_EQ(v.Width, 670);
    EXPECT_EQ(v.Dir, QString());
    EXPECT_EQ(v.ToolBar2Left, 7);
    // The next close writes the actual width back, under the key as the file spells it.
    TWindowSettings closing = v;
    closing.Width = 800;
    WriteWindowSettings(s, closing);
    const QByteArray text = readFile(beside);
    EXPECT_TRUE(text.contains("width=800\n")) << text.constData();
    EXPECT_TRUE(text.contains("dir=\n")) << text.constData();
    EXPECT_TRUE(text.contains("[toolbar2]\nleft=7\n")) << text.constData();
}

TEST(Settings, AProgramFolderThatCannotBeWrittenSendsThemToTheUserFolder) {
    QTemporaryDir dir;
    // The program's folder is a regular file here: nothing can be created under it.
    const QString blocker = dir.filePath(QStringLiteral("readonly"));
    writeFile(blocker, "x");
    const QString beside = blocker + QStringLiteral("/SWEditor.ini");
    const QString user = dir.filePath(QStringLiteral("config/Slatewright/SWEditor.ini"));
    {
        TSettings s(beside, user);
        TWindowSettings v;
        v.Left = 42;
        v.Dir = QStringLiteral("/data/");
        WriteWindowSettings(s, v); // does not throw, reports nothing
        EXPECT_EQ(s.FileName(), user);
    }
    EXPECT_TRUE(readFile(user).startsWith("[Main]\nLeft=42\n"));
    // The next run reads the user's copy first.
    TSettings next(beside, user);
    EXPECT_EQ(ReadWindowSettings(next, TWindowSettings{}).Left, 42);
    EXPECT_EQ(ReadWindowSettings(next, TWindowSettings{}).Dir, QStringLiteral("/data/"));
}

TEST(Settings, NothingWritableAnywhereStillLetsTheWindowClose) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("f"));
    writeFile(blocker, "x");
    TSettings s(blocker + QStringLiteral("/a.ini"), blocker + QStringLiteral("/b.ini"));
    EXPECT_NO_THROW(WriteWindowSettings(s, TWindowSettings{}));
    // The values stay readable for the rest of the run.
    EXPECT_EQ(s.ReadInteger(QStringLiteral("Main"), QStringLiteral("Left"), 0), 509);
}

TEST(Settings, TheSharedObjectOpensOnFirstUseAndAgainAfterRelease) {
    QTemporaryDir dir;
    const QString beside = dir.filePath(QStringLiteral("SWEditor.ini"));
    SetSettingsFileNames(beside, QString());
    GetSettings().WriteInteger(QStringLiteral("MeasureEditor"), QStringLiteral("Unit"), 1);
    EXPECT_EQ(&GetSettings(), &GetSettings());
    ReleaseSettings();
    EXPECT_EQ(GetSettings().ReadInteger(QStringLiteral("measureeditor"), QStringLiteral("unit"), 0),
              1);
    SetSettingsFileNames(QString(), QString());
    EXPECT_TRUE(ProgramSettingsFileName().endsWith(QStringLiteral("/editor_tests.ini")));
}
