#include "app/startup/Startup.h"

int main(int argc, char** argv) {
    return runClassShaper(argc, argv);
}
