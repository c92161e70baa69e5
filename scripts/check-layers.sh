#!/usr/bin/env bash
# Fails when a file includes from a layer above its own, or when the engine
# includes Qt. Layers from the bottom: engine, ui, then cli and app.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
forbid() {
    local folder=$1 pattern=$2 why=$3
    local hits
    hits=$(grep -rnE "^\s*#\s*include\s*$pattern" "$folder" --include='*.h' --include='*.cpp' || true)
    if [ -n "$hits" ]; then
        printf '%s\n%s\n' "$why" "$hits" >&2
        status=1
    fi
}

forbid engine '[<"]Q' 'The engine must not include Qt:'
forbid engine '"(ui|cli|app)/' 'The engine must not include an upper layer:'
forbid ui '"(cli|app)/' 'The ui layer must not include cli or app:'
forbid cli '"app/' 'talo-cli must not include the desktop program:'
forbid app '"cli/' 'The desktop program must not include talo-cli:'
exit $status
