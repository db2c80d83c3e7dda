// The window's paper, form name, print, preview and About commands reach the logic through the
// menu and the buttons, with the preview following the test print's enabled state.
#include "EditorTestSupport.h"
#include "RecordingPrinter.h"
#include "Settings.h"
#include "umain.h"

#include <QAction>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace sw;
using namespace edtest;

TEST(WindowDocument, MenuAndButtonsRunTheDocumentCommands) {
    QTemporaryDir dir;
    SetSettingsFileNames(dir.filePath(QStringLiteral("SWEditor.ini")), QString());
    testprint::UseRecordingPrinter use;
    Script script;
    {
        TfrmMain w(QString(), &script);
        EXPECT_FALSE(w.mniFilePreviewTest->isEnabled());
        EXPECT_TRUE(w.mniFilePreviewGrid->isEnabled());

        script.papers.push_back([](TPaperInfo& p) {
            p.PaperSize = 9;
            return true;
        });
        w.btnPaper->click();
        EXPECT_EQ(w.Logic().Document()->PaperSize(), 9);
        script.inputs.push_back([](QString& t) {
            t = QStringLiteral("Nota");
            return true;
        });
        w.btnFormName->click();
        EXPECT_EQ(w.Logic().Document()->FormName(), QStringLiteral("Nota"));

        w.mniAbout->trigger();
        EXPECT_EQ(script.informations.size(), 1);
        script.printers.push_back(true);
        w.mniFilePrintGrid->trigger();
        EXPECT_EQ(use.printer->begins, 1);
        w.mniFilePreviewGrid->trigger();
        EXPECT_EQ(script.previews, 1);

        w.Logic().Document()->AddField(Field(QStringLiteral("A")));
        w.Logic().UpdateCommands();
        EXPECT_TRUE(w.mniFilePreviewTest->isEnabled());
        script.printers.push_back(false);
        w.btnFilePrintTest->click();
        EXPECT_EQ(use.printer->begins, 2);
        EXPECT_TRUE(script.done());
    }
    SetSettingsFileNames(QString(), QString());
}
