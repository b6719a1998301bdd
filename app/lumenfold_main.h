// The program's main routine.
#ifndef LUMENFOLD_APP_LUMENFOLD_MAIN_H_
#define LUMENFOLD_APP_LUMENFOLD_MAIN_H_

namespace lumenfold {

// Starts the application, creates the window and handles its messages
// until the window closes. An error during start-up is shown to the user.
// Returns the exit status, always 0.
int RunLumenfold(int& argc, char** argv);

}  // namespace lumenfold

#endif  // LUMENFOLD_APP_LUMENFOLD_MAIN_H_
