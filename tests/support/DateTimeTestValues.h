#pragma once
// Values the date and time tests are written in: a text, a date, a time, a conversion's error.

#include "DateTimeValue.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace sw::testvalues {

inline QString U(const char* s) {
    return QString::fromUtf8(s);
}

inline TDateTime D(int y, int m, int d) {
    TDateTime v = 0;
    EXPECT_TRUE(TryEncodeDate(y, m, d, v));
    return v;
}

inline TDateTime T(int h, int n, int s = 0, int ms = 0) {
    TDateTime v = 0;
    EXPECT_TRUE(TryEncodeTime(h, n, s, ms, v));
    return v;
}

// The message of the conversion error the action raises, or "<no error>".
inline QString errorOf(auto fn) {
    try {
        fn();
    } catch (const EConvertError& e) {
        return e.message();
    }
    return U("<no error>");
}

} // namespace sw::testvalues
