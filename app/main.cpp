#include "app/program.h"

int main(int argc, char** argv) { return app::StartRoutine(argc, argv); }
