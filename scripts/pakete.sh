# Installs the Debian packages the build, the tests and the program need, when missing.
# Sourced by scripts/test, scripts/run and scripts/bench.
PAKETE=(cmake g++ make qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev
        libbenchmark-dev locales fonts-dejavu-core xvfb xauth poppler-utils libwmf-bin imagemagick)

pakete_installieren() {
  local fehlend=() p
  for p in "${PAKETE[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${fehlend[@]}"
  fi
  # The number-text tests also run under a German (comma) locale.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
}
