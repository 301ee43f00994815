#include "app/startup.h"

#include "platform/application.h"

int main(int argc, char **argv)
{
    platform::TApplication application(argc, argv);
    return RunGame();
}
