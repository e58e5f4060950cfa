# A first start with an empty settings store and no list file: the window comes up and the
# store then holds the Boost option, on, and nothing else.
source "$(dirname "$0")/lib.sh"
start_quipcast
[ ! -e "$E2E_DIR/app/defaultkeys.kyl" ] || fail "a first start wrote a list file"
wait_until 5 registry_is 'Options\Boost=1' ||
  fail "the settings store holds: $(helper registry)"
