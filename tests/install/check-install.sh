#!/bin/sh
# Installs a build tree into an empty folder and checks what lands there: the programs and
# their modules, the help collection, the desktop entry, the armoured-text file type, the program
# icon, the AppStream metainfo, the manual pages and the licence.
# Usage: check-install.sh CMAKE BUILD PREFIX BINDIR DATADIR MODULES VALIDATE XMLLINT UPDATE_MIME
#        PROGRAM...   (MODULES: the modules folder, relative to BINDIR)
# (an empty VALIDATE, XMLLINT or UPDATE_MIME skips that tool's check).
set -eu

cmake=$1 build=$2 prefix=$3 bindir=$4 datadir=$5 modules=$6
validate=$7 xmllint=$8 update_mime=$9
shift 9

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 ||
    { cat "$prefix.log" >&2; fail "cmake --install failed"; }

desktop=$prefix/$datadir/applications/shroud-a-pad.desktop
mime=$prefix/$datadir/mime/packages/shroud-a-pad.xml
icons=$prefix/$datadir/icons/hicolor

for file in "$desktop" "$mime" "$icons/scalable/apps/shroud-a-pad.svg" \
    "$prefix/$datadir/metainfo/io.github.shroud_a_pad.shroud_a_pad.metainfo.xml" \
    "$prefix/$datadir/doc/shroud-a-pad/copyright"; do
    [ -f "$file" ] || fail "${file#"$prefix"/} is not installed"
done

# The manual pages, compressed, in the form man reads.
for page in shroud-a-pad qvl; do
    manual=$prefix/$datadir/man/man1/$page.1.gz
    [ -f "$manual" ] || fail "the manual page $page(1) is not installed"
    gzip -dc "$manual" | grep -q "^\.TH $(echo "$page" | tr a-z A-Z) 1 " || fail "$manual is no manual page"
done

# A PNG states its width and height as two big-endian 32-bit numbers from byte 16 on.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 16 32; do
    png=$icons/${size}x$size/apps/shroud-a-pad.png
    [ -f "$png" ] || fail "${png#"$prefix"/} is not installed"
    [ "$(png_size "$png")" = "${size}x$size" ] || fail "$png is $(png_size "$png"), not ${size}x$size"
done

for program in "$@"; do
    [ -x "$prefix/$bindir/$program" ] || fail "$bindir/$program is not installed"
done

# Each module lies where the program looks for it, beside it as in the build tree; the help
# viewer's is one of them.
[ -f "$build/bin/$modules/shroud-a-pad-help.so" ] || fail "the build holds no help module"
for module in "$build/bin/$modules"/*.so; do
    [ -f "$module" ] || fail "the build holds no module in bin/$modules"
    [ -f "$prefix/$bindir/$modules/$(basename "$module")" ] ||
        fail "$(basename "$module") is not installed in $bindir/$modules"
done

# Neither the programs nor the modules carry a run path, in the build tree or installed: the
# loader finds their libraries in the system's folders, and an empty entry in a run path would
# make it look in whatever folder the program was started from.
no_run_path() {
    ! readelf -d "$1" | grep -Eq '\(R(UN)?PATH\)' || fail "$1 carries a run path"
}
for program in "$@"; do
    no_run_path "$build/bin/$program"
    no_run_path "$prefix/$bindir/$program"
done
for module in "$build/bin/$modules"/*.so "$prefix/$bindir/$modules"/*.so; do
    no_run_path "$module"
done

# The programs and modules are bound at start (no lazy binding, whose saved registers would
# keep a phrase's bytes in the process's memory).
bound_now() {
    readelf -d "$1" | grep -q 'FLAGS_1.*NOW' || fail "$1 is bound lazily"
}
for program in "$@"; do
    bound_now "$prefix/$bindir/$program"
done
for module in "$prefix/$bindir/$modules"/*.so; do
    bound_now "$module"
done

# Every place that names the program's own version names the same one: each program's
# --version, the manual pages' headings and the AppStream metainfo's newest release.
version=$("$prefix/$bindir/qvl" --version | sed -n 's/^qvl //p')
[ -n "$version" ] || fail "qvl --version names no version"
[ "$(QT_QPA_PLATFORM=offscreen "$prefix/$bindir/shroud-a-pad" --version)" = "shroud-a-pad $version" ] ||
    fail "shroud-a-pad --version does not say $version"
for page in shroud-a-pad qvl; do
    gzip -dc "$prefix/$datadir/man/man1/$page.1.gz" | grep -q "^\.TH .* \"Shroud-a-Pad $version\" " ||
        fail "the manual page $page(1) does not name version $version"
done
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$prefix/$datadir/metainfo/io.github.shroud_a_pad.shroud_a_pad.metainfo.xml" | head -n 1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, not $version"

# The English help collection and each language's, as the build wrote them.
for built in "$build"/bin/QVL.qhc "$build"/bin/QVL.qch "$build"/bin/QVL_*.qhc "$build"/bin/QVL_*.qch; do
    help=$(basename "$built")
    if [ -f "$built" ]; then
        [ -f "$prefix/$datadir/shroud-a-pad/help/$help" ] || fail "$help is not installed"
    fi
done

# Each catalogue of the build lies beside the help, and the entry speaks each of its languages.
for catalogue in "$build"/bin/translations/shroud-a-pad_*.qm; do
    [ -f "$catalogue" ] || fail "the build holds no catalogue"
    name=${catalogue##*/}
    [ -f "$prefix/$datadir/shroud-a-pad/translations/$name" ] || fail "$name is not installed"
    language=${name#shroud-a-pad_}
    grep -q "^Comment\[${language%.qm}\]=" "$desktop" || fail "the entry has no comment in ${language%.qm}"
done

# The entry names what is installed: its icon, its program and the file type it opens.
field() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(field Icon)" = shroud-a-pad ] || fail "the entry's icon is not shroud-a-pad"
[ "$(field Exec)" = "shroud-a-pad %f" ] || fail "the entry starts $(field Exec)"
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
case ";$(field MimeType)" in
*";$type;"*) ;;
*) fail "the entry does not open $type" ;;
esac

if [ -n "$validate" ]; then
    "$validate" "$desktop" || fail "desktop-file-validate rejects the entry"
fi
if [ -n "$xmllint" ]; then
    "$xmllint" --noout "$mime" || fail "xmllint rejects the file type"
fi
# The file type as the desktop will read it: compiled into a database of the install folder.
if [ -n "$update_mime" ]; then
    warnings=$(XDG_DATA_DIRS="$prefix/$datadir" "$update_mime" "$prefix/$datadir/mime" 2>&1) || fail "update-mime-database: $warnings"
    [ -z "$warnings" ] || fail "update-mime-database: $warnings"
    grep -q ":$type:\*\.qvl" "$prefix/$datadir/mime/globs2" || fail "*.qvl is not $type"
    grep -aq "START  Shroud-a-Pad" "$prefix/$datadir/mime/magic" || fail "no START line magic"
fi
echo "installed tree is complete"
