#include "ExTranslation.h"
#include "Swl.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
QtMessageHandler qtHandler = nullptr;

// Qt's note about a missing runtime folder says nothing to someone printing from a shell.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}
} // namespace

int main(int argc, char* argv[]) {
    // The library messages in Portuguese, as the editor shows them.
    sw::LoadTranslations();
    // swl never opens a window; the offscreen platform lets it print without a display while
    // fonts still come from the system's font configuration.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qtHandler = qInstallMessageHandler(filterMessages);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    sw::swl::Io io{out, err};
    return sw::swl::Run(app.arguments().mid(1), io);
}
