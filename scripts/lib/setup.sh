# Shared set-up for scripts/run and scripts/test: the Debian packages the
# build, the tests and the fuzzers need, installed only when missing.
# Sourced, not run; expects bash.

# The repository root, whatever the caller's current directory.
QK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

QK_PACKAGES=(
  # build
  cmake g++ make qt6-base-dev libjpeg62-turbo-dev
  # unit tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing: clang, and libclang-rt-14-dev for libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # end-to-end tests: a virtual X server, a window manager, input and screenshots
  xvfb openbox xdotool x11-utils imagemagick
  # fonts, so text renders the same everywhere
  fonts-dejavu-core fonts-liberation
)

# Colour only for a person at a terminal; CI logs get plain text.
if [[ -t 1 && "${CI:-}" != "true" ]]; then
  qk_bold=$'\e[1m' qk_red=$'\e[31m' qk_reset=$'\e[0m'
else
  qk_bold='' qk_red='' qk_reset=''
fi

qk_step() { printf '%s==> %s%s\n' "$qk_bold" "$*" "$qk_reset"; }
qk_die() { printf '%serror: %s%s\n' "$qk_red" "$*" "$qk_reset" >&2; exit 1; }

# Runs a command as root: directly when we are root, through sudo otherwise.
qk_as_root() {
  if [[ $(id -u) -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    qk_die "need root to run '$*', and sudo is not installed"
  fi
}

# Prints the packages of QK_PACKAGES that are not installed.
qk_missing_packages() {
  local package status
  for package in "${QK_PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || printf '%s\n' "$package"
  done
}

qk_ensure_packages() {
  command -v dpkg-query >/dev/null || qk_die "dpkg-query not found: these scripts expect Debian 12"
  local missing
  mapfile -t missing < <(qk_missing_packages)
  if [[ ${#missing[@]} -eq 0 ]]; then
    return
  fi
  qk_step "installing missing Debian packages: ${missing[*]}"
  qk_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q \
    || qk_die "apt-get update failed"
  qk_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o Dpkg::Use-Pty=0 --no-install-recommends "${missing[@]}" \
    || qk_die "could not install: ${missing[*]}"
}

qk_jobs() { nproc 2>/dev/null || echo 2; }
