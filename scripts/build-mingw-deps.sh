#!/usr/bin/env bash
# Builds zlib-linked libpng and giflib for one mingw-w64 target from Debian's source
# packages (static libraries and headers): x86_64 into .cache/mingw-deps, i686 into
# .cache/mingw-deps-i686. Also unpacks Google Benchmark's source into
# .cache/src/benchmark-source, which the Windows builds compile as a subproject (as they
# do with GoogleTest's). The sources are fetched once for both targets; nothing of them
# enters the repository.
#   build-mingw-deps.sh [x86_64-w64-mingw32|i686-w64-mingw32]   (default: x86_64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-x86_64-w64-mingw32}
case "$host" in
  x86_64-w64-mingw32 | i686-w64-mingw32) ;;
  *) echo "build-mingw-deps: unknown target $host" >&2; exit 2 ;;
esac
cache="$root/.cache"
case "$host" in
  x86_64-*) prefix="$cache/mingw-deps" ;;
  i686-*) prefix="$cache/mingw-deps-i686" ;;
esac
stamp="$prefix/.complete-v1"
benchmark_source="$cache/src/benchmark-source"
[ -f "$stamp" ] && [ -f "$benchmark_source/CMakeLists.txt" ] && exit 0

cc="$host-gcc-posix"
ar="$host-ar"
src="$cache/src"
mkdir -p "$src" "$prefix/include" "$prefix/lib"

# A deb-src entry derived from the machine's own apt sources.
srclist=/etc/apt/sources.list.d/kova-deb-src.sources
if [ ! -f "$srclist" ]; then
  for f in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; do
    [ -f "$f" ] || continue
    if grep -q '^Types:' "$f"; then
      sed 's/^Types: deb$/Types: deb-src/' "$f" > "$srclist"
    else
      grep -E '^deb ' "$f" | sed 's/^deb /deb-src /' > "${srclist%.sources}.list"
      srclist="${srclist%.sources}.list"
    fi
    break
  done
  apt-get update -qq
fi

fetch() { # package -> extracted upstream directory
  local pkg=$1
  local tarball
  tarball=$(ls "$src"/*.orig.tar.* 2>/dev/null | grep -i "$2" | head -n 1 || true)
  if [ -z "$tarball" ]; then
    # Only the upstream tarball is needed; a missing Debian patch file is not fatal.
    ( cd "$src" && apt-get source --download-only -qq "$pkg" >/dev/null 2>&1 ) || true
    tarball=$(ls "$src"/*.orig.tar.* 2>/dev/null | grep -i "$2" | head -n 1 || true)
  fi
  [ -n "$tarball" ] || { echo "build-mingw-deps: could not fetch the source of $pkg" >&2; exit 1; }
  local dir="$src/$pkg-upstream-$host"
  rm -rf "$dir" && mkdir -p "$dir"
  tar -xf "$tarball" -C "$dir" --strip-components=1
  echo "$dir"
}

if [ ! -f "$benchmark_source/CMakeLists.txt" ]; then
  unpacked=$(fetch benchmark benchmark)
  rm -rf "$benchmark_source"
  mv "$unpacked" "$benchmark_source"
fi
[ -f "$stamp" ] && exit 0

# libpng: its own makefile-free build; compile the library sources directly.
png=$(fetch libpng1.6 libpng)
cp "$png/scripts/pnglibconf.h.prebuilt" "$png/pnglibconf.h"
objs=()
for f in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans pngwio pngwrite pngwtran pngwutil; do
  "$cc" -O2 -DPNG_INTEL_SSE_OPT=0 -I"$png" -c "$png/$f.c" -o "$png/$f.o"
  objs+=("$png/$f.o")
done
rm -f "$prefix/lib/libpng.a"
"$ar" rcs "$prefix/lib/libpng.a" "${objs[@]}"
cp "$png/png.h" "$png/pngconf.h" "$png/pnglibconf.h" "$prefix/include/"

gif=$(fetch giflib giflib)
objs=()
for f in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
  [ -f "$gif/$f.c" ] || continue
  "$cc" -O2 -I"$gif" -c "$gif/$f.c" -o "$gif/$f.o"
  objs+=("$gif/$f.o")
done
rm -f "$prefix/lib/libgif.a"
"$ar" rcs "$prefix/lib/libgif.a" "${objs[@]}"
cp "$gif/gif_lib.h" "$prefix/include/"

touch "$stamp"
echo "mingw deps ready in $prefix"
