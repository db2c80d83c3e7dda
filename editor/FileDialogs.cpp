#include "FileDialogs.h"

#include "umainTexts.h"

namespace sw {

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        // The description usually names its pattern already: say it once, in Qt's notation.
        const QString named = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(named))
            description = description.left(description.size() - named.size()).trimmed();
        QString patterns = pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

void SetupLayoutFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QString& dir,
                           const QString& fileName) {
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(QtNameFilters(umain::sFileFilter.text()));
    dialog.setDefaultSuffix(umain::sFileExt.text());
    if (!dir.isEmpty())
        dialog.setDirectory(dir);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
}

} // namespace sw
