#!/usr/bin/env bash
# The Debian package seen from outside: packed from the build tree, unpacked into a scratch root
# (dpkg-deb -x, as dpkg would lay it out) and run from there.
#
#   test_package.sh build BUILD_DIR               packs BUILD_DIR/package-test/zorv_*.deb
#   test_package.sh contents BUILD_DIR            the layout, the links, zorv-eval, the metadata
#   test_package.sh user-files BUILD_DIR DRIVER   a user without write access to /usr/lib/zorv
#                                                 saves a setting and adds a function
#
# Exits 77 (skipped) when the Debian packaging tools are missing: scripts/deps --package.
set -euo pipefail
mode=$1
build=$2
out=$build/package-test

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/deps --package installs it)"
done

deb() {
    local found=("$out"/zorv_*.deb)
    [ -f "${found[0]}" ] || fail "no package in $out"
    echo "${found[0]}"
}

root=
cleanup() {
    if [ -n "$root" ]; then
        chmod -R u+w "$root"
        rm -rf "$root"
    fi
    if [ -n "${home:-}" ]; then rm -rf "$home"; fi
}
trap cleanup EXIT

# Unpacks the package into a fresh scratch root that any user may read.
unpack() {
    root=$(mktemp -d)
    chmod 755 "$root"
    dpkg-deb -x "$(deb)" "$root"
}

case "$mode" in
build)
    rm -rf "$out"
    start=$(date +%s)
    cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 \
        || { cat "$out.log"; fail "cpack failed"; }
    rm -rf "$out/_CPack_Packages"
    expected="zorv_$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")_$(dpkg --print-architecture).deb"
    [ "$(basename "$(deb)")" = "$expected" ] || fail "package named $(basename "$(deb)"), not $expected"
    echo "packed $(deb): $(du -k "$(deb)" | cut -f1) KiB in $(($(date +%s) - start)) s"
    ;;

contents)
    unpack
    lib=$root/usr/lib/zorv
    for file in zorv zorv-eval zorv-ini; do
        [ -x "$lib/$file" ] || fail "$lib/$file is missing or not executable"
        [ "$(readlink "$root/usr/bin/$file")" = "../lib/zorv/$file" ] \
            || fail "/usr/bin/$file is not a link to the program folder"
    done
    for file in Template.zvfc res/Vals.fval res/Fonc/01_ohm_tension.zvfc docs/mteq.dczv \
        Data/logo1.gif Data/link1.gif; do
        [ -f "$lib/$file" ] || fail "$lib/$file is missing"
    done
    for size in 16 32 48 128; do
        [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/zorv.png" ] || fail "no ${size}px icon"
    done
    for page in zorv zorv-eval zorv-ini; do
        gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "manual page of $page"
    done
    [ -z "$(find "$root" -name .gitkeep)" ] || fail "placeholder files in the package"

    # Run through the link on the PATH: the program folder is found from the executable's real place.
    result=$("$root/usr/bin/zorv-eval" 1+1)
    [ "$result" = 2 ] || fail "zorv-eval 1+1 printed '$result'"
    echo "zorv-eval 1+1 from the unpacked package: $result"

    depends=$(dpkg-deb -f "$(deb)" Depends)
    echo "Depends: $depends"
    for package in libc6 libqt6core6 libqt6widgets6 libqt6charts6 libqt6svg6 qt6-qpa-plugins \
        fonts-liberation2; do
        [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
    done

    entry=$root/usr/share/applications/zorv.desktop
    grep -qx 'Exec=zorv' "$entry" || fail "the desktop entry does not start zorv from the PATH"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate"
    else
        echo "desktop-file-validate is missing: the desktop entry was not validated"
    fi
    for file in copyright changelog.gz; do
        [ -f "$root/usr/share/doc/zorv/$file" ] || fail "/usr/share/doc/zorv/$file is missing"
    done
    if command -v lintian >/dev/null; then
        # Errors fail; warnings and the rest are printed, for the record.
        lintian --fail-on error "$(deb)" || fail "lintian"
    else
        echo "lintian is missing: the package was not linted"
    fi
    metainfo=$root/usr/share/metainfo/fr.vartelune.zorv.metainfo.xml
    [ -f "$metainfo" ] || fail "no AppStream metainfo"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    else
        echo "appstreamcli is missing: the metainfo was not validated"
    fi
    ;;

user-files)
    driver=$3
    unpack
    lib=$root/usr/lib/zorv
    cp "$driver" "$lib/"
    ln -s ../lib/zorv/user_files_driver "$root/usr/bin/user_files_driver"
    home=$(mktemp -d)
    run=(env -i "HOME=$home" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 PATH=/usr/bin:/bin)
    if [ "$(id -u)" -eq 0 ]; then
        # The superuser may write anywhere: run as a user who owns nothing of the installation.
        chown nobody "$home"
        run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
        who=nobody
    else
        chmod -R a-w "$lib"
        who=$(id -un)
    fi
    if "${run[@]}" test -w "$lib"; then fail "$who may write to $lib"; fi
    folder=$("${run[@]}" "$root/usr/bin/user_files_driver") || fail "the driver failed as $who"
    data=$home/.local/share/zorv
    [ "$folder" = "$data" ] || fail "the user's files went to '$folder', not $data"
    grep -q '^aubcdaub=1' "$data/parametres/da4bc5a4bc88a4bc88a4bc88.zorv" \
        || fail "the setting is not in $data/parametres"
    [ -f "$data/out/ma_fonction.zvfc" ] || fail "the new function is not in $data/out"
    [ -f "$data/Fonc/ma_fonction.zvfc" ] || fail "the function was not added to $data/Fonc"
    [ -z "$(find "$lib/parametres" "$lib/out" -mindepth 1)" ] || fail "something was written in $lib"
    echo "as $who: setting saved in $data/parametres, function added to $data/Fonc"
    ;;

*)
    fail "unknown mode $mode"
    ;;
esac
