#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and runs the installed program from there:
# it must find its data in ../share/oria, and the desktop files must all be in place.
# Usage: install_layout.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "ÉCHEC : $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/oria share/oria/ASTUCES.TXT share/oria/license.txt \
    share/oria/modeles/std_3coul.html share/oria/modeles/std_4coul.html \
    share/oria/modeles/std_5coul.html share/applications/oria.desktop \
    share/metainfo/oria.metainfo.xml share/icons/hicolor/scalable/apps/oria.svg \
    share/man/man1/oria.1 share/bash-completion/completions/oria; do
    [ -f "$prefix/$file" ] || fail "$file n'est pas installé"
done
[ -x "$prefix/bin/oria" ] || fail "bin/oria n'est pas exécutable"

# Run from elsewhere so that nothing is found by accident in the current folder.
cd "$prefix"
"$prefix/bin/oria" --help | grep -q "oria charte" || fail "oria --help"
[ "$("$prefix/bin/oria" harmonie --type 0 --nombre 2 '#FF0000' | wc -w)" -eq 2 ] ||
    fail "oria harmonie"
"$prefix/bin/oria" charte --modele standard3 --sortie "$prefix/charte.html" --fond '#123456' ||
    fail "le modèle standard3 installé n'est pas trouvé"
grep -qi "123456" "$prefix/charte.html" || fail "la charte ne porte pas la couleur du fond"

# Every command of the help is in the manual page and in the completion.
commands=$("$prefix/bin/oria" --help | sed -n 's/^  oria \([a-z]\+\).*/\1/p' | sort -u)
[ -n "$commands" ] || fail "aucune commande dans l'aide"
source "$prefix/share/bash-completion/completions/oria"
COMP_WORDS=(oria "")
COMP_CWORD=1
_oria
for command in $commands; do
    grep -q "^\.B oria $command" "$prefix/share/man/man1/oria.1" ||
        fail "la page de manuel ne présente pas « $command »"
    printf '%s\n' "${COMPREPLY[@]}" | grep -qx "$command" ||
        fail "la complétion ne propose pas « $command »"
done
echo "installation complète dans $prefix"
