# Sourced by the benchmark scripts: install_missing PACKAGE... installs with
# apt-get those of the Debian packages that this machine lacks.
install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  if ((${#missing[@]} > 0)); then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}
