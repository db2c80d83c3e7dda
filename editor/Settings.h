#pragma once

#include "IniFiles.h"

#include <QString>
#include <memory>

namespace sw {

// The editor's settings file, shared by the main window and the measure editor. It lives beside
// the program (the program's path with ".ini"); when that folder cannot be written (an installed
// program), the values go to the user's configuration folder instead, and from then on they are
// read from there first. Every write goes to disk at once; a write that fails everywhere is
// dropped without a word, so closing the window never fails because of its settings.
class TSettings {
public:
    TSettings(const QString& besideProgram, const QString& userConfig);

    int ReadInteger(const QString& section, const QString& key, int def) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteString(const QString& section, const QString& key, const QString& value);

    // The file the values are read from and written to now.
    const QString& FileName() const { return m_ini.FileName(); }

private:
    void store();

    TIniFile m_ini;
    QString m_userConfig;
};

// The shared settings object, opened on its first use.
TSettings& GetSettings();
// Releases it (at the end of the program); the next GetSettings opens the file again.
void ReleaseSettings();
// The two places of the settings file: beside the program, and in the user's configuration.
QString ProgramSettingsFileName();
QString UserSettingsFileName();
// Tests point the shared object at files of their own; empty texts put the defaults back.
void SetSettingsFileNames(const QString& besideProgram, const QString& userConfig);

// The window's remembered values, with their design values as defaults.
struct TWindowSettings {
    int Left = 509;
    int Top = 161;
    int Width = 670;
    int Height = 410;
    QString Dir;
    int ToolBar1Left = 0;
    int ToolBar1Top = 0;
    int ToolBar2Left = 180;
    int ToolBar2Top = 0;
};

// Reads every value; a missing key or a value that is not an integer keeps the value of current.
TWindowSettings ReadWindowSettings(const TSettings& settings, const TWindowSettings& current);
// Writes the window's place and size and the folder; the button bars are never written.
void WriteWindowSettings(TSettings& settings, const TWindowSettings& values);

} // namespace sw
