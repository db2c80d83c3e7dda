// The main window's commands on the document: paper, form name, test and grid pages, About.
#include "EditorTestSupport.h"
#include "RecordingPrinter.h"
#include "umainTexts.h"

#include <gtest/gtest.h>

using namespace sw;
using namespace edtest;
using testprint::Op;

namespace {

// A canvas whose text output fails: a field that cannot be printed.
class FailingCanvas : public testprint::RecordingCanvas {
public:
    void TextRect(const QRect&, int, int, const QString&) override {
        throw Exception(QStringLiteral("toner out"));
    }
};
class FailingPrinter : public testprint::RecordingPrinter {
public:
    FailingCanvas failing;
    TExCanvas& Canvas() override { return failing; }
};

class DocumentCommands : public ::testing::Test {
protected:
    testprint::UseRecordingPrinter use;
    testprint::RecordingPrinter& printer = *use.printer;
    Script script;
    TMainLogic logic{script};

    void addRow(const TExPrinterField& f) { logic.Rows().AddFieldRow(f, -1); }
    std::vector<Op> texts() const { return printer.canvas.of(Op::TextRect); }
    void TearDown() override { EXPECT_TRUE(script.done()); }
};

} // namespace

TEST_F(DocumentCommands, PaperGoesInAndComesBackInOrderAndMarksModifiedEvenUnchanged) {
    logic.Document()->SetPaperSizeProperty(0);
    logic.Document()->SetPaperWidth(21);
    logic.Document()->SetPaperHeight(29.7);
    TPaperInfo seen;
    script.papers.push_back([&seen](TPaperInfo& p) {
        seen = p;
        p = TPaperInfo{static_cast<uint16_t>(9 | LandscapeBit), 0, 0};
        return true;
    });
    logic.FilePaper();
    EXPECT_EQ(seen.PaperSize, 0);
    EXPECT_EQ(seen.PaperWidth, 21);
    EXPECT_EQ(seen.PaperHeight, 29.7);
    EXPECT_EQ(logic.Document()->PaperSize(), 9 | LandscapeBit);
    EXPECT_EQ(logic.Document()->PaperWidth(), 0);
    EXPECT_TRUE(logic.Modified());

    logic.SetModified(false);
    script.papers.push_back([](TPaperInfo&) { return false; }); // cancelled
    logic.FilePaper();
    EXPECT_FALSE(logic.Modified());
    script.papers.push_back([](TPaperInfo&) { return true; }); // confirmed unchanged
    logic.FilePaper();
    EXPECT_TRUE(logic.Modified());
    EXPECT_TRUE(logic.CommandStates().Save);
}

TEST_F(DocumentCommands, FormNameIsAskedWithItsCaptionAndKeptAtThirtyBytes) {
    logic.Document()->SetFormName(QStringLiteral("Nota"));
    QString preset;
    script.inputs.push_back([&preset](QString& t) {
        preset = t;
        t = QString(29, QLatin1Char('x')) + QString::fromUtf8("çã"); // 33 bytes
        return true;
    });
    logic.FileFormName();
    EXPECT_EQ(preset, QStringLiteral("Nota"));
    EXPECT_EQ(script.inputCaptions, QStringList{QString::fromUtf8("Nome do formulário")});
    // The cut drops the character it would split.
    EXPECT_EQ(logic.Document()->FormName(), QString(29, QLatin1Char('x')));
    EXPECT_TRUE(logic.Modified());

    logic.SetModified(false);
    script.inputs.push_back([](QString& t) {
        t = QStringLiteral("ignored");
        return false;
    });
    logic.FileFormName();
    EXPECT_EQ(logic.Document()->FormName(), QString(29, QLatin1Char('x')));
    EXPECT_FALSE(logic.Modified());
}

TEST_F(DocumentCommands, TestPagePrintsEachPrintedFieldsNameFramedAndTheDocumentFollowsTheRows) {
    TExPrinterField total = Field(QStringLiteral("Total"), 1);
    total.Size = 3;
    total.Width = 3;
    total.Height = 1;
    TExPrinterField hidden = Field(QStringLiteral("Oculto"), 5);
    hidden.Print = 0;
    addRow(total);
    addRow(hidden);
    addRow(Field(QStringLiteral("Cidade"), 8));
    EXPECT_FALSE(logic.CommandStates().PrintTest); // the document has no fields yet

    script.printers.push_back(true);
    logic.FilePrintTest();
    EXPECT_EQ(printer.begins, 1);
    EXPECT_EQ(printer.ends, 1);
    EXPECT_FALSE(Printer().Printing());
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, QStringLiteral("Tot")); // cut to Size bytes
    EXPECT_EQ(t[1].text, QStringLiteral("Cidade"));
    EXPECT_EQ(printer.canvas.of(Op::Rectangle).size(), 2u); // one frame each, none for Oculto
    EXPECT_EQ(logic.Document()->FieldCount(), 3);
    EXPECT_FALSE(logic.Modified());
    EXPECT_TRUE(logic.CommandStates().PrintTest);
}

