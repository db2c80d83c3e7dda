#pragma once

#include "SysUtils.h"

namespace sw {

// Errors of the file and list layer. They carry the library's own texts (translatable) and
// never a module prefix.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EListError : public Exception {
public:
    using Exception::Exception;
};

[[noreturn]] void RaiseFOpenError(const QString& fileName);
[[noreturn]] void RaiseReadError();
[[noreturn]] void RaiseWriteError();
[[noreturn]] void RaiseListIndexError(qsizetype index);

} // namespace sw
