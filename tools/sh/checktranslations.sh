#!/bin/bash
# Fails when a text of the windows has no German translation, or one marked unfinished: brings a
# copy of the German .ts file up to date with the sources and lists what it lacks.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
lupdate="$(command -v lupdate || true)"
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for language in de; do
  cp "$top/translations/quorlane_$language.ts" "$work/quorlane_$language.ts"
  "$lupdate" -silent -locations none -no-obsolete "$top/src" -ts "$work/quorlane_$language.ts" >/dev/null
  # Each message whose translation is unfinished (new, changed or marked so): its source text.
  missing="$(python3 - "$work/quorlane_$language.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    for message in context.iter('message'):
        translation = message.find('translation')
        forms = [f.text for f in translation.iter('numerusform')] or [translation.text]
        if translation.get('type') == 'unfinished' or not all(forms):
            print('  %s: %r' % (context.findtext('name'), message.findtext('source')))
PY
)"
  if [ -n "$missing" ]; then
    echo "Texts without a finished translation in translations/quorlane_$language.ts:" >&2
    echo "$missing" >&2
    status=1
  fi
done
exit $status
