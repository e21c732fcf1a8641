# Debian packages the program, its build and its tests need. Sourced by scripts/run and scripts/test.
KIVRA_PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev
 qt6-webengine-dev qt6-svg-dev libwmf-dev libemf2svg-dev libgl-dev bible-kjv
 xvfb xauth imagemagick poppler-utils fonts-dejavu-core libgtest-dev libbenchmark-dev desktop-file-utils"

kivra_install_missing() {
  local missing=()
  for p in $KIVRA_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them as root with:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
