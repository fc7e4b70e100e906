// How the show's program ends. Natively the process exits, and the exit routines run (the
// music closed, the desktop's screen mode given back); in a page the program stops drawing
// and answering, and the page takes over with the status.
#pragma once

[[noreturn]] void exitProgram(int status);
