// An exception in a callback that GLUT runs ends the show with one line and status 1,
// never through std::terminate.
#include "show/guarded.h"

#include <gtest/gtest.h>
#include <new>

static void runsOutOfMemory(int, int) {
    throw std::bad_alloc();
}

static void throwsSomethingElse() {
    throw 42;
}

TEST(GuardedCallbacks, AnExceptionEndsTheShowWithOneLineAndStatusOne) {
    EXPECT_EXIT((guarded<runsOutOfMemory, int, int>(320, 240)), ::testing::ExitedWithCode(1),
                "^quorrin: stopped by an unexpected error: std::bad_alloc\n$");
    EXPECT_EXIT(guarded<throwsSomethingElse>(), ::testing::ExitedWithCode(1),
                "^quorrin: stopped by an unexpected error: an exception of unknown type\n$");
}
