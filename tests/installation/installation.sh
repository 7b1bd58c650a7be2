#!/bin/sh
# The install as a user meets it. "cmake --install" into a temporary DESTDIR
# under /usr; then, with HOME and the XDG folders in a temporary folder and
# from a current folder of no concern to it: the window's test program
# (TEST_PROGRAM, copied where an installed program lies, beside the install's
# share folder) starts, plays, saves, quits and starts again; corvane-cli
# reads the shipped parameters, then the user's own in their place; the
# installed window started by its menu command comes up and stays up. The
# install tree is the same byte for byte afterwards.
# Usage: installation.sh BUILD_DIR TEST_PROGRAM
set -eu
build=$1
essai=$2
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
echec() {
  echo "installation: $*" >&2
  exit 1
}

racine=$t/racine
usr=$racine/usr
DESTDIR=$racine cmake --install "$build" --prefix /usr >"$t/install.log" 2>&1 || { cat "$t/install.log"; echec "cmake --install failed"; }
echo "installed: $(find "$racine" -type f | wc -l) files, $(du -sh "$racine" | cut -f1)"

# What the install holds, and nothing of a run.
for f in bin/corvane bin/corvane-cli share/corvane/hashkey33.dat share/corvane/bases.sum share/corvane/doppd.bib \
         share/corvane/ouvert_b.ouv share/corvane/ouvert_n.ouv share/corvane/Parametres/defaut.par \
         share/corvane/Images1/1pva.bmp share/corvane/Images8/pb8_32.bmp share/corvane/damier8w.bmp \
         share/corvane/apercu2d.bmp share/corvane/v48.Bmp share/corvane/Perdu.wav share/corvane/Rcorvane_e.html \
         share/corvane/aide/aide.css share/corvane/Problemes/1-coup-01.dam share/corvane/Problemes/3-piege-01.damt \
         share/applications/org.corvane.corvane.desktop \
         share/metainfo/org.corvane.corvane.metainfo.xml share/icons/hicolor/256x256/apps/org.corvane.corvane.png \
         share/man/man1/corvane-cli.1.gz; do
  [ -s "$usr/$f" ] || echec "$f is not installed"
done
for f in last32.dam joueurs.dat points.dat pool.dat Sauve corvane corvane-cli; do
  [ ! -e "$usr/share/corvane/$f" ] || echec "share/corvane/$f is installed"
done
# The manual page has a section for every command of the tool.
commandes=$("$usr/bin/corvane-cli" --help | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p')
[ "$(echo "$commandes" | wc -w)" -ge 10 ] || echec "corvane-cli --help lists: $commandes"
gzip -dc "$usr/share/man/man1/corvane-cli.1.gz" >"$t/manuel"
for c in $commandes; do
  grep -qx "\.SS $c" "$t/manuel" || echec "the manual page has no section for $c"
done

empreinte() {
  (cd "$racine" && find . -printf '%y %m %s %T@ %p\n' | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort -k2)
}
empreinte >"$t/avant"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$t/run"
export XDG_CONFIG_HOME="$t/maison/.config" XDG_CACHE_HOME="$t/maison/.cache"
unset XDG_DATA_HOME
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$t/ailleurs"
cd "$t/ailleurs"

# The window's test program as an installed program: two starts, then the icons.
mkdir -p "$t/prefixe/bin"
ln -s "$usr/share" "$t/prefixe/share"
cp "$essai" "$t/prefixe/bin/"
programme=$t/prefixe/bin/$(basename "$essai")
export HOME="$t/maison"
mkdir "$HOME"
for etape in aFirstStartSaysNothingPlaysSavesAndWritesOnlyInTheUsersFolder \
             aSecondStartFindsTheGameAgainAndTheUsersParameters theIconIsThereInEverySizeWithRoundedCorners; do
  "$programme" "$etape" >"$t/etape.log" 2>&1 || { cat "$t/etape.log"; echec "$etape failed"; }
  grep -E "^(PASS|FAIL|Totals)" "$t/etape.log"
done
echo "written in the user's folder:"
(cd "$HOME/.local/share/corvane" && find . -type f | LC_ALL=C sort)

# corvane-cli: the shipped parameters, then the user's own (all zero) read in their place.
export HOME="$t/outil"
position="B:W18,22-32:B1-11"
"$usr/bin/corvane-cli" eval "$position" >"$t/eval-livre" 2>&1 || echec "corvane-cli eval failed"
grep -q "defaut.par" "$t/eval-livre" && echec "corvane-cli found no parameters: $(cat "$t/eval-livre")"
mkdir -p "$HOME/.local/share/corvane/Parametres"
head -c 1162 /dev/zero >"$HOME/.local/share/corvane/Parametres/defaut.par"
"$usr/bin/corvane-cli" eval "$position" >"$t/eval-propre" 2>&1 || echec "corvane-cli eval failed"
! cmp -s "$t/eval-livre" "$t/eval-propre" || echec "corvane-cli did not read the user's parameters"

# The installed window, started by its menu command: it comes up, makes the
# user's folder and stays up.
export HOME="$t/menu"
mkdir "$HOME"
commande=$(sed -n 's/^Exec=//p' "$usr/share/applications/org.corvane.corvane.desktop")
PATH="$usr/bin:$PATH" sh -c "exec $commande" >"$t/fenetre.log" 2>&1 &
pid=$!
sleep 5
kill -0 "$pid" 2>/dev/null || { cat "$t/fenetre.log"; echec "the installed window did not stay up"; }
kill "$pid"
wait "$pid" || true
[ -d "$HOME/.local/share/corvane" ] || echec "the installed window made no user's folder"

[ -z "$(ls -A "$t/ailleurs")" ] || echec "files written in the current folder: $(ls -A "$t/ailleurs")"
empreinte >"$t/apres"
cmp -s "$t/avant" "$t/apres" || { diff "$t/avant" "$t/apres" | head -20; echec "the install tree changed"; }
echo "install tree unchanged: $(grep -c . "$t/avant") lines of listing and checksums compared"
