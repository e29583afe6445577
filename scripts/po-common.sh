# The one way the texts are extracted, shared by update-po.sh and check-po.sh.
# The markers are those of src/platform/i18n.h: TR, TRC (a context first), TRF, TRN (singular and
# plural) and N_ (a table's text, looked up where the table is read). The game breaks the item
# panel's detail lines with "\r", as it always has; xgettext's warning about that is left out.
extract_messages() {
  local out=$1
  git ls-files 'src/*.cpp' 'src/*.h' | LC_ALL=C sort |
    xgettext --files-from=- --output="$out" --from-code=UTF-8 --language=C++ \
      --keyword --keyword=TR --keyword=TRC:1c,2 --keyword=TRF --keyword=TRN:1,2 --keyword=N_ \
      --flag=TRF:1:c-format --flag=TRN:1:c-format --flag=TRN:2:c-format \
      --add-comments=TRANSLATORS: --add-location=file --no-wrap \
      --package-name=florinet --package-version=1.4 --msgid-bugs-address="the florinet makers" \
      --copyright-holder="the florinet makers" 2> >(grep -vF "should not contain the '\\r' escape sequence" >&2)
}
