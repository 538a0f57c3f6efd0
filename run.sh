#!/usr/bin/env bash
# Installs what is missing, builds the game and its data tree, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup
scripts/build build
cd build/game
exec ./voidmarch
