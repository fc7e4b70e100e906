#include "shell/guarded.h"

int main(int argc, char** argv) {
    return runShowGuarded(argc, argv);
}
