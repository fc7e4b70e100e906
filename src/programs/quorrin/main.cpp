#include "programs/quorrin/startup.h"
#include "show/guarded.h"

int main(int argc, char** argv) {
    return runGuarded("quorrin", runShow, argc, argv);
}
