#include "IniFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sw;

namespace {
QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(IniFile, SectionsAndKeysIgnoreCaseAndValuesArePlain) {
    QTemporaryDir dir;
    TIniFile ini(writeFile(dir,
                           "; comment\r\n[MAIN]\r\nleft = 12\r\nWIDTH=abc\r\nDir=C:\\x\\ \"q\"\r\n"
                           "left=99\r\n[file]\r\ndir=\r\n"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("main"), QStringLiteral("LEFT"), 0), 12);
    // A word, a missing key and a missing section give the default.
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("Width"), 670), 670);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("Top"), 161), 161);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Nope"), QStringLiteral("Top"), 7), 7);
    // No quoting and no escapes: the text stands as written.
    EXPECT_EQ(ini.ReadString(QStringLiteral("main"), QStringLiteral("dir"), QString()),
              QStringLiteral("C:\\x\\ \"q\""));
    // Present but empty is a value, not a missing key.
    EXPECT_EQ(ini.ReadString(QStringLiteral("File"), QStringLiteral("Dir"), QStringLiteral("d")),
              QString());
}

TEST(IniFile, IntegersAre32BitDecimal) {
    TIniFile ini{QString()};
    struct Case {
        const char* text;
        int expected;
    } cases[] = {{"0", 0},           {"-5", -5},   {" 42 ", 42}, {"2147483647", 2147483647},
                 {"2147483648", -1}, {"0x10", -1}, {"1.5", -1},  {"", -1}};
    for (const Case& c : cases) {
        ini.LoadFromText(QStringLiteral("[s]\nk=") + QString::fromUtf8(c.text) + QLatin1Char('\n'));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("s"), QStringLiteral("k"), -1), c.expected)
            << c.text;
    }
}

TEST(IniFile, WritesKeepOtherLinesAndGoToDiskOnlyOnUpdate) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "; keep me\n[Main]\nLeft=1\n\n[Other]\nx=y\n");
    TIniFile ini(path);
    ini.WriteInteger(QStringLiteral("MAIN"), QStringLiteral("left"), 5);
    ini.WriteInteger(QStringLiteral("Main"), QStringLiteral("Top"), 6);
    ini.WriteString(QStringLiteral("File"), QStringLiteral("Dir"), QStringLiteral("a\nb"));
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(readFile(path), QByteArray("; keep me\n[Main]\nLeft=1\n\n[Other]\nx=y\n"));
    ASSERT_TRUE(ini.UpdateFile());
    // The key keeps the spelling it had; the new key lands in its section; a line break in a
    // value cannot start a line of its own.
    EXPECT_EQ(readFile(path),
              QByteArray("; keep me\n[Main]\nLeft=5\nTop=6\n\n[Other]\nx=y\n[File]\nDir=a b\n"));
    TIniFile again(path);
    EXPECT_EQ(again.Sections(), (QStringList{QStringLiteral("Main"), QStringLiteral("Other"),
                                             QStringLiteral("File")}));
    EXPECT_EQ(again.ReadInteger(QStringLiteral("main"), QStringLiteral("TOP"), 0), 6);
}

TEST(IniFile, AFileThatCannotBeWrittenReportsIt) {
    QTemporaryDir dir;
    const QString plain = writeFile(dir, "not a folder");
    // A path under a regular file can never be created, not even by root.
    TIniFile ini(plain + QStringLiteral("/sub/t.ini"));
    EXPECT_TRUE(ini.Sections().isEmpty());
    ini.WriteInteger(QStringLiteral("Main"), QStringLiteral("Left"), 1);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_TRUE(ini.Modified());
    const QString other = dir.filePath(QStringLiteral("deeper/other.ini"));
    ASSERT_TRUE(ini.SaveAs(other));
    EXPECT_EQ(ini.FileName(), other);
    EXPECT_EQ(readFile(other), QByteArray("[Main]\nLeft=1\n"));
}

TEST(IniFile, WritingBackAndReadingAgainGivesTheSameFile) {
    // Stray carriage returns, a repeated key, an empty section name, text before any section.
    TIniFile ini{QString()};
    ini.LoadFromText(QStringLiteral("top\r\n; c\r\r\n[a]\r\nx = 1\r\nx=2\r\n=y\r\n[]\r\nk=v"));
    const QString once = ini.ToText();
    EXPECT_EQ(once, QStringLiteral("top\n; c\n[a]\nx=1\nx=2\n=y\n[]\nk=v\n"));
    TIniFile again{QString()};
    again.LoadFromText(once);
    EXPECT_EQ(again.ToText(), once);
    EXPECT_EQ(again.ReadString(QStringLiteral("A"), QStringLiteral("X"), QString()),
              QStringLiteral("1"));
}
