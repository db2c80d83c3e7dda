#pragma once

#include "Messages.h"

namespace sw {

// The control library's own texts.
extern const Message SExInvalidHourMinute; // exconsts.sexinvalidhourminute, %s = the text
extern const Message SExInvalidTimeZone;   // exconsts.sexinvalidtimezone, %s = the text

} // namespace sw
