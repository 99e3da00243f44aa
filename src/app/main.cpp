#include "app/application.h"

int main(int argc, char** argv) {
    return reelsnap::RunApplication(argc, argv);
}
