#include "shell/guarded.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    return runGuarded("quorrin", runShow, argc, argv);
}
