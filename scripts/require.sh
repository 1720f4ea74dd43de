# Sourced by every script: `require PURPOSE TOOL...` checks, before the script starts its work,
# that each outside tool it calls is on the PATH. The first one missing ends the script at once,
# by name, with the set-up command whose PURPOSE installs it.
require() {
  local purpose=$1 tool
  shift
  for tool in "$@"; do
    if ! type -P "$tool" >/dev/null; then
      echo "missing tool: $tool (install it with scripts/install-deps.sh $purpose)" >&2
      exit 127
    fi
  done
}
