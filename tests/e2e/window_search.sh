# Finding X windows by name or class. Debian's xdotool ends its search with an X error, and
# the status of "nothing found", when any window is destroyed while it looks (programs make and
# drop windows as they start); such a search is run again, for up to a second, rather than taken
# as an answer.
# Needs wait_until.

# search_windows XDOTOOL_SEARCH_ARGS...: prints the matching window ids; fails when none match.
search_windows() {
  local found _
  for _ in {1..20}; do
    found=$(xdotool search "$@" 2>&1) || true
    grep -q '^X Error' <<<"$found" || break
    sleep 0.05
  done
  grep -E '^[0-9]+$' <<<"$found"
}

# window_of NAME_PATTERN: the id of a window whose title matches, waiting up to ten seconds.
window_of() { wait_until 10 search_windows --limit 1 --name "$1"; }