TEST_F(DocumentCommands, CancelledPrinterDialogPrintsAndCopiesNothing) {
    addRow(Field(QStringLiteral("A")));
    script.printers = {false, false};
    logic.FilePrintTest();
    logic.FilePrintGrid();
    EXPECT_EQ(printer.begins, 0);
    EXPECT_EQ(logic.Document()->FieldCount(), 0);
}

TEST_F(DocumentCommands, RejectedRowEndsTheTestBeforeAnyJobStarts) {
    addRow(Field(QStringLiteral("A")));
    addRow(Field(QStringLiteral("a"))); // the same name for the document
    script.printers.push_back(true);
    EXPECT_THROW(logic.FilePrintTest(), Exception);
    EXPECT_EQ(printer.begins, 0);
    EXPECT_EQ(logic.Document()->FieldCount(), 1); // the rows before the rejected one
    EXPECT_TRUE(logic.CommandStates().PrintTest);
}

TEST_F(DocumentCommands, EmptyTestPageStillOpensAndEndsAJob) {
    logic.Document()->AddField(Field(QStringLiteral("Velho")));
    script.printers.push_back(true);
    logic.FilePrintTest();
    EXPECT_EQ(printer.begins, 1);
    EXPECT_EQ(printer.ends, 1);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(logic.Document()->FieldCount(), 0);
}

TEST_F(DocumentCommands, GridIsPrintedWithoutCopyingRows) {
    addRow(Field(QStringLiteral("A")));
    script.printers.push_back(true);
    logic.FilePrintGrid();
    EXPECT_EQ(printer.begins, 1);
    EXPECT_EQ(printer.ends, 1);
    EXPECT_FALSE(printer.canvas.of(Op::LineTo).empty());
    EXPECT_EQ(logic.Document()->FieldCount(), 0);
    EXPECT_FALSE(logic.Modified());
}

TEST(DocumentCommandsFailing, AFieldThatFailsToPrintStillEndsTheJobAndItsErrorIsReported) {
    auto own = std::make_unique<FailingPrinter>();
    FailingPrinter* printer = own.get();
    auto old = SetPrinter(std::move(own));
    Script script;
    {
        TMainLogic logic{script};
        logic.Rows().AddFieldRow(Field(QStringLiteral("A")), -1);
        script.printers.push_back(true);
        try {
            logic.FilePrintTest();
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.message(), QStringLiteral("toner out"));
        }
        EXPECT_EQ(printer->ends, 1);
        EXPECT_FALSE(Printer().Printing());

        // The next job starts normally: the failure left nothing open.
        script.printers.push_back(true);
        logic.FilePrintGrid();
        EXPECT_EQ(printer->begins, 2);
        EXPECT_EQ(printer->ends, 2);
    }
    SetPrinter(std::move(old));
}

TEST_F(DocumentCommands, FailedBeginEndsTheCommandWithoutEndPrint) {
    printer.failBegin = true;
    script.printers.push_back(true);
    EXPECT_THROW(logic.FilePrintGrid(), Exception);
    EXPECT_EQ(printer.ends, 0);
    EXPECT_FALSE(Printer().Printing());
}

TEST_F(DocumentCommands, PreviewsDrawTheSamePagesWithoutThePrinterDialog) {
    addRow(Field(QStringLiteral("Nome")));
    logic.FilePreviewTest();
    EXPECT_EQ(script.previews, 1);
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].text, QStringLiteral("Nome"));
    EXPECT_EQ(logic.Document()->FieldCount(), 1);
    logic.FilePreviewGrid();
    EXPECT_EQ(script.previews, 2);
    EXPECT_EQ(printer.ends, 2);
    EXPECT_FALSE(logic.Modified());
}

TEST_F(DocumentCommands, AboutShowsTitleVersionThenAuthorSiteAndMailOnALineEach) {
    logic.About();
    ASSERT_EQ(script.informations.size(), 1);
    EXPECT_EQ(script.informations[0], QStringLiteral("Slatewright Editor 1.5.0.2\n\n") +
                                          umain::sAppAuthor.text() + QLatin1Char('\n') +
                                          umain::sAppSite.text() + QLatin1Char('\n') +
                                          umain::sAppEmail.text());
    EXPECT_FALSE(logic.Modified());
}
