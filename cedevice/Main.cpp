// cedevice: makes, inspects and changes device images from the host's command line.
#include <iostream>

#include "Cedevice.h"

int main(int argc, char** argv)
{
    return runCedevice(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
