#!/usr/bin/env bash
# Installs what is missing, builds the program (only the program: not the tests nor the benchmark)
# and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

install_missing_packages
build_preset release convex-hull
exec ./build/release/convex-hull
