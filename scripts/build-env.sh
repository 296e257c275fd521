# Sourced by the build scripts: compile through ccache (installed by setup.sh), keyed on
# paths relative to the checkout, so a fresh clone in another folder reuses what an
# earlier build of the same sources compiled.
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
  export CCACHE_NOHASHDIR=1
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
