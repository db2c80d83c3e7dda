#include "ExTranslationQt.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtDebug>

namespace sw {

bool InstallQtTranslations(QCoreApplication& app) {
    // The application owns the translator, so it lives as long as the texts it gives.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/qt-translations/qtbase_pt_BR.qm")) ||
        !QCoreApplication::installTranslator(translator)) {
        qWarning("Qt's Brazilian Portuguese translation could not be installed");
        delete translator;
        return false;
    }
    return true;
}

} // namespace sw
