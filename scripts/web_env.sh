# Sourced by the browser build's scripts: the environment every Emscripten
# command needs with Debian's emscripten 3.1.6 and Node 20.
#  - NODE_PATH: the optimiser's JavaScript passes find acorn and terser there;
#  - --no-experimental-fetch: Node 20 loads .wasm files again, so configure
#    tests and CMake's try-runs work;
#  - VK3_WASM_NODE: the emulator CMake runs try-run programs with (emcmake's
#    default passes a flag Node 20 rejects).
export NODE_PATH=/usr/share/nodejs
export NODE_OPTIONS=--no-experimental-fetch
VK3_WASM_NODE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wasm_node.sh"
export VK3_WASM_NODE
