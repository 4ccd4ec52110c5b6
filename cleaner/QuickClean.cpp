// The quick clean's entry points, waiting for the cleaning categories and the quick-clean window.
#include "QuickClean.h"

int runQuickCleanWindow(bool)
{
    return 1;
}

void cleanSelectedCategories()
{
}
