// The editor program: translation, the application object with its error prompt, the window.
#include "ExApplication.h"
#include "ExDialogs.h"
#include "Settings.h"
#include "umain.h"

#ifdef SW_HAVE_TRANSLATION
#include "ExTranslation.h"
#include "ExTranslationQt.h"
#endif

int main(int argc, char** argv) {
#ifdef SW_HAVE_TRANSLATION
    // Before any window or control exists, so every text they take is already translated.
    sw::LoadTranslations();
#endif
    sw::TExApplication app(argc, argv);
#ifdef SW_HAVE_TRANSLATION
    // Qt's own dialogs and buttons in Portuguese too, before the first of them is made.
    sw::InstallQtTranslations(app);
#endif
    sw::InstallErrorPrompt();
    {
        sw::TfrmMain frmMain(QCoreApplication::arguments().value(1));
        frmMain.show();
        app.exec();
    }
    sw::ReleaseSettings();
    return 0;
}
