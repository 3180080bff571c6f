# The machine's cache of long one-time builds and downloads, which later runs
# reuse: Qt for Windows, and the Debian roots that debootstrap makes. Sourced
# by the scripts that fill it.
#
# DILEMATA_CACHE moves it (default: ~/.cache/dilemata, or XDG_CACHE_HOME's).

cache_root() {
  echo "${DILEMATA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dilemata}"
}

# cached NAME COMMAND...: prints the folder of the cache entry NAME, made
# once by COMMAND, which is given the folder, empty, to fill in place. The
# entry counts only once COMMAND has succeeded: a run cut short leaves none,
# and the next run gives COMMAND the folder empty again. Runs at the same
# time wait for each other.
cached() {
  local name="$1" entry
  shift
  entry="$(cache_root)/$name"
  mkdir -p "$(cache_root)"
  (
    flock 9
    if [ ! -e "$entry/.complete" ]; then
      rm -rf "$entry"
      mkdir -p "$entry"
      "$@" "$entry" >&2
      touch "$entry/.complete"
    fi
  ) 9>"$(cache_root)/$name.lock"
  echo "$entry"
}
