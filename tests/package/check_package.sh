#!/usr/bin/env bash
# Builds the Debian package from a finished build folder (the first argument; the second names
# the languages the build lists), unpacks it into a scratch root and checks it as a player's
# machine would see it: the file list, the dependencies, the desktop
# entry and the metainfo, then the game started from its desktop entry's Exec, once installed
# (a prefix the player may not write: files go to the per-user folders) and once as a
# portable copy (a folder the player owns: files stay beside the executable).
set -euo pipefail
build=$(cd "$1" && pwd)
languages=${2:-}
scratch=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    chmod -R u+w "$scratch" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- the package
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$scratch"/out/quorbix_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single quorbix_*_amd64.deb: ${debs[*]}"
deb=${debs[0]}
[ "$(basename "$deb")" = "quorbix_1.0.0_amd64.deb" ] || fail "package named $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libjpeg62-turbo qt6-qpa-plugins qt6-wayland qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

expected="./usr/games/quorbix
./usr/lib/x86_64-linux-gnu/quorbix/quorbix-sound.so
./usr/share/applications/org.example.quorbix.desktop
./usr/share/doc/quorbix/changelog.gz
./usr/share/doc/quorbix/copyright
./usr/share/doc/quorbix/licences/Biolinum.copyright
./usr/share/doc/quorbix/licences/ComicNeue.copyright
./usr/share/doc/quorbix/licences/Eurofurence.copyright
./usr/share/doc/quorbix/licences/Liberation.copyright
./usr/share/doc/quorbix/licences/NotoColorEmoji.copyright
./usr/share/icons/hicolor/128x128/apps/org.example.quorbix.png
./usr/share/icons/hicolor/16x16/apps/org.example.quorbix.png
./usr/share/icons/hicolor/22x22/apps/org.example.quorbix.png
./usr/share/icons/hicolor/24x24/apps/org.example.quorbix.png
./usr/share/icons/hicolor/256x256/apps/org.example.quorbix.png
./usr/share/icons/hicolor/32x32/apps/org.example.quorbix.png
./usr/share/icons/hicolor/48x48/apps/org.example.quorbix.png
./usr/share/icons/hicolor/64x64/apps/org.example.quorbix.png
./usr/share/icons/hicolor/scalable/apps/org.example.quorbix.svg
./usr/share/man/man6/quorbix.6.gz
./usr/share/metainfo/org.example.quorbix.metainfo.xml
./usr/share/quorbix/quorbix.hlp"
for lang in $languages; do
    expected+=$'\n'"./usr/share/quorbix/quorbix_$lang.hlp"
done
expected=$(LC_ALL=C sort <<<"$expected")
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
[ "$files" = "$expected" ] || fail "file list differs:
$(diff <(echo "$expected") <(echo "$files"))"

lintian --fail-on error "$deb" || fail "lintian"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
apps=$root/usr/share/applications/org.example.quorbix.desktop
desktop-file-validate "$apps" || fail "desktop-file-validate"
# Every language whose catalogue translates the entry's comment has it in the installed entry.
for lang in $languages; do
    translated=$(msgattrib --translated --no-fuzzy --no-wrap "$build/data/po/$lang.po")
    if grep -q '^msgid "Clear the board' <<<"$translated"; then
        grep -q "^Comment\[$lang\]=" "$apps" || fail "the menu entry lacks Comment[$lang]"
    fi
done
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.example.quorbix.metainfo.xml" ||
    fail "appstreamcli validate"

# --- the game, started as its menu entry starts it
exec_line=$(sed -n 's/^Exec=//p' "$apps")
[ "$exec_line" = quorbix ] || fail "Exec=$exec_line"

# As root every folder is writable: the player is then "nobody", in a home of their own.
player=()
if [ "$(id -u)" -eq 0 ]; then
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    owner() { chown -R 65534:65534 "$@"; }
else
    owner() { :; }
    chmod -R a-w "$root/usr"
fi
runtime=$scratch/runtime
mkdir -m 700 "$runtime" && owner "$runtime"

# Starts the game from a games folder with the given home (and further environment), lets it
# show its window, checks that it has loaded its sound module after the first paint (or, with
# sounds=off, that it has not), then ends it as a desktop session does (SIGTERM), which closes
# it like its close button.
sounds=on
play() {
    local games=$1 home=$2
    shift 2
    env -i PATH="$games:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$runtime" "$@" \
        QT_QPA_PLATFORM=offscreen "${player[@]}" "$exec_line" >"$scratch/game.log" 2>&1 &
    pid=$!
    sleep 6
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/game.log"; fail "the game did not stay up"; }
    local module=no
    grep -q '/quorbix-sound\.so$' "/proc/$pid/maps" && module=yes
    [ "$module" = "$([ "$sounds" = on ] && echo yes || echo no)" ] ||
        fail "sound module loaded: $module with sounds $sounds ($games)"
    kill -TERM "$pid"
    # A game that cannot write its settings stops at the error box: give up after a while.
    local waited=0
    while kill -0 "$pid" 2>/dev/null && [ $waited -lt 30 ]; do sleep 1; waited=$((waited + 1)); done
    kill -0 "$pid" 2>/dev/null && { cat "$scratch/game.log"; fail "the game did not end on SIGTERM"; }
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || { cat "$scratch/game.log"; fail "the game exited with $status"; }
}

# Installed: the prefix is not the player's, so the settings go to ~/.config/quorbix.
home=$scratch/home
mkdir "$home" && owner "$home"
play "$root/usr/games" "$home"
config=$home/.config/quorbix
[ -f "$config/quorbix.ini" ] || fail "no settings in $config: $(find "$home")"
grep -qx 'Play Sounds=1' "$config/quorbix.ini" || fail "settings: $(cat "$config/quorbix.ini")"
[ "$(stat -c %a "$config")" = 700 ] || fail "$config has mode $(stat -c %a "$config")"
[ -z "$(find "$root" -newer "$deb" ! -type d)" ] || fail "the game wrote into the prefix"

# An absolute $XDG_CONFIG_HOME takes the settings; a relative one is invalid and ignored.
mkdir "$scratch/config" && owner "$scratch/config"
play "$root/usr/games" "$home" XDG_CONFIG_HOME="$scratch/config"
grep -qx 'Play Sounds=1' "$scratch/config/quorbix/quorbix.ini" || fail "XDG_CONFIG_HOME not used"
rm -r "$config"
play "$root/usr/games" "$home" XDG_CONFIG_HOME=relative/config
[ -f "$config/quorbix.ini" ] || fail "a relative XDG_CONFIG_HOME was not ignored"

# A portable copy in a folder of the player's: everything stays beside the executable.
portable=$scratch/portable
# Its sound module lies beside it; with sounds off the module is not loaded at all.
portable=$scratch/portable
mkdir "$portable" && cp "$root/usr/games/quorbix" "$root"/usr/lib/x86_64-linux-gnu/quorbix/quorbix-sound.so \
    "$portable/" && owner "$portable"
home2=$scratch/home2
mkdir "$home2" && owner "$home2"
play "$portable" "$home2"
grep -qx 'Play Sounds=1' "$portable/quorbix.ini" || fail "no settings beside the portable copy"
[ -z "$(find "$home2" -mindepth 1)" ] || fail "the portable copy wrote into the home: $(find "$home2")"
sed -i 's/^Play Sounds=1$/Play Sounds=0/' "$portable/quorbix.ini"
sounds=off play "$portable" "$home2"
grep -qx 'Play Sounds=0' "$portable/quorbix.ini" || fail "sounds did not stay off"
echo "package: $(basename "$deb"), $(echo "$files" | wc -l) files, both places to keep files right"
