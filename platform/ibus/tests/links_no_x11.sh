# The input-method path works without X11: the engine loads no X library at all, and the
# programs' IBus backend links none of its own (Qt's Gui library brings libX11 by itself).
# Run as: links_no_x11.sh ENGINE IBUS_BACKEND_TEST
set -euo pipefail
x_libraries='lib(X11|X11-xcb|Xi|Xtst|Xext|xcb|atspi)\.so'
if found=$(ldd "$1" | grep -E "$x_libraries"); then
  echo "the engine loads X libraries:"$'\n'"$found"
  exit 1
fi
if found=$(readelf -d "$2" | grep NEEDED | grep -E "$x_libraries"); then
  echo "the IBus backend links X libraries:"$'\n'"$found"
  exit 1
fi
if found=$(ldd "$2" | grep -E 'lib(Xi|Xtst|atspi)\.so'); then
  echo "the IBus backend loads the X11 backend's libraries:"$'\n'"$found"
  exit 1
fi
