#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

install_missing_packages
build_preset release
exec ./build/release/convex-hull
