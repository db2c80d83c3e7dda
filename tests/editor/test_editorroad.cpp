// The editor's whole road through the real dialogs: open a layout, edit a field, change the
// paper, preview and print the test page into PDF files, save and open again.
#include "EditorTestSupport.h"
#include "ExComboBox.h"
#include "ExComboEdit.h"
#include "ExPrinter.h"
#include "PdfProbe.h"
#include "PrintDialogs.h"
#include "Settings.h"
#include "uFieldEditor.h"
#include "uPaperEditor.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sw;
namespace pp = pdfprobe;

namespace {
// The real field and paper editors; the printer dialog picks a PDF file; the preview draws on
// a PDF printer of its own, as the preview dialog draws on its printer.
class RoadDialogs : public edtest::Script {
public:
    QString printTo, previewTo;
    bool EditField(TExPrinterField& f) override { return ExecuteFieldEditor(f); }
    bool EditPaper(TPaperInfo& p) override { return ExecutePaperEditor(p); }
    bool SelectPrinter() override {
        Printer().SetOutputFileName(printTo);
        return true;
    }
    void Preview(const std::function<void()>& draw) override {
        QPrinter preview(QPrinter::HighResolution);
        preview.setOutputFormat(QPrinter::PdfFormat);
        preview.setOutputFileName(previewTo);
        PaintPreviewRequest(&preview, draw);
    }
};

template <typename D> void onDialog(std::function<void(D*)> f) {
    QTimer::singleShot(0, [f] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        f(d);
    });
}
} // namespace

TEST(EditorRoad, OpenEditPaperPreviewPrintSaveReopen) {
    QTemporaryDir dir;
    SetSettingsFileNames(dir.filePath(QStringLiteral("SWEditor.ini")), QString());
    const QString layout = dir.filePath(QStringLiteral("nota.swl"));
    {
        TExSlatewright doc;
        doc.SetPaperSizeProperty(1);
        TExPrinterField f = edtest::Field(QStringLiteral("Cidade"), 2);
        f.Top = 3;
        f.Width = 6;
        f.Height = 1;
        doc.AddField(f);
        doc.SaveToFile(layout);
    }
    RoadDialogs dialogs;
    dialogs.printTo = dir.filePath(QStringLiteral("printed.pdf"));
    dialogs.previewTo = dir.filePath(QStringLiteral("preview.pdf"));
    TMainLogic logic(dialogs);
    logic.LoadLayout(layout);

    onDialog<TfrmFieldEditor>([](TfrmFieldEditor* d) {
        d->edtName->setText(QStringLiteral("Municipio"));
        d->edtLeft->setText(QStringLiteral("4"));
        d->BitBtn1->click();
    });
    logic.FieldEdit();
    onDialog<TfrmPaperEditor>([](TfrmPaperEditor* d) {
        d->cbxSize->setCurrentIndex(2); // A4
        d->btnOk->click();
    });
    logic.FilePaper();
    EXPECT_EQ(logic.Document()->PaperSize(), 9);
    EXPECT_TRUE(logic.Modified());

    logic.FilePreviewTest();
    logic.FilePrintTest();
    Printer().SetOutputFileName(QString());
    // The preview shows what the printer gets: the same word at the same place on A4.
    for (const QString& pdf : {dialogs.previewTo, dialogs.printTo}) {
        SCOPED_TRACE(pdf.toStdString());
        const QSizeF size = pp::pageSize(pdf);
        EXPECT_NEAR(size.width(), 595, 1);
        EXPECT_NEAR(size.height(), 842, 1);
        const auto words = pp::words(pdf);
        const pp::Word* w = pp::find(words, QStringLiteral("Municipio"));
        ASSERT_NE(w, nullptr);
        EXPECT_NEAR(w->xMin, 4 / 2.54 * 72, 3);
        EXPECT_EQ(pp::find(words, QStringLiteral("Cidade")), nullptr);
    }

    dialogs.saves.push_back(dir.filePath(QStringLiteral("nova.swl")));
    logic.FileSaveAs();
    EXPECT_FALSE(logic.Modified());
    TMainLogic again(dialogs);
    again.LoadLayout(dir.filePath(QStringLiteral("nova.swl")));
    ASSERT_EQ(again.Rows().Count(), 1);
    EXPECT_EQ(again.Rows().Records()[0].Name.toString(), QStringLiteral("Municipio"));
    EXPECT_EQ(again.Rows().Records()[0].Left, 4);
    EXPECT_EQ(again.Document()->PaperSize(), 9);
    SetSettingsFileNames(QString(), QString());
}
