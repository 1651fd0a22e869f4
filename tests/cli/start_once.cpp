#include "Application.h"

#include <cstdio>
#include <cstdlib>

// The program's own start-up, ended as soon as the entry form is on screen.
int main(int argc, char *argv[])
{
    return Zorvane::StartUp(argc, argv, [](Zorvane::Navigator &) {
        std::puts("shown");
        std::fflush(stdout);
        std::_Exit(0);
    });
}
