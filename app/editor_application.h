// Start and end of the editor: the one editor state, database, document and main window of the run, the
// translations, the file-type registration, the command line, and the screenshot mode.
//
//   vizud [FILE.si]                          start the editor, opening FILE
//   vizud --screenshot OUT.png [FILE.si]     render the main window (with FILE) to OUT.png and exit
#pragma once

namespace vizud {

// Runs the editor; returns the process's exit status.
int runEditor(int argc, char** argv);

}  // namespace vizud
