// links: sw_platform
// Any bytes as a settings file: every key reads, writes land on their own line, and writing the
// file back and reading it again gives the same file.

#include "IniFiles.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    sw::TIniFile ini{QString()};
    ini.LoadFromText(text);
    for (const QString& section : ini.Sections())
        for (const QString& key : ini.Keys(section)) {
            ini.ReadInteger(section, key, 0);
            if (!ini.ValueExists(section.toUpper(), key.toLower()))
                __builtin_trap();
        }
    const QString once = ini.ToText();
    sw::TIniFile again{QString()};
    again.LoadFromText(once);
    if (again.ToText() != once)
        __builtin_trap();
    // A written value reads back, whatever the file held before.
    const QString value = text.left(40);
    again.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Key"), value);
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    sw::TIniFile third{QString()};
    third.LoadFromText(again.ToText());
    if (third.ReadString(QStringLiteral("fuzz"), QStringLiteral("key"), QString()) !=
        expected.trimmed())
        __builtin_trap();
    return 0;
}
