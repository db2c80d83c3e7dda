#pragma once

#include <cstdint>

namespace sw {

// The value kinds of the typed controls; stored in one byte, in this order.
enum TExDataType : uint8_t {
    dtCurrency,  // signed 64-bit ten-thousandths
    dtDate,      // date-time value, whole days
    dtDateTime,  // date-time value
    dtFloat,     // read in extended precision, written from a double
    dtInteger,   // signed 32-bit
    dtString,    // the text itself
    dtTime,      // fraction of a day, written with seconds
    dtShortTime, // fraction of a day, written without seconds
    dtTimeZone,  // signed count of minutes, positive east ("+")
};

// Where a control's caption label stands: first the side, then the place along that side.
enum TExPosition : uint8_t {
    poLeftTop,
    poLeftCenter,
    poLeftBottom,
    poRightTop,
    poRightCenter,
    poRightBottom,
    poTopLeft,
    poTopCenter,
    poTopRight,
    poBottomLeft,
    poBottomCenter,
    poBottomRight,
};

// Alignment of a control's display text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// Case conversion of what an edit shows and takes from the keyboard.
enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };

// Where the picture of an edit's button comes from.
enum TExComboButtonKind : uint8_t { cbkCustom, cbkEllipsis };

// csDropDown: editable with a list; csSimple: editable, Tab, Enter and Escape left to the
// form; csDropDownList: pick only.
enum TComboBoxStyle : uint8_t { csDropDown, csSimple, csDropDownList };

} // namespace sw
