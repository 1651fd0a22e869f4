#include "Application.h"

int main(int argc, char *argv[])
{
    return Zorvane::StartUp(argc, argv);
}
