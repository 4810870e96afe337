#!/usr/bin/env bash
# Sets up a Debian 12 machine for Shroud-a-Pad, builds it, and runs it or its tests.
#   ./build.sh run [FILE]   install what is missing, build, start the editor
#   ./build.sh test         install what is missing, build, run every test (ctest),
#                           then the cipher, qvl and settings-file text tests again under
#                           ASan and UBSan
#   ./build.sh fuzz [SECONDS] build the fuzz targets (armour, settings-file text and values,
#                           UTF-8 decoding, qvl's options, OpenPGP message finder) with clang
#                           and run each of them (default 60 s each)
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config libsodium-dev
          qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6sql6-sqlite
          qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-l10n-tools qt6-translations-l10n
          libgl-dev libxkbcommon-dev fonts-dejavu-core fonts-dejavu-extra
          libbenchmark-dev libgtest-dev libgpgmepp-dev libgpgme-dev gnupg gpg-agent clang-14 libclang-rt-14-dev clang-format-14
          desktop-file-utils shared-mime-info libxml2-utils appstream dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHROUD_WERROR=ON >/dev/null
    cmake --build build -j"$(nproc)"
}

sanitized_cipher_tests() {
    CXX=clang++-14 cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DSHROUD_CIPHER_ONLY=ON -DSHROUD_SANITIZE=ON -DSHROUD_WERROR=ON >/dev/null
    cmake --build build-sanitize -j"$(nproc)"
    ctest --test-dir build-sanitize --output-on-failure
}

fuzz_targets() {
    CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSHROUD_CIPHER_ONLY=ON -DSHROUD_SANITIZE=ON -DSHROUD_FUZZ=ON -DSHROUD_WERROR=ON >/dev/null
    local names=(armour profile_text settings_value utf8_decoding qvl_options message_finding)
    cmake --build build-fuzz --target "${names[@]/#/fuzz_}"
    # New finds go to build-fuzz/<name>-corpus; the checked-in corpora are only read.
    local name
    for name in "${names[@]}"; do
        local corpus=${name//_/-}-corpus
        mkdir -p "build-fuzz/$corpus"
        build-fuzz/bin/fuzz_$name -max_total_time="${1:-60}" -max_len=30000 \
            "build-fuzz/$corpus" "fuzz/$corpus"
    done
}

case "${1:-}" in
    run)
        install_missing
        build
        shift
        exec build/bin/shroud-a-pad "$@"
        ;;
    test)
        install_missing
        build
        ctest --test-dir build --output-on-failure -j"$(nproc)"
        sanitized_cipher_tests
        ;;
    fuzz)
        install_missing
        fuzz_targets "${2:-60}"
        ;;
    *)
        echo "usage: $0 run [FILE] | test | fuzz [SECONDS]" >&2
        exit 1
        ;;
esac
