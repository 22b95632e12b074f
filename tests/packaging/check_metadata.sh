#!/bin/sh
# The menu entry and the AppStream metainfo pass their validators, and the
# metainfo names the desktop entry that is really there.
# Usage: check_metadata.sh DATA_DIR
set -eu
data=$1
id=io.github.quilorn.Quilorn

desktop-file-validate "$data/$id.desktop"
appstreamcli validate --no-net "$data/$id.metainfo.xml"

fail() { echo "check_metadata: $*" >&2; exit 1; }
grep -q "<id>$id</id>" "$data/$id.metainfo.xml" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$data/$id.metainfo.xml" ||
    fail "metainfo does not launch $id.desktop"
icon=$(sed -n 's/^Icon=//p' "$data/$id.desktop")
[ -f "$data/$icon.svg" ] || fail "the desktop entry's icon $icon has no $icon.svg"
# Every screenshot the metainfo names is kept in the tree under the same name.
for shot in $(sed -n 's#.*<image>.*/data/screenshots/\([^<]*\)</image>.*#\1#p' "$data/$id.metainfo.xml"); do
    [ -f "$data/screenshots/$shot" ] || fail "screenshot $shot is not in $data/screenshots"
done
echo "check_metadata: ok"
