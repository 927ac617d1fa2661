#!/bin/sh
# exam_gift_setup.sh FOLDER: installs the GIFT parser gift-pegjs from the npm registry into
# FOLDER (in the build tree, for the tests only), once: a folder that has it is left as it is.
# Without npm, or without the registry, the GIFT check is skipped (scripts/setup.sh test installs
# npm).
set -eu
folder=$1
version=1.0.2
if [ -f "$folder/node_modules/gift-pegjs/package.json" ] &&
   grep -q "\"version\": \"$version\"" "$folder/node_modules/gift-pegjs/package.json"; then
  exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
  echo "npm is not installed (scripts/setup.sh test installs it): the GIFT check is skipped"
  exit 77
fi
mkdir -p "$folder"
# A registry that cannot be reached (no network, or a TLS proxy this machine does not trust) is
# no fault of the program: the check then says it is skipped, and why.
if ! npm install --prefix "$folder" --cache "$folder/cache" --no-audit --no-fund --no-save \
  "gift-pegjs@$version"; then
  echo "gift-pegjs could not be installed from the npm registry (see above): the GIFT check is skipped"
fi
