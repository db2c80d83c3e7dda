#pragma once

#include "SysUtils.h"

#include <QApplication>
#include <functional>

namespace sw {

// The application object. Qt does not let an exception cross its event loop, so every event
// handler runs inside notify(), which hands an escaping Exception to the application's error
// handler and goes on with the event loop; the rest of the interrupted handler is skipped.
class TExApplication : public QApplication {
    Q_OBJECT
public:
    TExApplication(int& argc, char** argv);
    ~TExApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // What is done with an error that left an event handler. The editor installs its error
    // prompt here; until then the message goes to stderr. EAbort never reaches the handler.
    using ExceptionHandler = std::function<void(const Exception&)>;
    static void SetExceptionHandler(ExceptionHandler handler);
    static void HandleException(const Exception& e);
};

} // namespace sw
