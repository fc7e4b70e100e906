// The GL-free parts of the GLUT layer over Win32: which Windows keys are GLUT's special
// keys, the game-mode strings, the order timers run in, and where a framed window goes.
#include "glut_win32/game_mode_string.h"
#include "glut_win32/key_map.h"
#include "glut_win32/timer_queue.h"
#include "glut_win32/window_geometry.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(GlutWin32Keys, WindowsVirtualKeysBecomeGlutsSpecialKeys) {
    // Virtual-key codes as Windows numbers them; GLUT's numbers from this machine's GLUT.
    const struct {
        unsigned virtualKey;
        int glutKey;
    } keys[] = {{0x25, GLUT_KEY_LEFT},
                {0x26, GLUT_KEY_UP},
                {0x27, GLUT_KEY_RIGHT},
                {0x28, GLUT_KEY_DOWN},
                {0x21, GLUT_KEY_PAGE_UP},
                {0x22, GLUT_KEY_PAGE_DOWN},
                {0x24, GLUT_KEY_HOME},
                {0x23, GLUT_KEY_END},
                {0x1B, 0}, // Esc: a character
                {0x20, 0} /* Space */,
                {0x41, 0} /* A */,
                {0x70, 0} /* F1 */,
                {0x2D, 0} /* Insert */,
                {0x0D, 0} /* Enter */};
    for (const auto& key : keys)
        EXPECT_EQ(glutSpecialKey(key.virtualKey), key.glutKey) << std::hex << key.virtualKey;
}

TEST(GlutWin32GameMode, StringsTheShowAndGlutUse) {
    const struct {
        const char* text;
        GameModeRequest want;
    } good[] = {{"1024x768:32@60", {1024, 768, 32, 60}},
                {"640x480:32@60", {640, 480, 32, 60}},
                {"800x600", {800, 600, 0, 0}},
                {"1920x1080:24", {1920, 1080, 24, 0}},
                {"1280x1024@75", {1280, 1024, 0, 75}}};
    for (const auto& mode : good) {
        GameModeRequest read;
        ASSERT_TRUE(parseGameModeString(mode.text, read)) << mode.text;
        EXPECT_EQ(read.width, mode.want.width) << mode.text;
        EXPECT_EQ(read.height, mode.want.height) << mode.text;
        EXPECT_EQ(read.bitsPerPixel, mode.want.bitsPerPixel) << mode.text;
        EXPECT_EQ(read.refreshHz, mode.want.refreshHz) << mode.text;
    }
    for (const char* bad :
         {"", "1024", "1024x", "x768", "0x768", "1024x0", "1024X768", "1024x768:", "1024x768@",
          "1024x768:32@60 ", "-640x480", "1024x768@60:32", "99999999x768", "1024x768:32@60x"}) {
        GameModeRequest read{7, 7, 7, 7};
        EXPECT_FALSE(parseGameModeString(bad, read)) << '"' << bad << '"';
        EXPECT_EQ(read.width, 7) << "a refused string leaves the request as it was: " << bad;
    }
    GameModeRequest none;
    EXPECT_FALSE(parseGameModeString(nullptr, none));
}

static std::vector<int> ran;
static void noteRun(int value) {
    ran.push_back(value);
}

TEST(GlutWin32Timers, DueTimersRunByTimeThenInTheOrderTheyWereSet) {
    TimerQueue queue;
    ran.clear();
    addTimer(queue, 1000, 100, noteRun, 1);
    addTimer(queue, 1000, 0, noteRun, 2); // a key
    addTimer(queue, 1000, 0, noteRun, 3); // the next key
    addTimer(queue, 1000, 50, noteRun, 4);
    addTimer(queue, 1050, 0, noteRun, 5); // due with 4, set after it
    EXPECT_EQ(msUntilNextTimer(queue, 1000), 0);
    GlutTimer timer;
    while (takeDueTimer(queue, 1000, queue.setSoFar, timer))
        timer.callback(timer.value);
    EXPECT_EQ(ran, (std::vector<int>{2, 3}));
    EXPECT_EQ(msUntilNextTimer(queue, 1010), 40);
    while (takeDueTimer(queue, 1100, queue.setSoFar, timer))
        timer.callback(timer.value);
    EXPECT_EQ(ran, (std::vector<int>{2, 3, 4, 5, 1}));
    EXPECT_EQ(msUntilNextTimer(queue, 1100), -1);
}

TEST(GlutWin32Timers, ATimerSetWhileTimersRunWaitsForTheNextRound) {
    TimerQueue queue;
    addTimer(queue, 0, 0, noteRun, 1);
    const std::uint64_t setBefore = queue.setSoFar;
    addTimer(queue, 0, 0, noteRun, 2); // set by the callback of the first
    GlutTimer timer;
    ASSERT_TRUE(takeDueTimer(queue, 0, setBefore, timer));
    EXPECT_EQ(timer.value, 1);
    EXPECT_FALSE(takeDueTimer(queue, 0, setBefore, timer));
    EXPECT_TRUE(takeDueTimer(queue, 0, queue.setSoFar, timer));
    EXPECT_EQ(timer.value, 2);
}

TEST(GlutWin32Geometry, AFramedWindowIsPlacedByItsCornerAndKeptOnTheWorkArea) {
    // Borders 8 pixels wide, a title bar 31 high; a 1920x1080 screen with a 40-pixel task bar.
    const ScreenRect aroundNothing{-8, -31, 16, 39};
    const ScreenRect workArea{0, 0, 1920, 1040};
    const struct {
        int x, y, width, height;
        ScreenRect want;
    } cases[] = {
        {100, 100, 800, 600, {100, 100, 816, 639}},   // fits where it is asked
        {1120, 100, 800, 600, {1104, 100, 816, 639}}, // its right border would be off screen
        {100, 500, 800, 600, {100, 401, 816, 639}},   // the task bar would cover its bottom
        {0, 0, 1920, 1080, {0, 0, 1936, 1119}},       // larger than the area: its corner
    };
    for (const auto& c : cases) {
        const ScreenRect frame =
            frameForClient(c.x, c.y, c.width, c.height, aroundNothing, workArea);
        EXPECT_EQ(frame.x, c.want.x) << c.x << "," << c.y;
        EXPECT_EQ(frame.y, c.want.y) << c.x << "," << c.y;
        EXPECT_EQ(frame.width, c.want.width);
        EXPECT_EQ(frame.height, c.want.height);
    }
    const ScreenRect besideTheTaskBar =
        frameForClient(-50, 100, 800, 600, aroundNothing, {60, 0, 1860, 1080});
    EXPECT_EQ(besideTheTaskBar.x, 60);
}
