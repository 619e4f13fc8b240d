#!/usr/bin/env bash
# The Debian package as a lab installs it: built, unpacked into a scratch root, its files
# checked, then the installed program started offscreen from its read-only share folder (per-user
# files) and from a writable copy of it (files kept beside it), as a user who owns no installed
# file. Each run is stopped by `timeout` once it has had time to show its windows.
#   test_paquet.sh <build folder>
set -euo pipefail
construction=$1
travail=$(mktemp -d)
trap 'chmod -R u+w "$travail"; rm -rf "$travail"' EXIT
chmod 755 "$travail"
echec() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$construction/CPackConfig.cmake" -B "$travail/sortie" >"$travail/cpack.log" 2>&1 ||
  { cat "$travail/cpack.log"; echec "cpack"; }
shopt -s nullglob
paquets=("$travail"/sortie/*.deb)
[ ${#paquets[@]} -eq 1 ] || echec "one package expected: ${paquets[*]}"
deb=${paquets[0]}
[ "$(basename "$deb")" = "zyv_$(dpkg-deb -f "$deb" Version)_amd64.deb" ] || echec "name $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6widgets6 libqt6serialport6 libqt6pdfwidgets6 libqt6svg6; do
  [[ "$depends" == *"$lib ("* ]] || echec "Depends without $lib: $depends"
done

racine=$travail/racine
dpkg -x "$deb" "$racine"
liste() { (cd "$1" && find . -type f -o -type l | LC_ALL=C sort); }
attendu="./usr/bin/zyv
./usr/bin/zyv-export
./usr/share/applications/zyv.desktop
./usr/share/icons/hicolor/scalable/apps/zyv.svg
./usr/share/zyv/Aide ZYV.pdf
./usr/share/zyv/Fichiers/Demo caracteristiques generatrice.ZYV
./usr/share/zyv/Fichiers/Demo caracteristiques moteur.ZYV
./usr/share/zyv/Fichiers/Demo generatrice charge variable.ZYV
./usr/share/zyv/Fichiers/Demo moteur charge variable.ZYV"
[ "$(liste "$racine")" = "$attendu" ] || { diff <(echo "$attendu") <(liste "$racine"); echec "file list"; }

partage=$racine/usr/share/zyv
desktop=$racine/usr/share/applications/zyv.desktop
desktop-file-validate "$desktop" | grep -v 'contains more than one main category' || true
for ligne in Exec=zyv Icon=zyv Path=/usr/share/zyv 'Categories=Education;Science;'; do
  grep -qxF "$ligne" "$desktop" || echec "$ligne missing from the menu entry"
done
grep -q '^Name=.*électromécaniques' "$desktop" && grep -q '^Comment=.*courant continu' "$desktop" ||
  echec "French name or comment"
[ "$(head -c 5 "$partage/Aide ZYV.pdf")" = "%PDF-" ] || echec "guide"
"$racine/usr/bin/zyv-export" "$partage/Fichiers/Demo caracteristiques moteur.ZYV" |
  grep -q "^Essai 1"$'\t' || echec "zyv-export"

# Someone who cannot write the installed files: nobody when root, otherwise write bits removed.
comme=()
if [ "$(id -u)" -eq 0 ]; then
  comme=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
cle=$travail/cle
cp -r "$partage" "$cle"
mkdir -p "$travail/installe/run" "$travail/copie/run"
chmod 700 "$travail/installe/run" "$travail/copie/run"
if [ ${#comme[@]} -gt 0 ]; then
  chown -R nobody:nogroup "$cle" "$travail/installe" "$travail/copie"
else
  chmod -R a-w "$racine"
fi

# Runs the installed program from folder $1 with home $2, killed after 5 s.
lance() {
  (cd "$1" && exec "${comme[@]}" env HOME="$2" XDG_DATA_HOME="$2/donnees" \
    XDG_CONFIG_HOME="$2/config" XDG_CACHE_HOME="$2/cache" XDG_RUNTIME_DIR="$2/run" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$racine/usr/bin/zyv") >"$2.log" 2>&1
}
rc_installe=0
rc_copie=0
lance "$partage" "$travail/installe" & pid_installe=$!
lance "$cle" "$travail/copie" & pid_copie=$!
wait $pid_installe || rc_installe=$?
wait $pid_copie || rc_copie=$?
for r in installe:$rc_installe copie:$rc_copie; do
  # 124: still running when timeout stopped it.
  [ "${r#*:}" -eq 124 ] || { cat "$travail/${r%%:*}.log"; echec "${r%%:*} run ended with ${r#*:}"; }
done

# Installed: the configuration and the seeded studies in the user's data folder, nothing new in
# the share folder.
donnees=$travail/installe/donnees/ZYV
[ "$(stat -c %s "$donnees/CFGZYV.cfg" 2>/dev/null)" = 16 ] || echec "no per-user CFGZYV.cfg"
for f in "$partage"/Fichiers/*.ZYV; do
  cmp -s "$f" "$donnees/Fichiers/$(basename "$f")" || echec "sample $(basename "$f") not seeded"
done
[ "$(liste "$racine")" = "$attendu" ] || echec "the installed files changed"
# A writable copy keeps today's behaviour: nothing per-user.
[ ! -e "$travail/copie/donnees/ZYV" ] || echec "per-user files for a writable start-up folder"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes, $(liste "$racine" | wc -l) files"
