#pragma once

#include "ExPreformattedPrinter.h"

#include <QJsonObject>

namespace sw {

// A layout as one JSON object: the header's members and the fields, every number as stored.
QJsonObject LayoutToJson(const TExSlatewright& doc);
// Fills a document from such an object. Missing header members keep the new document's values;
// missing field members are zero, as in a field the engine makes itself. Every field goes
// through AddField, so the name rules hold. Throws Exception on a member of the wrong kind.
void LayoutFromJson(const QJsonObject& json, TExSlatewright& doc);

} // namespace sw
