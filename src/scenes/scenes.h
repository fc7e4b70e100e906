// The five timed scenes; each draws one frame from its own progress value alone.
#pragma once

void drawScene1(float sceneTime);
void drawScene2(float sceneTime);
void drawScene3(float sceneTime);
void drawScene4(float sceneTime);
void drawScene5(float sceneTime);
