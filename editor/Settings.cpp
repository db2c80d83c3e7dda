#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sw {

namespace {
struct SharedSettings {
    std::unique_ptr<TSettings> settings;
    QString besideProgram;
    QString userConfig;
};

SharedSettings& shared() {
    static SharedSettings s;
    return s;
}

// The file the values come from: the user's copy once there is one, since it only exists
// because the program's folder could not be written.
QString chooseFile(const QString& besideProgram, const QString& userConfig) {
    if (!userConfig.isEmpty() && QFileInfo::exists(userConfig))
        return userConfig;
    return besideProgram;
}
} // namespace

TSettings::TSettings(const QString& besideProgram, const QString& userConfig)
    : m_ini(chooseFile(besideProgram, userConfig)), m_userConfig(userConfig) {}

int TSettings::ReadInteger(const QString& section, const QString& key, int def) const {
    return m_ini.ReadInteger(section, key, def);
}

QString TSettings::ReadString(const QString& section, const QString& key,
                              const QString& def) const {
    return m_ini.ReadString(section, key, def);
}

void TSettings::WriteInteger(const QString& section, const QString& key, int value) {
    m_ini.WriteInteger(section, key, value);
    store();
}

void TSettings::WriteString(const QString& section, const QString& key, const QString& value) {
    m_ini.WriteString(section, key, value);
    store();
}

void TSettings::store() {
    if (m_ini.UpdateFile())
        return;
    if (!m_userConfig.isEmpty() && m_ini.FileName() != m_userConfig)
        m_ini.SaveAs(m_userConfig);
}

QString ProgramSettingsFileName() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini");
}

QString UserSettingsFileName() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        return QString();
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return dir + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini");
}

TSettings& GetSettings() {
    SharedSettings& s = shared();
    if (!s.settings) {
        const QString beside =
            s.besideProgram.isEmpty() ? ProgramSettingsFileName() : s.besideProgram;
        const QString user = s.besideProgram.isEmpty() ? UserSettingsFileName() : s.userConfig;
        s.settings = std::make_unique<TSettings>(beside, user);
    }
    return *s.settings;
}

void ReleaseSettings() {
    shared().settings.reset();
}

void SetSettingsFileNames(const QString& besideProgram, const QString& userConfig) {
    ReleaseSettings();
    shared().besideProgram = besideProgram;
    shared().userConfig = userConfig;
}

TWindowSettings ReadWindowSettings(const TSettings& s, const TWindowSettings& current) {
    TWindowSettings v = current;
    const QString main = QStringLiteral("Main");
    v.Left = s.ReadInteger(main, QStringLiteral("Left"), v.Left);
    v.Top = s.ReadInteger(main, QStringLiteral("Top"), v.Top);
    v.Width = s.ReadInteger(main, QStringLiteral("Width"), v.Width);
    v.Height = s.ReadInteger(main, QStringLiteral("Height"), v.Height);
    v.Dir = s.ReadString(QStringLiteral("File"), QStringLiteral("Dir"), v.Dir);
    const QString tb1 = QStringLiteral("ToolBar1");
    const QString tb2 = QStringLiteral("ToolBar2");
    v.ToolBar1Left = s.ReadInteger(tb1, QStringLiteral("Left"), v.ToolBar1Left);
    v.ToolBar1Top = s.ReadInteger(tb1, QStringLiteral("Top"), v.ToolBar1Top);
    v.ToolBar2Left = s.ReadInteger(tb2, QStringLiteral("Left"), v.ToolBar2Left);
    v.ToolBar2Top = s.ReadInteger(tb2, QStringLiteral("Top"), v.ToolBar2Top);
    return v;
}

void WriteWindowSettings(TSettings& s, const TWindowSettings& v) {
    const QString main = QStringLiteral("Main");
    s.WriteInteger(main, QStringLiteral("Left"), v.Left);
    s.WriteInteger(main, QStringLiteral("Top"), v.Top);
    s.WriteInteger(main, QStringLiteral("Width"), v.Width);
    s.WriteInteger(main, QStringLiteral("Height"), v.Height);
    s.WriteString(QStringLiteral("File"), QStringLiteral("Dir"), v.Dir);
}

} // namespace sw
