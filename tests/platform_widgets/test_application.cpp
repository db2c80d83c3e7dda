#include "ExApplication.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace sw;

namespace {
// A widget whose key handler fails, as a command of the editor may.
class Failing : public QWidget {
public:
    int after = 0;
    bool abort = false;
    void keyPressEvent(QKeyEvent*) override {
        if (abort)
            throw EAbort();
        throw Exception(QStringLiteral("falhou"));
        ++after; // never reached: the rest of the handler is skipped
    }
};
} // namespace

TEST(Application, ErrorsLeavingEventHandlersReachTheHandlerOnce) {
    QStringList seen;
    TExApplication::SetExceptionHandler([&](const Exception& e) { seen << e.message(); });
    Failing w;
    w.show();
    QTest::keyClick(&w, Qt::Key_A);
    EXPECT_EQ(seen, QStringList{QStringLiteral("falhou")});
    EXPECT_EQ(w.after, 0);
    // The silent abort shows nothing.
    w.abort = true;
    QTest::keyClick(&w, Qt::Key_B);
    EXPECT_EQ(seen.size(), 1);
    TExApplication::SetExceptionHandler({});
}
