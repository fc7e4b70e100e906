// The page's address as the program reads it (page_address.h), and the cap on the canvas's
// pixels (picture_cap.h): plain logic, compiled natively.
#include "programs/web/page_address.h"
#include "programs/web/picture_cap.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct AddressCase {
    const char* fragment;
    std::uint32_t ms;
    bool paused;
    std::uint32_t stepMs; // 0: the real clock
    bool hd;
    std::vector<std::string> unusable;
};

TEST(PageAddress, ReadsWhatItCanAndListsTheRest) {
    const AddressCase cases[] = {
        {"", 0, false, 0, false, {}},
        {"#t=30000", 30000, false, 0, false, {}},
        {"#t=30000&paused", 30000, true, 0, false, {}},
        {"t=80000", 79999, false, 0, false, {}},
        {"#t=99999999999999999999999", 79999, false, 0, false, {}},
        {"#t=30000.5", 0, false, 0, false, {"t=30000.5"}},
        {"#T=30000", 0, false, 0, false, {"T=30000"}},
        {"#t=1e30", 0, false, 0, false, {"t=1e30"}},
        {"#t=soon&paused", 0, true, 0, false, {"t=soon"}},
        {"#t=", 0, false, 0, false, {"t="}},
        {"#t=-5", 0, false, 0, false, {"t=-5"}},
        {"#step=0", 0, false, 0, false, {"step=0"}},
        {"#step=16&t=100", 100, false, 16, false, {}},
        {"#step=99999999999", 0, false, 0, false, {"step=99999999999"}},
        {"#hd&t=5&&", 5, false, 0, true, {}},
        {"#PAUSED&hdx", 0, false, 0, false, {"PAUSED", "hdx"}},
    };
    for (const AddressCase& wanted : cases) {
        const PageAddress address = readPageAddress(wanted.fragment);
        EXPECT_EQ(address.ms, wanted.ms) << wanted.fragment;
        EXPECT_EQ(address.paused, wanted.paused) << wanted.fragment;
        EXPECT_EQ(address.stepped, wanted.stepMs != 0) << wanted.fragment;
        EXPECT_EQ(address.stepMs, wanted.stepMs) << wanted.fragment;
        EXPECT_EQ(address.hd, wanted.hd) << wanted.fragment;
        EXPECT_EQ(address.unusable, wanted.unusable) << wanted.fragment;
        EXPECT_FALSE(address.bench) << wanted.fragment;
    }
    EXPECT_TRUE(readPageAddress("#bench").bench);
    EXPECT_EQ(readPageAddress(nullptr).ms, 0u);
}

TEST(PageAddress, JsonForThePageEscapesWhatItQuotes) {
    EXPECT_EQ(pageAddressJson(readPageAddress("#t=5&paused&step=2")),
              R"({"ms":5,"paused":true,"bench":false,"hd":false,"stepMs":2,"unusable":[]})");
    EXPECT_EQ(pageAddressJson(readPageAddress("#a\"b&c\\d&e\nf")),
              R"({"ms":0,"paused":false,"bench":false,"hd":false,"stepMs":null,)"
              R"("unusable":["a\"b","c\\d","e\u000af"]})");
}

TEST(PictureCap, BigWindowsKeepTheirShapeWithAPictureWithinTheCap) {
    struct SizeCase {
        int width, height, canvasWidth, canvasHeight;
    };
    const SizeCase cases[] = {
        {800, 600, 800, 600},     {1280, 720, 1280, 720},   {1440, 1080, 1440, 1080},
        {1920, 1080, 1920, 1080}, {2560, 1440, 1920, 1080}, {2400, 1200, 2160, 1080},
        {3840, 2160, 1920, 1080}, {1170, 2532, 1170, 2532}, {2880, 1800, 1728, 1080},
        {1441, 1081, 1439, 1080},
    };
    for (const SizeCase& size : cases) {
        const CanvasSize canvas = canvasWithinCap(size.width, size.height);
        EXPECT_EQ(canvas.width, size.canvasWidth) << size.width << "x" << size.height;
        EXPECT_EQ(canvas.height, size.canvasHeight) << size.width << "x" << size.height;
        const PictureArea picture = pictureAreaFor(canvas.width, canvas.height);
        EXPECT_LE(picture.width, pictureCapWidth);
        EXPECT_LE(picture.height, pictureCapHeight);
    }
}
