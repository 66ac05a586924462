#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the program says its licence in its first lines, so a
# file copied out of the tree still carries it. A new file without the line
# fails this test, which names it.
#
#   licence_lines_test.sh SOURCE_FOLDER
set -euo pipefail
top=${1:?usage: licence_lines_test.sh SOURCE_FOLDER}
cd "$top"

line='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
checked=0
while IFS= read -r -d '' file; do
  checked=$((checked + 1))
  # The first lines: a script's interpreter line may come first.
  if ! head -n 3 "$file" | grep -qF "$line"; then
    echo "no licence line in the first three lines: $file"
    missing=$((missing + 1))
  fi
done < <(find CMakeLists.txt .ci src tests scripts bench assets packaging -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' -o -name '*.cmake' \
              -o -name '*.sh' -o -name '*.py' -o -name '*.svg' -o -name '*.qrc' \
              -o -name '*.desktop' -o -name '*.xml' -o -name '*.1' -o -path '.ci/run' \) -print0)

echo "$checked files checked, $missing without the licence line"
[ "$checked" -gt 0 ] && [ "$missing" -eq 0 ]
