// Full-screen frames on a screen that is not 4:3. The show was composed for 4:3, and its
// flat layers are drawn in a fixed orthographic box: drawn across a wide screen they would
// stretch. There the picture keeps its shape in the middle and the rest of the screen is
// black, whatever the scene clears or flashes with.
#pragma once

// How a full-screen frame reaches the screen.
enum class PictureRoute {
    direct,      // the picture is the whole screen: drawn straight into the window
    framebuffer, // drawn at the origin of a picture-sized framebuffer, then copied into place
    scissor,     // drawn into the window through an offset viewport, clipped to the picture
};

// The reshape callback of the full-screen displays (the -w window keeps reshape): places
// the picture in a width x height screen and gives the scenes the viewport and projection
// of a window the picture's size. Without framebuffer objects it takes the scissor route.
void reshapeFullScreen(int width, int height);
// What reshapeFullScreen does, with the route given (framebuffer falls back to scissor
// when the framebuffer cannot be made).
void placePicture(int width, int height, PictureRoute route);
PictureRoute pictureRoute();

// The display callback calls these right before its clear and right before the swap. Both
// leave the scene's GL state (clear colour included) as they found it.
void beginPictureFrame();
void presentPictureFrame();
