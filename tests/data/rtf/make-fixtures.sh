#!/usr/bin/env bash
# Regenerates the RTF fixtures that LibreOffice and pandoc make from sources/. Run by hand when
# a source changes; the build and the tests only use the committed outputs. Needs the Debian
# packages libreoffice-writer-nogui and pandoc.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for source in sources/*.html; do
    name=$(basename "${source%.html}")
    soffice -env:UserInstallation="file://$work/profile" --headless --infilter="HTML (StarWriter)" \
        --convert-to rtf --outdir "$work" "$source" >/dev/null
    cp "$work/$name.rtf" "libreoffice-$name.rtf"
done

for source in sources/*.md; do
    name=$(basename "${source%.md}")
    pandoc --standalone --output "pandoc-$name.rtf" "$source"
done
