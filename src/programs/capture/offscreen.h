// The GL context and the framebuffer the show draws into: any size up to the tool's limit,
// whatever the screen, optionally multisampled.
#pragma once
#include "programs/capture/capture_options.h"

#include <cstdint>
#include <string>
#include <vector>

// Opens a small hidden GLUT window for its context and makes a framebuffer of the picture's
// size the drawing target, with samples per pixel when msaa > 1. The picture lies within
// the frame that is read back. Empty result on success.
std::string openOffscreen(const CaptureFrame& frame, int msaa);
// The frame being made, as opened.
const CaptureFrame& offscreenFrame();

// Makes the framebuffer the drawing target again (after a resolve).
void bindOffscreen();
// Resolves multisampling when it is on, then reads the frame as RGB rows bottom to top:
// the picture in its place, black around it.
void readOffscreen(std::vector<std::uint8_t>& rgb);
// Resolves multisampling when it is on and waits for GL to finish the frame.
void finishOffscreen();

// GL's name for itself, for reports.
std::string rendererName();
