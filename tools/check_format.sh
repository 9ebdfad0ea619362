#!/bin/sh
# Fails, naming the files, when a C++ source of the repository is not laid out
# as .clang-format says. Fix with: clang-format -i FILE...
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find app clipboard installer reading resources runtime tests toolkit tools ui vocab -name '*.cpp' -o -name '*.h')
bad=""
for file in $files; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || bad="$bad $file"
done
if [ -n "$bad" ]; then
    echo "not formatted (clang-format -i):$bad"
    exit 1
fi
echo "format: $(echo $files | wc -w) files formatted"
