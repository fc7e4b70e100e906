// Each scene's two routines, in timeline order: the state step and the drawing.
#pragma once
#include "scenes/scenes.h"
#include "show/scene_table.h"

struct SceneRoutines {
    void (*step)(float sceneTime);
    void (*draw)(float sceneTime);
};

inline constexpr SceneRoutines sceneRoutines[sceneCount] = {
    {stepScene1, drawScene1}, {stepScene2, drawScene2}, {stepScene3, drawScene3},
    {stepScene4, drawScene4}, {stepScene5, drawScene5},
};
