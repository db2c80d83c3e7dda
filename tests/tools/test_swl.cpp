#include "ExPreformattedPrinter.h"
#include "LayoutBytes.h"
#include "Swl.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tb = testbytes;

namespace {
struct SwlRun {
    int status;
    QString out;
    QString err;
};

SwlRun swl(const QStringList& args) {
    SwlRun r{};
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    sw::swl::Io io{out, err};
    r.status = sw::swl::Run(args, io);
    out.flush();
    err.flush();
    return r;
}
} // namespace

TEST(Swl, DumpThenBuildReproducesLayoutsByteForByte) {
    QTemporaryDir dir;
    QByteArray odd = tb::record("Odd", 0, 7, 1.0 / 3.0, -0.1, 65535);
    odd[120] = 5; // print is the stored byte, not a boolean
    const QByteArray layouts[] = {
        tb::header(),
        tb::header(2, "Nota fiscal", 9 | 0x8000, 0, 0) + tb::record("Nome") +
            tb::record("Valor", 3, 2),
        tb::header(7, "Cheque", 0, 17.5, 8.123456789012345) + odd,
        tb::header(2, QString::fromUtf8("Ação é").toUtf8(), 1, 0, 0),
    };
    int i = 0;
    for (const QByteArray& bytes : layouts) {
        const QString in = tb::write(dir, QStringLiteral("in%1.swl").arg(i), bytes);
        const SwlRun dump = swl({QStringLiteral("dump"), in});
        ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
        const QString json = tb::write(dir, QStringLiteral("l%1.json").arg(i), dump.out.toUtf8());
        const QString out = dir.filePath(QStringLiteral("out%1.swl").arg(i));
        const SwlRun build = swl({QStringLiteral("build"), json, out});
        ASSERT_EQ(build.status, 0) << build.err.toStdString();
        EXPECT_EQ(tb::read(out), bytes) << i;
        ++i;
    }
}

TEST(Swl, DumpWritesEveryMemberAsANumberOrText) {
    QTemporaryDir dir;
    const QString in = tb::write(dir, QStringLiteral("a.swl"),
                                 tb::header(2, "F", 0x8009, 0, 0) + tb::record("Nome", 2, 3));
    const SwlRun r = swl({QStringLiteral("dump"), in});
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("signature")).toString(), QStringLiteral("QZSlatewright"));
    EXPECT_EQ(o.value(QStringLiteral("paperSize")).toInt(), 0x8009);
    const QJsonObject f = o.value(QStringLiteral("fields"))[0].toObject();
    EXPECT_EQ(f.value(QStringLiteral("name")).toString(), QStringLiteral("Nome"));
    EXPECT_EQ(f.value(QStringLiteral("left")).toDouble(), 1.5);
    EXPECT_EQ(f.value(QStringLiteral("fontStyle")).toInt(), 3);
    EXPECT_EQ(f.value(QStringLiteral("print")).toInt(), 1);
    EXPECT_EQ(f.keys().size(), 13);
}

TEST(Swl, BuildFillsMissingMembersAndKeepsTheNameRules) {
    QTemporaryDir dir;
    const QString json = tb::write(dir, QStringLiteral("m.json"),
                                   R"({"formName": "X", "fields": [{"name": "Campo1"}]})");
    const QString out = dir.filePath(QStringLiteral("m.swl"));
    ASSERT_EQ(swl({QStringLiteral("build"), json, out}).status, 0);
    sw::TExSlatewright doc;
    doc.LoadFromFile(out);
    EXPECT_EQ(doc.Version(), 2);
    EXPECT_EQ(doc.PaperSize(), 1);
    sw::TExPrinterField f;
    doc.GetField(0, f);
    sw::TExPrinterField zero = sw::ZeroField();
    zero.Name.assign(QStringLiteral("Campo1"));
    EXPECT_EQ(std::memcmp(&f, &zero, sizeof f), 0);

    struct Bad {
        const char* json;
        const char* message;
    };
    const Bad bad[] = {
        {R"({"fields": [{"name": "a"}, {"name": "A"}]})",
         "ExSlatewright - Já existe um campo com este nome: A"},
        {R"({"fields": [{"name": "1a"}]})", "ExSlatewright - Nome de campo inválido: 1a"},
        {R"({"fields": [{"name": "a", "size": 70000}]})",
         "field 1: \"size\" must be a whole number from 0 to 65535"},
        {R"({"fields": [{"name": "a", "left": "x"}]})", "field 1: \"left\" must be a number"},
        {R"({"formName": "1234567890123456789012345678901"})",
         "layout: \"formName\" must be at most 30 bytes of UTF-8"},
        {R"([1])", "the layout must be one JSON object"},
        {R"({"fields": )", "invalid JSON"},
    };
    for (const Bad& b : bad) {
        const QString p = tb::write(dir, QStringLiteral("bad.json"), b.json);
        const SwlRun r = swl({QStringLiteral("build"), p, out});
        EXPECT_EQ(r.status, 1) << b.json;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(b.message))) << r.err.toStdString();
    }
}

TEST(Swl, UsageAndFailures) {
    EXPECT_EQ(swl({}).status, 2);
    EXPECT_EQ(swl({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(swl({QStringLiteral("dump")}).status, 2);
    const SwlRun help = swl({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("dump")));
    const SwlRun verbHelp = swl({QStringLiteral("build"), QStringLiteral("--help")});
    EXPECT_EQ(verbHelp.status, 0);
    EXPECT_TRUE(verbHelp.out.startsWith(QStringLiteral("usage: swl build")));
    const SwlRun missing = swl({QStringLiteral("dump"), QStringLiteral("/nonexistent/x.swl")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, QStringLiteral("Unable to open file \"/nonexistent/x.swl\"\n"));
}
