#!/usr/bin/env bash
# Installs what the build needs on a Debian 12 machine (as root), once.
# Then fetches Debian's zlib source package (for ZLIB.DLL) into a cache outside the tree.
set -euo pipefail
need=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
[ -f /usr/x86_64-w64-mingw32/include/zlib.h ] || need+=(libz-mingw-w64-dev)
command -v wine >/dev/null || need+=(wine wine64 fonts-wine)
command -v Xvfb >/dev/null || need+=(xvfb xauth)
command -v xdotool >/dev/null || need+=(xdotool)
command -v xprop >/dev/null || need+=(x11-utils)
# The desktop tests' event waiter (tools/tests/desktop_events.py): Python and libX11.
[ -x /usr/bin/python3 ] || need+=(python3)
[ -e /usr/lib/x86_64-linux-gnu/libX11.so.6 ] || need+=(libx11-6)
command -v import >/dev/null || need+=(imagemagick)
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
[ -d /usr/src/googletest ] || need+=(googletest)
command -v ninja >/dev/null || need+=(ninja-build)
# clang with libFuzzer's run-time: the fuzz targets.
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 && command -v clang++ >/dev/null ||
  need+=(clang libclang-rt-14-dev)
# LAPACK and BLAS: the reference of the half-space benchmark.
[ -f /usr/lib/x86_64-linux-gnu/liblapack.a ] || need+=(liblapack-dev libblas-dev)
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# zlib sources (zlib + contrib/minizip) for the cross-built ZLIB.DLL.
C=${ZLIB_SRC_CACHE:-/var/cache/suite-zlib-src}
if ! ls "$C"/zlib_*.orig.tar.* >/dev/null 2>&1; then
  mkdir -p "$C/lists/partial"
  uri=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null)
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uri" > "$C/src.sources"
  O=(-o Dir::Etc::sourcelist="$C/src.sources" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$C/lists")
  apt-get "${O[@]}" update -qq
  (cd "$C" && apt-get "${O[@]}" source --download-only zlib >/dev/null)
fi
ls "$C"/zlib_*.orig.tar.* | head -1
