#include "shell/Launcher.h"

int main(int argc, char *argv[])
{
    return vesk::launch(argc, argv);
}
