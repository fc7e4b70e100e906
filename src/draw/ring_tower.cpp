#include "draw/ring_tower.h"

#include "draw/angles.h"

#include <GL/gl.h>
#include <cmath>

// The vertices of one strip: at every sampled angle the equator point (pulled out to
// equatorSpike on a spike angle), then the rim point at height rimY. The whole-degree angles
// run up to 360 inclusive, so a step that divides 360 closes the ring on its first sample.
static void ringStripVertices(float equatorSpike, float bandRadius, float rimY, int spikeEvery,
                              int stepDegrees) {
    for (int angle = 0; angle <= 360; angle += stepDegrees) {
        const double radians = angle * degreesToRadians;
        const auto s = static_cast<float>(std::sin(radians));
        const auto c = static_cast<float>(std::cos(radians));
        const float radius = angle % spikeEvery == 0 ? equatorSpike : bandRadius;
        glVertex3f(s * radius, 0, c * radius);
        glVertex3f(s * bandRadius, rimY, c * bandRadius);
    }
}

void drawRingTower(float spikeRadius, float bandRadius, float halfHeight, int spikeEvery,
                   int stepDegrees, int levels) {
    glPushMatrix();
    // A spike modulus of zero has no remainder and a step of zero or below never reaches 360:
    // such a tower is drawn like one without levels, nothing between the outer push and pop.
    if (levels <= 0 || spikeEvery <= 0 || stepDegrees <= 0) {
        glPopMatrix();
        return;
    }
    for (int level = 0; level < levels; ++level) {
        glPushMatrix();
        // The tower is mirrored about y = 0: each level is drawn once above and once below,
        // so level 0 is drawn twice in the same place.
        for (int half = 0; half < 2; ++half) {
            const int k = half == 0 ? level : -level;
            glPushMatrix();
            glTranslatef(0, 2 * (k * halfHeight), 0);

            // Lower band counter-clockwise seen from outside, upper band clockwise: under
            // culling the lower half shows its outside and the upper half its inside.
            glBegin(GL_QUAD_STRIP);
            glColor3f(0.5f, 0.9f, 0.9f);
            ringStripVertices(spikeRadius, bandRadius, -halfHeight, spikeEvery, stepDegrees);
            glEnd();
            glBegin(GL_QUAD_STRIP);
            ringStripVertices(spikeRadius, bandRadius, halfHeight, spikeEvery, stepDegrees);
            glEnd();

            // Zigzag outlines; their spike points stand one unit outside the teal spikes so
            // the red lies on top of them.
            glColor3f(1, 0, 0);
            glLineWidth(4);
            glBegin(GL_LINE_STRIP);
            ringStripVertices(spikeRadius + 1, bandRadius, -halfHeight, spikeEvery, stepDegrees);
            glEnd();
            glBegin(GL_LINE_STRIP);
            ringStripVertices(spikeRadius + 1, bandRadius, halfHeight, spikeEvery, stepDegrees);
            glEnd();
            glLineWidth(1);
            glPopMatrix();
        }
        glPopMatrix();
    }
    glPopMatrix();
}
