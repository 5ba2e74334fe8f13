#!/bin/sh
# Runs a program built for WebAssembly under Node (CMake's try-run emulator).
exec node --no-experimental-fetch "$@"
