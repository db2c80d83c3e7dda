#include "Classes.h"
#include "ExPreformattedPrinter.h"
#include "LayoutBytes.h"

#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace sw;
namespace tb = testbytes;

namespace {
struct LayoutFile : ::testing::Test {
    QTemporaryDir dir;
    // A document that already holds something, to see what a failed load leaves.
    TExSlatewright doc;
    void SetUp() override {
        doc.SetFormName(QStringLiteral("Antes"));
        doc.SetPaperSizeProperty(5);
        TExPrinterField f = ZeroField();
        f.Name.assign(QStringLiteral("Anterior"));
        doc.AddField(f);
    }
    QString path(const char* name, const QByteArray& bytes) {
        return tb::write(dir, QString::fromLatin1(name), bytes);
    }
    QString loadError(const QString& p) {
        try {
            doc.LoadFromFile(p);
        } catch (const Exception& e) {
            return e.message();
        }
        return QStringLiteral("<no error>");
    }
};
} // namespace

TEST_F(LayoutFile, LoadsHeaderAndRecordsInFileOrder) {
    const QString p = path("ok.swl", tb::header(2, "Boleto", 9 | 0x8000, 21, 29.7) +
                                         tb::record("Nome", 2, 3) + tb::record("Valor"));
    doc.LoadFromFile(p);
    EXPECT_EQ(doc.FileName, p);
    EXPECT_EQ(doc.FormName(), QStringLiteral("Boleto"));
    EXPECT_EQ(doc.PaperSize(), 9 | 0x8000);
    EXPECT_EQ(doc.PaperWidth(), 21.0);
    EXPECT_EQ(doc.PaperHeight(), 29.7);
    ASSERT_EQ(doc.FieldCount(), 2);
    TExPrinterField f;
    doc.GetField(0, f);
    EXPECT_EQ(f.Name.bytes(), QByteArray("Nome"));
    EXPECT_EQ(f.HorzAlignment, 2);
    EXPECT_EQ(f.VertAlignment, 3);
    EXPECT_EQ(f.Left, 1.5);
    EXPECT_EQ(f.FontColor, 0x00FF0000);
    doc.GetField(1, f);
    EXPECT_EQ(f.Name.bytes(), QByteArray("Valor"));
}

TEST_F(LayoutFile, SaveWritesExactlyTheBytesThatWereRead) {
    // Bytes of no meaning too: a record travels as a whole block.
    QByteArray bytes = tb::header(7, "Nota", 0, 10.5, 20) + tb::record("A") + tb::record("B");
    bytes[21] = 'z';
    bytes[80 + 31] = 'q';
    bytes[80 + 121] = 'r';
    const QString in = path("in.swl", bytes);
    doc.LoadFromFile(in);
    EXPECT_EQ(doc.Version(), 7); // versions above 2 are read like 2 and kept
    const QString out = dir.filePath(QStringLiteral("out.swl"));
    doc.SaveToFile(out);
    EXPECT_EQ(tb::read(out), bytes);
    EXPECT_EQ(doc.FileName, in); // saving does not change the document's file name
}

TEST_F(LayoutFile, NewDocumentRoundTrips) {
    TExSlatewright fresh;
    fresh.SetFormName(QStringLiteral("Cheque"));
    TExPrinterField f = ZeroField();
    for (const char* n : {"Z", "a", "M"}) {
        f.Name.assign(QString::fromLatin1(n));
        fresh.AddField(f);
    }
    const QString p = dir.filePath(QStringLiteral("new.swl"));
    fresh.SaveToFile(p);
    EXPECT_EQ(tb::read(p).size(), 80 + 3 * 128);
    doc.LoadFromFile(p);
    EXPECT_EQ(doc.Version(), 2);
    EXPECT_EQ(doc.FormName(), QStringLiteral("Cheque"));
    EXPECT_EQ(doc.PaperSize(), 1);
    ASSERT_EQ(doc.FieldCount(), 3);
    doc.GetField(2, f);
    EXPECT_EQ(f.Name.bytes(), QByteArray("M"));
}

TEST_F(LayoutFile, HeaderOnlyFileIsALayoutWithoutFields) {
    doc.LoadFromFile(path("empty.swl", tb::header()));
    EXPECT_EQ(doc.FieldCount(), 0);
    EXPECT_EQ(doc.FormName(), QStringLiteral("Nota"));
}

