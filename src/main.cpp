#include "ui/app/Application.h"

int main(int argc, char** argv) {
    return zyv::LanceApplication(argc, argv);
}
