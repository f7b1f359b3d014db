#!/usr/bin/env bash
# Builds Calvex and runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh

calvex_install_packages
calvex_build

status=0
ctest --test-dir build --output-on-failure || status=$?
exit "$status"