TEST_F(LayoutFile, Version1IsConvertedForGood) {
    const QString p = path("v1.swl", tb::header(1) + tb::record("Campo", 0, 2));
    doc.LoadFromFile(p);
    EXPECT_EQ(doc.Version(), 2);
    TExPrinterField f;
    doc.GetField(0, f);
    EXPECT_EQ(f.HorzAlignment, 1);
    EXPECT_EQ(f.VertAlignment, 3);
    const QString out = dir.filePath(QStringLiteral("v2.swl"));
    doc.SaveToFile(out);
    const QByteArray saved = tb::read(out);
    EXPECT_EQ(qFromLittleEndian<quint16>(saved.constData() + 22), 2);
    EXPECT_EQ(saved[80 + 72], 1);
    EXPECT_EQ(saved[80 + 73], 3);
}

// Every row of the failed-load table: the message, and what the document keeps.
TEST_F(LayoutFile, FailedLoadsLeaveTheDocumentAsDocumented) {
    QByteArray longName = tb::record("X");
    longName[0] = 31;
    QByteArray longFont = tb::record("X");
    longFont[76] = static_cast<char>(200);
    QByteArray longForm = tb::header();
    longForm[24] = 31;
    struct Case {
        const char* file;
        QByteArray bytes;
        const char* message; // %1 is the path
        bool fieldsKept;
    };
    const Case cases[] = {
        {"short.swl", tb::header().left(79), "Stream read error", true},
        {"lower.swl", tb::header(2, "", 1, 0, 0, "qzslatewright"),
         "ExSlatewright - Arquivo inválido: %1", true},
        {"len12.swl", tb::header(2, "", 1, 0, 0, "QZSlatewrigh"),
         "ExSlatewright - Arquivo inválido: %1", true},
        {"v0.swl", tb::header(0), "ExSlatewright - Versão inválida: 0", true},
        {"form31.swl", longForm, "ExSlatewright - Arquivo inválido: %1", true},
        {"tail.swl", tb::header() + tb::record("A") + QByteArray(50, 'x'), "Stream read error",
         false},
        {"bad.swl", tb::header() + tb::record("A") + tb::record("1a"),
         "ExSlatewright - Nome de campo inválido: 1a", false},
        {"dup.swl", tb::header() + tb::record("Total") + tb::record("TOTAL"),
         "ExSlatewright - Já existe um campo com este nome: TOTAL", false},
        {"name31.swl", tb::header() + longName, "ExSlatewright - Arquivo inválido: %1", false},
        {"font200.swl", tb::header() + longFont, "ExSlatewright - Arquivo inválido: %1", false},
    };
    for (const Case& c : cases) {
        doc.ClearFields();
        TExPrinterField f = ZeroField();
        f.Name.assign(QStringLiteral("Anterior"));
        doc.AddField(f);
        const QString p = path(c.file, c.bytes);
        EXPECT_EQ(loadError(p), QString::fromUtf8(c.message).replace(QStringLiteral("%1"), p))
            << c.file;
        EXPECT_EQ(doc.FieldCount(), c.fieldsKept ? 1 : 0) << c.file;
        EXPECT_EQ(doc.FormName(), QStringLiteral("Antes")) << c.file;
        EXPECT_EQ(doc.PaperSize(), 5) << c.file;
        EXPECT_EQ(doc.FileName, p) << c.file;
    }
    const QString missing = dir.filePath(QStringLiteral("missing.swl"));
    EXPECT_EQ(loadError(missing), QStringLiteral("Unable to open file \"%1\"").arg(missing));
    EXPECT_EQ(doc.FieldCount(), 0);
    EXPECT_EQ(doc.FileName, missing);
}

TEST_F(LayoutFile, SavingOverALongerFileLeavesExactlyTheLayout) {
    const QString p = path("long.swl", QByteArray(5000, 'x'));
    doc.SaveToFile(p);
    EXPECT_EQ(tb::read(p).size(), 80 + 128);
}

TEST_F(LayoutFile, AFailedSaveKeepsThePreviousFile) {
    const QByteArray before = tb::header() + tb::record("Velho");
    const QString p = path("keep.swl", before);
    for (int i = 0; i < 100; ++i) {
        TExPrinterField f = ZeroField();
        f.Name.assign(QStringLiteral("F%1").arg(i));
        doc.AddField(f);
    }
    // Limit the size a file may grow to, so the write fails part way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    try {
        doc.SaveToFile(p);
    } catch (const EWriteError& e) {
        error = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(error, QStringLiteral("Stream write error"));
    EXPECT_EQ(tb::read(p), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left behind

    // A file that cannot be created at all: its folder is a plain file.
    const QString blocked = p + QStringLiteral("/inner.swl");
    try {
        doc.SaveToFile(blocked);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to open file \"%1\"").arg(blocked));
    }
}
