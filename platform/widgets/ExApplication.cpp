#include "ExApplication.h"

#include <cstdio>

namespace sw {

namespace {
TExApplication::ExceptionHandler& handlerSlot() {
    static TExApplication::ExceptionHandler handler;
    return handler;
}
} // namespace

TExApplication::TExApplication(int& argc, char** argv) : QApplication(argc, argv) {}

TExApplication::~TExApplication() = default;

bool TExApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        return true;
    } catch (const Exception& e) {
        HandleException(e);
        return true;
    }
}

void TExApplication::SetExceptionHandler(ExceptionHandler handler) {
    handlerSlot() = std::move(handler);
}

void TExApplication::HandleException(const Exception& e) {
    if (dynamic_cast<const EAbort*>(&e))
        return;
    if (handlerSlot())
        handlerSlot()(e);
    else
        std::fprintf(stderr, "%s\n", e.what());
}

} // namespace sw
