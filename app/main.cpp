#include "lumenfold_main.h"

int main(int argc, char** argv) { return lumenfold::RunLumenfold(argc, argv); }
