// What every way of showing the show does once it has a GL context: the resting GL state,
// the random sequence seeded, the pictures loaded and the music opened.
#pragma once

void initDemo();
