// One bitmap file to one GL texture object (needs a current GL context).
#pragma once
#include <GL/gl.h>

// The name returned when the file cannot be opened: drawing with it shows plain colour.
inline constexpr GLuint missingTexture = 0xFFFFFFFFu;

// Returns the new texture's name, left bound; on failure shows "Load Bitmap failed : path"
// and returns missingTexture (cannot open) or 0 (not a regular file, or unsupported or
// broken contents).
GLuint loadBitmapTexture(const char* path);
