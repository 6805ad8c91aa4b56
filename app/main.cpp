#include "editor/ConfiguratorMain.h"

int main(int argc, char** argv) { return koru::RunConfigurator(argc, argv); }
