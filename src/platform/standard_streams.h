// The standard streams as the show's progress lines need them.
#pragma once

// Started with standard output (or input, or error) closed, the next file the program opened
// would take its number, and the progress lines would be written into a picture or into the
// display's connection: a null device holds those places instead. Standard output is then
// delivered a line at a time, also to a pipe or a log, so each frame's line is seen as it
// is drawn.
void prepareStandardStreams();
