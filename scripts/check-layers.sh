#!/usr/bin/env bash
# Fails when a project include points up the layers or across peers:
#   core ← platform ← resources ← controls, trend, sequencer (peers) ← panel ← app
# device stands alone; sequencer, panel and app may use it. Tests, benchmarks and fuzz targets
# may include anything. Usage: check-layers.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

declare -A allowed=(
  [core]="core"
  [platform]="platform core"
  [resources]="resources platform core"
  [controls]="controls resources platform core"
  [trend]="trend resources platform core"
  [sequencer]="sequencer resources platform core device"
  [panel]="panel controls trend sequencer resources platform core device"
  [app]="app panel controls trend sequencer resources platform core device"
  [device]="device"
)

status=0
for layer in "${!allowed[@]}"; do
  [ -d "$root/$layer" ] || continue
  while IFS=: read -r file line target; do
    target=${target#*\"}
    used=${target%%/*}
    [ "$used" = "$target" ] && continue # a header beside the file, not a layer path
    [ -d "$root/$used" ] || continue
    if [[ " ${allowed[$layer]} " != *" $used "* ]]; then
      echo "${file#"$root"/}:$line: $layer must not include $target" >&2
      status=1
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$root/$layer" |
    sed -E 's/^([^:]+):([0-9]+):.*#[[:space:]]*include[[:space:]]+("[^"]+)".*/\1:\2:\3/')
done
exit $status
