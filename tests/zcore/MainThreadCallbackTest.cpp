#include <zsg/platform/ZMainThreadCallback.h>

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

using namespace zsg;

// The callback owns the function; `token` is captured by it, so its use count
// tells whether the callback object has been freed.

TEST(MainThreadCallbackTest, RunsOnceFromTheEventLoopOnTheContextThread)
{
    QObject context;
    auto token = std::make_shared<int>();
    int runs = 0;
    QThread* ranOn = nullptr;
    // Posted from a thread that has no event loop, as the render side would.
    std::thread poster([&] {
        new ZMainThreadCallback(nullptr, [&, token] { ++runs; ranOn = QThread::currentThread(); }, &context);
    });
    poster.join();
    EXPECT_EQ(runs, 0);

    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ranOn, context.thread());
    EXPECT_EQ(token.use_count(), 1);
}

TEST(MainThreadCallbackTest, NeverRunsWhenDroppedUnrun)
{
    auto token = std::make_shared<int>();
    bool ran = false;
    {
        QObject context;
        new ZMainThreadCallback(nullptr, [&ran, token] { ran = true; }, &context);
        EXPECT_EQ(token.use_count(), 2);
    }
    QObject context;
    new ZMainThreadCallback(nullptr, [&ran, token] { ran = true; }, &context);
    QCoreApplication::removePostedEvents(&context); // as the application does on exit
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
    EXPECT_EQ(token.use_count(), 1);
}
