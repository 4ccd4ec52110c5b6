// The quick clean started by "-Q" and at reset: with its window, or silently.
#pragma once

// Runs the quick-clean window modally and starts its cleaning at once; its progress display is
// hidden unless `showProgress`. Returns the window's result: 0 asks for the interactive program.
// The window comes with the cleaner; until then nothing is shown and the result is 1.
int runQuickCleanWindow(bool showProgress);

// Cleans the selected categories on the calling thread without any window; nothing to clean
// until the cleaning categories exist.
void cleanSelectedCategories();
