// Tells the person running the show that something went wrong, without stopping it.
#pragma once

// Writes text as one line to standard error and returns at once.
void showMessage(const char* text);
