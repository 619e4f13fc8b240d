#!/usr/bin/env bash
# The Debian package as a lab installs it: built, unpacked into a scratch root, its files checked,
# then the installed program started offscreen from its read-only share folder, as the menu does,
# by a user who owns no installed file; `timeout` stops it once it has shown its windows.
#   test_paquet.sh <build folder>
set -euo pipefail
travail=$(mktemp -d)
trap 'chmod -R u+w "$travail"; rm -rf "$travail"' EXIT
chmod 755 "$travail"
echec() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$1/CPackConfig.cmake" -B "$travail/sortie" >"$travail/cpack.log" 2>&1 ||
  { cat "$travail/cpack.log"; echec "cpack"; }
deb=$(echo "$travail"/sortie/*.deb)
[ "$(basename "$deb")" = "zyv_$(dpkg-deb -f "$deb" Version)_amd64.deb" ] || echec "name $deb"
[[ "$(dpkg-deb -f "$deb" Depends)" == *"libqt6widgets6 ("* ]] || echec "no Qt in Depends"

racine=$travail/racine
dpkg -x "$deb" "$racine"
liste() { (cd "$racine" && find . -type f | LC_ALL=C sort); }
attendu="./usr/bin/zyv
./usr/bin/zyv-export
./usr/share/applications/zyv.desktop
./usr/share/icons/hicolor/scalable/apps/zyv.svg
./usr/share/zyv/Aide ZYV.pdf
./usr/share/zyv/Fichiers/Demo caracteristiques generatrice.ZYV
./usr/share/zyv/Fichiers/Demo caracteristiques moteur.ZYV
./usr/share/zyv/Fichiers/Demo generatrice charge variable.ZYV
./usr/share/zyv/Fichiers/Demo moteur charge variable.ZYV"
[ "$(liste)" = "$attendu" ] || { diff <(echo "$attendu") <(liste); echec "file list"; }

partage=$racine/usr/share/zyv
desktop=$racine/usr/share/applications/zyv.desktop
desktop-file-validate "$desktop" | grep -v 'more than one main category' || true
for ligne in Exec=zyv Icon=zyv Path=/usr/share/zyv 'Categories=Education;Science;'; do
  grep -qxF "$ligne" "$desktop" || echec "$ligne missing from the menu entry"
done
"$racine/usr/bin/zyv-export" "$partage/Fichiers/Demo caracteristiques moteur.ZYV" |
  grep -q "^Essai 1"$'\t' || echec "zyv-export"

# Someone who cannot write the installed files: nobody when root, otherwise write bits removed.
maison=$travail/maison
mkdir -p "$maison/run" && chmod 700 "$maison/run"
comme=()
if [ "$(id -u)" -eq 0 ]; then
  comme=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chown -R nobody:nogroup "$maison"
else
  chmod -R a-w "$racine"
fi
rc=0
(cd "$partage" && exec "${comme[@]}" env HOME="$maison" XDG_DATA_HOME="$maison/donnees" \
  XDG_RUNTIME_DIR="$maison/run" QT_QPA_PLATFORM=offscreen timeout 5 "$racine/usr/bin/zyv") \
  >"$travail/zyv.log" 2>&1 || rc=$?
# 124: still running when timeout stopped it.
[ $rc -eq 124 ] || { cat "$travail/zyv.log"; echec "the installed program ended with $rc"; }

# The configuration and the seeded studies in the user's data folder; no installed file touched.
[ "$(stat -c %s "$maison/donnees/ZYV/CFGZYV.cfg" 2>/dev/null)" = 16 ] || echec "no CFGZYV.cfg"
diff -r "$partage/Fichiers" "$maison/donnees/ZYV/Fichiers" || echec "samples not seeded"
[ "$(liste)" = "$attendu" ] || echec "the installed files changed"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(liste | wc -l) files"
