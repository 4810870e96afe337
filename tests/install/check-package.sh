#!/bin/sh
# Builds the Debian package of a build tree with CPack into a folder of its own, and checks
# its contents (dpkg-deb -c) and its control fields: every installed file in place under /usr,
# the program's modules among them, the libraries' packages found by dpkg-shlibdeps (the help
# module's included), the MIT licence as the copyright file; its name carries the programs'
# version, and is the name the README tells to install.
# Usage: check-package.sh CPACK BUILD OUTDIR README
set -eu

cpack=$1 build=$2 out=$3 readme=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack -G DEB failed"; }
set -- "$out"/shroud-a-pad_*.deb
[ -f "$1" ] || fail "no package in $out"
deb=$1

version=$("$build/bin/qvl" --version | sed -n 's/^qvl //p')
case $(basename "$deb") in
"shroud-a-pad_${version}_"*) ;;
*) fail "$(basename "$deb") does not carry the version $version" ;;
esac
grep -qF "./$(basename "$deb")" "$readme" || fail "the README does not name $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{ print $1, $6 }')
for file in usr/bin/shroud-a-pad usr/bin/qvl; do
    echo "$contents" | grep -qx -- "-rwxr-xr-x ./$file" || fail "$file is missing or not executable"
done
for file in lib/shroud-a-pad/shroud-a-pad-openpgp.so lib/shroud-a-pad/shroud-a-pad-help.so \
    share/applications/shroud-a-pad.desktop share/mime/packages/shroud-a-pad.xml \
    share/icons/hicolor/scalable/apps/shroud-a-pad.svg \
    share/icons/hicolor/16x16/apps/shroud-a-pad.png share/icons/hicolor/32x32/apps/shroud-a-pad.png \
    share/metainfo/io.github.shroud_a_pad.shroud_a_pad.metainfo.xml \
    share/shroud-a-pad/help/QVL.qhc share/shroud-a-pad/help/QVL.qch \
    share/shroud-a-pad/help/QVL_de.qhc share/shroud-a-pad/help/QVL_fr.qhc \
    share/shroud-a-pad/translations/shroud-a-pad_de.qm \
    share/shroud-a-pad/translations/shroud-a-pad_zh_CN.qm \
    share/man/man1/shroud-a-pad.1.gz share/man/man1/qvl.1.gz share/doc/shroud-a-pad/copyright; do
    echo "$contents" | grep -qx -- "-rw-r--r-- ./usr/$file" || fail "usr/$file is missing"
done
stray=$(echo "$contents" | awk '{ print $2 }' | grep -v '^\./usr/' || true)
[ -z "$stray" ] || fail "files outside /usr: $stray"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6help6 libc6 libqt6sql6-sqlite libgpgmepp6 gnupg gpg-agent; do
    case ", $depends," in
    *", $library"[\ ,]*) ;;
    *) fail "the package does not depend on $library: $depends" ;;
    esac
done

# Qt's own dialogs and buttons speak the user's language from Qt's catalogues.
recommends=$(dpkg-deb -f "$deb" Recommends)
case "$recommends" in
*qt6-translations-l10n*) ;;
*) fail "the package does not recommend qt6-translations-l10n: $recommends" ;;
esac

dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/shroud-a-pad/copyright >"$out/copyright"
grep -q '^License: MIT$' "$out/copyright" || fail "the copyright file names no MIT licence"
grep -q '^ Copyright (c) 2026 the Shroud-a-Pad developers$' "$out/copyright" ||
    fail "the copyright file does not hold the licence's text"
echo "package is complete: $(basename "$deb")"
