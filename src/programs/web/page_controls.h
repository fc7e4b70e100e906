// What the page's own controls ask of the show. Its buttons, timeline, keys and gestures and
// a phone's lock-screen controls all come here (the exported page... functions in
// page_controls.cpp), and each is done by the viewer's own routine (viewer_controls.h), so a
// button lands where the native key lands and carries the show's state the same way. The
// show tells the page where it stands after every frame and every control.
#pragma once

// The show's moment as of the clock's latest reading, and whether it is paused, to the
// page's Module.onShowState.
void reportShowState();
