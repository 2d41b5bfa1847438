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
    share/oria/aide/oria.html share/oria/aide/images/harmonie.png \
    share/oria/modeles/std_3coul.html share/oria/modeles/std_4coul.html \
    share/oria/modeles/std_5coul.html share/applications/oria.desktop \
    share/metainfo/oria.metainfo.xml share/icons/hicolor/scalable/apps/oria.svg \
    share/man/man1/oria.1.gz share/bash-completion/completions/oria \
    share/doc/oria/copyright share/doc/oria/changelog.Debian.gz share/lintian/overrides/oria \
    share/mime/packages/oria.xml share/icons/hicolor/scalable/mimetypes/application-x-oria-page.svg; do
    [ -f "$prefix/$file" ] || fail "$file n'est pas installé"
done
[ -x "$prefix/bin/oria" ] || fail "bin/oria n'est pas exécutable"

# Compressed as Debian wants it: at most, and without a time stamp.
for file in share/man/man1/oria.1.gz share/doc/oria/changelog.Debian.gz; do
    gzip -t "$prefix/$file" || fail "$file n'est pas un fichier gzip valide"
    [ "$(od -An -tu4 -j4 -N4 "$prefix/$file" | tr -d ' ')" = 0 ] || fail "$file porte une date"
done
# The changelog reads as one, its latest entry for the program's version.
zcat "$prefix/share/doc/oria/changelog.Debian.gz" >"$prefix/changelog"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ "$(dpkg-parsechangelog -l "$prefix/changelog" -S Version)" == "$version"-[0-9]* ]] ||
    fail "le journal Debian ne commence pas par la version $version"
# The copyright file in Debian's machine-readable form, its licence text that of the program.
copyright=$prefix/share/doc/oria/copyright
head -n 1 "$copyright" |
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "le fichier copyright n'est pas au format DEP-5"
grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$prefix/share/oria/license.txt")" \
    "$copyright" || fail "le fichier copyright ne porte pas la ligne de copyright de la licence"
awk '/^License: LicenseRef-Oria-2000$/ { n++; next } n == 2 { sub(/^ /, ""); sub(/^\.$/, ""); print }' \
    "$copyright" | cmp -s - "$prefix/share/oria/license.txt" ||
    fail "le fichier copyright ne porte pas le texte de license.txt"
# Every lintian override says why, in the comment just above it.
awk '!/^(#|$)/ { if ($1 != "oria:" || prev !~ /^#/) bad = 1 } { prev = $0 } END { exit bad }' \
    "$prefix/share/lintian/overrides/oria" || fail "une dérogation lintian n'est pas expliquée"

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
    zgrep -q "^\.B oria $command" "$prefix/share/man/man1/oria.1.gz" ||
        fail "la page de manuel ne présente pas « $command »"
    printf '%s\n' "${COMPREPLY[@]}" | grep -qx "$command" ||
        fail "la complétion ne propose pas « $command »"
done
echo "installation complète dans $prefix"
