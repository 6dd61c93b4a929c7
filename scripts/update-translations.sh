#!/usr/bin/env bash
# Refreshes the catalogues from the sources: new texts come in unfinished, texts no
# longer in the sources are dropped (unless --keep-vanished). Run it after changing
# any user-visible text, then translate what lupdate marked unfinished.
#   scripts/update-translations.sh [--keep-vanished] [FOLDER]   (default: translations/)
set -euo pipefail

LANGUAGES=(de fr es it pt_BR nl pl ja zh_CN)

root=$(cd "$(dirname "$0")/.." && pwd)
obsolete=-no-obsolete
if [ "${1:-}" = --keep-vanished ]; then
  obsolete=
  shift
fi
folder=$(realpath "${1:-$root/translations}")
# qtchooser's lupdate in PATH may be Qt 5's, or missing.
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

cd "$root"
for language in "${LANGUAGES[@]}"; do
  # No line numbers: they would change the catalogues on every edit of the sources. The
  # core is Qt-free: its texts are marked in the app layer.
  "$lupdate" -silent -recursive -I src -locations none $obsolete -source-language en \
    -target-language "$language" src/app src/platform src/main.cpp -ts "$folder/tavelo_$language.ts"
done
