#!/usr/bin/env bash
# The renderer's stages include only earlier stages: the document model
# nothing of the others, the parser and layout the model, painting the model
# and layout, the viewer all of them.
set -u
root="$1"
declare -A allowed=(
  [document]="document"
  [parser]="document parser"
  [layout]="document layout"
  [paint]="document layout paint"
  [viewer]="document parser layout paint viewer"
)
status=0
for stage in "${!allowed[@]}"; do
  while IFS=: read -r file line include; do
    target=$(sed -E 's/.*"preview\/([a-z]+)\/.*/\1/' <<<"$include")
    if [[ " ${allowed[$stage]} " != *" $target "* ]]; then
      echo "${file#"$root"/}:$line: the $stage stage includes the later $target stage: $include"
      status=1
    fi
  done < <(grep -Hn '#include "preview/[a-z]*/' "$root/src/preview/$stage"/* 2>/dev/null | grep -v '"preview/pictures/')
  if [[ ! -d "$root/src/preview/$stage" ]]; then
    echo "no stage folder src/preview/$stage"
    status=1
  fi
done
exit $status
