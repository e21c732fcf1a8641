# Debian packages the program, its build and its tests need. Sourced by scripts/run and scripts/test.
# Installed with --no-install-recommends, so everything needed is named here, recommends included.

# What the installed program needs at run time beyond the shared libraries it links: the SQLite driver
# plugin of Qt SQL, the fonts (libwmf draws metafile text with the URW base-35 fonts, which its
# package only recommends; DejaVu is the default reading font), Qt's own translations (the buttons of
# its dialogs), SWORD's locale files (book names in the reader's language), the SWORD library,
# which reads the other Bibles installed on the computer (the Bibles themselves, sword-text-*, are
# only recommended), and Qt's speech library for reading aloud (its engines are plugins:
# speech-dispatcher's on a desktop, flite's in the tests).
KIVRA_RUNTIME_PACKAGES="libqt6sql6-sqlite fonts-urw-base35 fonts-dejavu-core qt6-translations-l10n libsword-common
 libsword1.9.0 libqt6texttospeech6"

# The build: compiler, Qt (qt6-tools-dev and qt6-l10n-tools for the translations' lupdate and lrelease),
# and every development package the linked libraries' pkg-config files name (libwmf's names -lfreetype
# -lX11 -lexpat -ljpeg -lpng -lz; libwmf-dev itself pulls in only some of them).
KIVRA_BUILD_PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libsqlite3-dev
 qt6-tools-dev qt6-l10n-tools qt6-webengine-dev qt6-svg-dev libwmf-dev libemf2svg-dev libgl-dev
 libexpat1-dev libjpeg-dev libpng-dev libfreetype-dev libx11-dev zlib1g-dev bible-kjv libsword-dev qt6-speech-dev"

# The tests and the screenshots: a headless X server, PDF text, GoogleTest and Google Benchmark;
# osis2mod makes small SWORD modules, and Debian's Bibles are compared with the library's own reader;
# the word study and the commentaries are tried on Debian's KJV with Strong's numbers, the two
# Strong's lexicons, two commentaries that read and one (MHCC) packaged damaged.
KIVRA_TEST_PACKAGES="xvfb xauth imagemagick poppler-utils libgtest-dev libbenchmark-dev
 desktop-file-utils sqlite3 libsword-utils diatheke sword-text-web sword-text-sparv
 sword-text-kjv sword-dict-strongs-greek sword-dict-strongs-hebrew sword-comm-scofield
 sword-comm-mhcc sword-comm-tdavid qt6-speech-flite-plugin"

KIVRA_PACKAGES="$KIVRA_RUNTIME_PACKAGES $KIVRA_BUILD_PACKAGES $KIVRA_TEST_PACKAGES"

kivra_install_missing() {
  local missing=()
  for p in $KIVRA_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them as root with:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
