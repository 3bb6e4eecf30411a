// Prints one "name: value" line per figure.

#include "engine_bench.h"

int main() {
    benchEngine();
    return 0;
}
