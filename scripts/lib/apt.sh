# The Debian archive as this machine's apt sources name it, and apt with a
# private list of sources, which leaves the machine's own sources and
# package lists alone. Sourced by the scripts that fetch from Debian.

# The archives that the machine's apt sources name, in either format.
apt_uris() {
  {
    grep -h -E '^[[:space:]]*URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null |
      sed -E 's/^[[:space:]]*URIs:[[:space:]]*//' | tr ' ' '\n'
    grep -h -E '^[[:space:]]*deb(-src)?[[:space:]]' /etc/apt/sources.list \
      /etc/apt/sources.list.d/*.list 2>/dev/null | sed -E 's/\[[^]]*\]//' | awk '{ print $2 }'
  } | grep -E '^https?://' || true
}

# The Debian mirror, and its security archive (empty when none is named).
debian_mirror() {
  apt_uris | grep -v -- '-security' | grep -E '/debian/?$' | head -n 1
}
debian_security_mirror() {
  apt_uris | grep -E '/debian-security/?$' | head -n 1
}

# release_sources TYPE RELEASE: the sources.list lines of a release's main,
# updates and security archives, TYPE being deb or deb-src.
release_sources() {
  local type="$1" release="$2" mirror security
  mirror="$(debian_mirror)"
  security="$(debian_security_mirror)"
  if [ -z "$mirror" ]; then
    echo "no Debian mirror found in this machine's apt sources" >&2
    return 1
  fi
  echo "$type $mirror $release main"
  echo "$type $mirror $release-updates main"
  [ -z "$security" ] || echo "$type $security $release-security main"
}

# private_apt DIR APT-GET-ARGS...: apt-get with the sources in DIR/sources.list
# and package lists of its own in DIR/lists.
private_apt() {
  local dir="$1"
  shift
  mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial"
  apt-get -q -o Dir::Etc::sourcelist="$dir/sources.list" -o Dir::Etc::sourceparts=/nonexistent \
    -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir/cache" -o APT::Sandbox::User=root "$@"
}
