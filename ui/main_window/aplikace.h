// Start of the windowed program.
#pragma once

namespace zorvet {

// Runs the main window until it is closed, with the file named as the only argument opened;
// returns the exit status.
int SpustOkna(int& argc, char** argv);

}  // namespace zorvet
