#!/usr/bin/env bash
# Fills the three standard charter templates with a sample palette and takes a screenshot of
# each in a headless browser, to judge them by eye. Builds nothing: the program must exist.
#   scripts/render-charters.sh [DOSSIER_DES_IMAGES] [PROGRAMME]
# Defaults: /tmp/oria-charters, then build-tests/oria or build/oria.
set -euo pipefail

# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

OUT=${1:-/tmp/oria-charters}
ORIA=${2:-}
if [ -z "$ORIA" ]; then
    for candidate in "$ROOT/build-tests/oria" "$ROOT/build/oria"; do
        if [ -x "$candidate" ]; then
            ORIA=$candidate
            break
        fi
    done
fi
if [ -z "$ORIA" ] || [ ! -x "$ORIA" ]; then
    log "Programme oria introuvable : construisez-le d'abord (build-tests/oria ou build/oria)."
    exit 1
fi

BROWSER=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$BROWSER" ]; then
    install_missing chromium
    BROWSER=$(command -v chromium)
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

REFERENCES="Logo : version couleur sur fond clair, version blanche sur fond sombre.
Typographies : titres en Georgia, texte courant en Arial.
Marges : 15 mm autour du logo, jamais moins.
Contact : atelier@cromalune.fr"

for n in 3 4 5; do
    page="$WORK/charte-${n}coul.html"
    "$ORIA" charte --modele "standard$n" --sortie "$page" \
        --nom "Atelier Cromalune" --references "$REFERENCES" \
        --fond '#F7F1E8' --nom-fond 'Sable' \
        --texte '#1E2A3A' --nom-texte 'Bleu nuit' \
        --titre '#B8432F' --nom-titre 'Terre brûlée' \
        --decors1 '#E9806E' --nom-decors1 'Corail' \
        --decors2 '#3F7F7A' --nom-decors2 'Vert lagon'
    "$BROWSER" --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --screenshot="$OUT/charte-${n}coul.png" --window-size=1200,1600 \
        "file://$page" >/dev/null 2>&1
    log "$OUT/charte-${n}coul.png"
done
