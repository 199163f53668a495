// The two options every program answers before anything else: --help and --version.
#pragma once

#include <cstdio>

// True when an argument is --help or --version. The program then prints its
// answer and ends: it reads no input and opens no window.
bool asksForHelpOrVersion(int argc, char** argv);

// Prints, for whichever of --help and --version comes first, the usage in
// Serbian or the line "trikros VERSION". The usage names the program:
// fixedCase 0 is trikros, 1 to 12 are trikros-case01 to trikros-case12.
// Returns the exit status: 0, or 1 when the text could not be written.
//
//   if (asksForHelpOrVersion(argc, argv)) return answerHelpOrVersion(argc, argv, 0, stdout);
int answerHelpOrVersion(int argc, char** argv, int fixedCase, std::FILE* output);
