#include "ExConsts.h"

namespace sw {

const Message SExInvalidHourMinute("exconsts.sexinvalidhourminute", "'%s' não é um tempo válido.");
const Message SExInvalidTimeZone("exconsts.sexinvalidtimezone",
                                 "'%s' não é um fuso horário válido.");

} // namespace sw
