// A second start of the program hands the first one's window to the front
// and ends; the guard can be switched off.
#include "table/qt/singleinstance.h"
#include "tests/qt/waitfor.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Runs the body with the guard switched on, whatever the test run says.
template <class Body>
void withGuard(Body body)
{
    const QByteArray saved = qgetenv("BRIXO_NO_GUARD");
    qunsetenv("BRIXO_NO_GUARD");
    body();
    qputenv("BRIXO_NO_GUARD", saved);
}

QString uniqueName()
{
    return QStringLiteral("brixo-guard-test-%1").arg(QCoreApplication::applicationPid());
}

} // namespace

TEST(SingleInstanceGuard, TheSecondStartRaisesTheFirstAndEnds)
{
    withGuard([] {
        QWidget window;
        SingleInstance first(uniqueName());
        ASSERT_TRUE(first.claim());
        first.setWindow(&window);
        EXPECT_FALSE(window.isVisible());

        SingleInstance second(uniqueName());
        EXPECT_FALSE(second.claim());
        EXPECT_TRUE(waitFor([&] { return window.isVisible(); }));
    });
}

TEST(SingleInstanceGuard, ANameLeftByAnEndedInstanceIsTakenOver)
{
    withGuard([] {
        {
            SingleInstance gone(uniqueName() + "-old");
            ASSERT_TRUE(gone.claim());
        }
        SingleInstance next(uniqueName() + "-old");
        EXPECT_TRUE(next.claim());
    });
}

TEST(SingleInstanceGuard, SwitchedOffEveryStartRuns)
{
    qputenv("BRIXO_NO_GUARD", "1");
    SingleInstance first(uniqueName() + "-off");
    SingleInstance second(uniqueName() + "-off");
    EXPECT_TRUE(first.claim());
    EXPECT_TRUE(second.claim());
}
