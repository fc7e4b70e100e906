// The lit and sphere-mapped shapes built by hand send their own normal, so a frame never
// depends on the normal GL was left holding: after a vertex-array draw (every GLUT shape)
// that normal is undefined, and another driver may leave anything there.
#include "gl_test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

static std::size_t pixelsLit(const std::vector<std::uint8_t>& rgb) {
    std::size_t lit = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 60;
    return lit;
}

TEST(ExplicitNormals, EveryFrameIsTheSameWhateverNormalGlHolds) {
    startShowForTest();
    // Scene 2's lattice at a peak of the box pulse, scene 3's tower and line cylinder,
    // scene 4's tiles, scene 5's lit box rings.
    for (const std::uint32_t ms : {22167u, 36000u, 56000u, 67000u}) {
        // The first draw settles what a frame hands to the next (the clear colour).
        drawShowFrameAt(ms);
        glNormal3f(0, 0, 1); // what Mesa holds after the GLUT shapes
        drawShowFrameAt(ms);
        const std::vector<std::uint8_t> facing = readFramebuffer();
        glNormal3f(1, 0, 0);
        drawShowFrameAt(ms);
        const std::vector<std::uint8_t> sideways = readFramebuffer();
        EXPECT_GT(pixelsLit(facing), facing.size() / 3 / 20) << ms;
        EXPECT_TRUE(facing == sideways) << ms << " ms changes with the normal GL held before";
    }
}
