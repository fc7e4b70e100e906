#include "platform/program_exit.h"

#include <cstdlib>

void exitProgram(int status) {
    std::exit(status);
}
