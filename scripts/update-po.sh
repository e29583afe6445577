#!/usr/bin/env bash
# Extracts every text the player reads from the sources into po/florinet.pot and brings each
# translation (po/LL.po) up to date with it. Run it after changing a text in the code; then
# translate what msgmerge marked new or fuzzy.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/po-common.sh
extract_messages po/florinet.pot
for po in po/*.po; do
  [ -e "$po" ] || continue
  msgmerge --quiet --update --backup=none --no-wrap --add-location=file "$po" po/florinet.pot
done
echo "po: $(grep -c '^msgid ' po/florinet.pot) texts in po/florinet.pot"
