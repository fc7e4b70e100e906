#include "draw/sprite_fields.h"
#include "scenes/frame_carry.h"
#include "scenes/scene2.h"
#include "scenes/scene3.h"
#include "scenes/scenes.h"

void resetSceneStates() {
    clearSpriteTables();
    resetScene2State();
    resetScene3State();
    resetCarriedGlState();
}
