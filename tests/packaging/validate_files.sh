#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the manual page pass their validators.
# Usage: validate_files.sh PACKAGING_DIR
set -euo pipefail
dir=$1
desktop-file-validate "$dir/oria.desktop"
# The page type is well formed, and the entry says it opens it.
xmllint --noout "$dir/oria-page.xml"
grep -qx 'MimeType=application/x-oria-page;' "$dir/oria.desktop"
appstreamcli validate --no-net "$dir/oria.metainfo.xml"
# groff writes its warnings on stderr without failing: any output is a fault.
warnings=$(groff -man -z -ww -Kutf8 "$dir/oria.1" 2>&1)
if [ -n "$warnings" ]; then
    echo "$warnings" >&2
    exit 1
fi
bash -n "$dir/oria.bash"
