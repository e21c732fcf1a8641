#!/usr/bin/env bash
# The manual page and the bash completion name exactly the commands and options that --help names,
# and the completion offers the files each exchange command takes.
set -euo pipefail
build=$(cd "$1" && pwd)
man=$build/packaging/kivra-bible.1
completion=$build/packaging/kivra-bible
fail() { echo "FAIL: $*" >&2; exit 1; }
lines() { tr ' ' '\n' | grep -v '^$' | sort -u; }

help=$(ASAN_OPTIONS=detect_leaks=0 "$build/kivra-bible" --help)
# The commands of the usage lines: the first word after the program's bracketed options.
help_commands=$(sed -n 's/^\(Usage:\)\{0,1\} *kivra-bible //p' <<<"$help" | sed 's/\[[^]]*\]//g' |
                awk '$1 !~ /^-/ {print $1}' | tr '|' ' ' | lines)
help_options=$(grep -o -- '--[a-z0-9-]*' <<<"$help" | lines)
[ -n "$help_commands" ] && [ -n "$help_options" ] || fail "no commands or options in --help"

man_text=$(sed 's/\\-/-/g' "$man")
man_commands=$(sed -n '/^\.SH COMMANDS/,/^\.SH /p' <<<"$man_text" | grep -A1 '^\.TP' | sed -n 's/^\.BI\{0,1\} //p' |
               awk '{print $1}' | lines)
[ "$man_commands" = "$help_commands" ] || fail "commands: manual page <$man_commands> --help <$help_commands>"
man_options=$(grep -o -- '--[a-z0-9-]*' <<<"$man_text" | lines)
[ "$man_options" = "$help_options" ] || fail "options: manual page <$man_options> --help <$help_options>"
# The keys: the manual page lists those of --help's key section, in its words.
help_keys=$(sed -n '/^Keys/,$p' <<<"$help" | awk '/^  [^ ]/ {print $1}')
man_keys=$(sed -n '/^\.SH KEYS/,/^\.SH /p' <<<"$man_text" | grep -A1 '^\.TP' | sed -n 's/^\.B //p')
[ -n "$help_keys" ] && [ "$man_keys" = "$help_keys" ] || fail "keys: manual page <$man_keys> --help <$help_keys>"
example_commands=$(sed -n '/^\.SH EXAMPLES/,$p' <<<"$man_text" | awk '/^kivra-bible/ && $2 !~ /^-/ {print $2}' | lines)
[ -z "$(comm -23 <(echo "$example_commands") <(echo "$help_commands"))" ] || fail "an example uses an unknown command"
# The examples in --help stay lines of their own in the manual page.
while read -r example; do
    grep -qxF -- "$example" <<<"$man_text" || fail "example not on a line of its own: $example"
done < <(sed -n '/^$/,$ s/^ *\(kivra-bible .*\)$/\1/p' <<<"$help")
if command -v groff >/dev/null; then
    warnings=$(groff -man -Tutf8 -ww -z "$man" 2>&1)
    [ -z "$warnings" ] || fail "groff: $warnings"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch notes.kbm story.KBS letter.txt
mkdir folder
# What Tab offers after the given words (the last one is the word being completed).
offers() {
    bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kivra_bible; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$completion" kivra-bible "$@" | sort
}
[ "$(offers '')" = "$help_commands" ] || fail "completion commands: $(offers '')"
[ "$(echo $(offers --) $(offers advanced-search --) $(offers search --) $(offers commentary --) | lines)" = "$help_options" ] ||
    fail "completion options"
[ "$(offers import-bookmarks '' | tr '\n' ' ')" = "folder notes.kbm " ] || fail "import-bookmarks: $(offers import-bookmarks '')"
[ "$(offers export-stories '' | tr '\n' ' ')" = "folder story.KBS " ] || fail "export-stories: $(offers export-stories '')"
[ "$(offers dump n | tr '\n' ' ')" = "notes.kbm " ] || fail "dump: $(offers dump n)"
[ "$(offers advanced-search --op2 N)" = 'NOT\ LIKE' ] || fail "operators: $(offers advanced-search --op2 N)"
[ -z "$(offers --open 'John 3:16' '')" ] || fail "commands after --open: $(offers --open 'John 3:16' '')"
[ "$(offers passage '"Old Testament"' Ps)" = Psalms ] || fail "books: $(offers passage '"Old Testament"' Ps)"
[ "$(offers --open Phile)" = Philemon ] || fail "reference books: $(offers --open Phile)"
echo "manual page and completion match --help"
