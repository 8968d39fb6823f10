#!/usr/bin/env bash
# Runs scripts/install-deps.sh against a fake system: dpkg-query answers from a list of
# installed packages, apt-get and sudo only note how they were called, and id says who
# runs it. Nothing is installed; only the given script is tested.
# Usage: install_deps_test.sh <path of install-deps.sh>
set -uo pipefail

script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

RUN_SET="cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-wine fonts-wqy-microhei"
TEST_ONLY="libgtest-dev libgmock-dev gcovr clang libclang-rt-dev xvfb xdotool libxcb1-dev libxcb-damage0-dev
dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 locales"

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A bin folder holding only the fakes and bash, so that no real sudo or apt-get on this
# machine can be reached.
make_system() {
  local bin=$work/bin
  rm -rf "$bin" && mkdir -p "$bin"
  ln -s "$(command -v bash)" "$bin/bash"
  # Asked with -W -f='${Package} ${Status}\n' and the packages' names, as dpkg-query is.
  cat >"$bin/dpkg-query" <<'FAKE'
#!/bin/bash
status=0
for package in "${@:3}"; do
  known=
  for installed in $FAKE_INSTALLED; do
    [ "$installed" = "$package" ] && known=yes
  done
  if [ -n "$known" ]; then
    echo "$package install ok installed"
  else
    echo "dpkg-query: no packages found matching $package" >&2
    status=1
  fi
done
exit $status
FAKE
  cat >"$bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE_CALLS"
FAKE
  cat >"$bin/id" <<'FAKE'
#!/bin/bash
echo "$FAKE_UID"
FAKE
  if [ "$1" = with-sudo ]; then
    cat >"$bin/sudo" <<'FAKE'
#!/bin/bash
echo -n "sudo " >>"$FAKE_CALLS"
exec "$@"
FAKE
  fi
  chmod +x "$bin"/*
}

# Runs the script as uid $1, with the packages $2 installed and the argument $3; sets
# status, out, err and calls.
run_script() {
  : >"$work/calls"
  env -i PATH="$work/bin" FAKE_UID="$1" FAKE_INSTALLED="$2" FAKE_CALLS="$work/calls" \
    /usr/bin/env bash "$script" "$3" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  calls=$(cat "$work/calls")
}

expect_eq() {
  [ "$2" = "$3" ] || fail "$1: expected [$3], got [$2]"
}

# As root with nothing installed, run asks for the run set and no test package.
make_system without-sudo
run_script 0 "" run
expect_eq "run status" "$status" 0
expect_eq "run installs" "$calls" "apt-get update -qq
apt-get install -y -qq $RUN_SET"
for package in $TEST_ONLY; do
  case " $calls " in *" $package "*) fail "run installs the test package $package" ;; esac
done
expect_eq "run names what it installs on stderr" "$err" "Installing: $RUN_SET"
expect_eq "run keeps stdout free" "$out" ""

# Without root and without sudo: one message naming exactly the missing packages and
# the command that installs them; nothing is tried.
run_script 1000 "$RUN_SET libgmock-dev gcovr clang libclang-rt-dev xvfb xdotool libxcb1-dev libxcb-damage0-dev
dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0" test
expect_eq "no sudo status" "$status" 1
expect_eq "no sudo message" "$err" "Missing packages: libgtest-dev locales. Install them as root with:
  apt-get install libgtest-dev locales"
expect_eq "no sudo calls" "$calls" ""

# With sudo, the same packages go through it, and the line says what is installed.
make_system with-sudo
run_script 1000 "$RUN_SET libgmock-dev gcovr clang libclang-rt-dev xvfb xdotool libxcb1-dev libxcb-damage0-dev
dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0" test
expect_eq "sudo status" "$status" 0
expect_eq "sudo calls" "$calls" "sudo apt-get update -qq
sudo apt-get install -y -qq libgtest-dev locales"
expect_eq "sudo message" "$err" "Installing: libgtest-dev locales"
expect_eq "sudo keeps stdout free" "$out" ""

# Everything there: nothing is said and nothing is run, not even by a user without sudo.
make_system without-sudo
run_script 1000 "$RUN_SET $TEST_ONLY" test
expect_eq "all there status" "$status" 0
expect_eq "all there calls" "$calls" ""
expect_eq "all there says nothing" "$out$err" ""

# The run set alone is enough for run, though test packages are missing.
run_script 1000 "$RUN_SET" run
expect_eq "run set there status" "$status" 0
expect_eq "run set there calls" "$calls" ""

[ "$failures" -eq 0 ] && echo "install-deps: every case passed"
exit $((failures > 0))
