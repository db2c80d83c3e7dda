#pragma once

#include "PoCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace sw {

// The raw-data resources translation reads from: their names in the order the program lists
// them, and a reader for one of them.
struct ResourceSource {
    std::function<QStringList()> names;
    std::function<QByteArray(const QString& name)> read;
};

// The resources compiled into the program (the catalogues among them), names sorted in capitals.
ResourceSource CarriedResources();

// Whether a resource holds a translation catalogue: the part of its name before the first "_"
// (the whole name when it has none) is "ExTranslation" in any mix of capitals.
bool IsTranslationResource(const QString& name);

// The contents of every translation resource of the source, in the source's order, joined.
QByteArray JoinTranslationResources(const ResourceSource& source);

// One final line break less: CR LF when the text is longer than two characters, else one CR or
// LF; texts of one character are left alone.
QString WithoutFinalLineBreak(QString text);

// Sets a message's current text.
using MessageTextSetter = std::function<void(const QByteArray& id, const QString& text)>;

// Gives every message of the process-wide table its translation from the index, or its built-in
// text when the index has no usable entry for it (missing, fuzzy, or with other format
// conversions than its source). Messages are matched by identifier only. An error stops the
// applying: messages already set keep their new texts and the error propagates.
void ApplyTranslations(const PoIndex& index, const MessageTextSetter& setText);

// Translates the library messages from the catalogues carried in the program. Runs once at
// start-up, before any window exists. Never throws: a broken, empty or missing catalogue, or an
// error while applying, leaves the built-in texts in place.
void LoadTranslations();
void LoadTranslations(const ResourceSource& source, const MessageTextSetter& setText = {});

} // namespace sw
