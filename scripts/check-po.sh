#!/usr/bin/env bash
# Keeps the translations true to the code (run by CI):
# - every text the code marks is in po/florinet.pot (extracted again and compared);
# - every po/LL.po compiles with msgfmt --check and holds no fuzzy entry;
# - po/en.po, the project's own translation, translates every text.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/po-common.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

extract_messages "$tmp/now.pot"
if ! msgcmp --use-untranslated po/florinet.pot "$tmp/now.pot" 2>"$tmp/missing"; then
  echo "po: the code has texts that po/florinet.pot lacks; run scripts/update-po.sh:" >&2
  grep -E 'this message is used but not defined' -A1 "$tmp/missing" | head -n 20 >&2 || true
  exit 1
fi

status=0
for po in po/*.po; do
  [ -e "$po" ] || continue
  stats=$(msgfmt --check --statistics --output-file=/dev/null "$po" 2>&1)
  echo "po: $po: $stats"
  if grep -q fuzzy <<<"$stats"; then
    echo "po: $po has fuzzy entries" >&2
    status=1
  fi
  if [ "$(basename "$po")" = en.po ] && grep -q untranslated <<<"$stats"; then
    echo "po: $po leaves texts untranslated" >&2
    status=1
  fi
  if ! msgcmp --use-untranslated "$po" po/florinet.pot 2>"$tmp/stale"; then
    echo "po: $po is behind po/florinet.pot; run scripts/update-po.sh" >&2
    status=1
  fi
done
exit $status
