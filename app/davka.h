// The batch command line: "zorvet compute PROBLEM ..." and "zorvet table RESULTS.odp".
// Runs without a display; results on standard output, messages on standard error.
#pragma once

namespace zorvet {

// Exit status of a batch run.
inline constexpr int kUspech = 0;
inline constexpr int kVypocetSelhal = 1;   // the computation failed (overflow or arithmetic failure)
inline constexpr int kNepouzitelnyVstup = 2;  // missing or unreadable file, no problem, incomplete problem, bad option

// True when the arguments ask for the batch command line rather than the window: a command
// word first, or --help / --version.
bool JeDavka(int argc, char** argv);

// Runs the batch command line and returns the exit status.
int SpustDavku(int argc, char** argv);

}  // namespace zorvet
