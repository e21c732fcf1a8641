# Fills a template from the program's --help text, so the manual page and the shell completion
# name exactly the commands and options the program itself documents.
# usage: awk -v version=X.Y.Z -f fill-from-help.awk HELP_TEXT TEMPLATE
#
# The help text is a "Usage:" block of command forms (continuation lines indented further), a blank
# line, then entries "  TERM  description" with further-indented continuation lines; a continuation
# line that starts with "kivra-bible " is an example and keeps its own line.
# A line "Heading:" at the margin after the entries starts the window's keys, "  KEY  description".
# Template placeholders: lines @SYNOPSIS@, @OPTIONS@, @COMMANDS@, @ARGUMENTS@ (entries that are
# neither), @KEYS@ become troff; in a line, @VERSION@,
# @COMMAND_WORDS@, @GLOBAL_OPTIONS@ become words and @COMMAND_OPTIONS@ becomes bash case arms.
# With -v books=data/books.tsv, @OLD_BOOKS@ and @NEW_BOOKS@ become the testaments' book names,
# each double-quoted for a bash array.

BEGIN {
    if (books != "") {
        while ((getline row < books) > 0) {
            if (row ~ /^#/ || split(row, f, "\t") < 2) continue
            if (f[2] == "Old") old_books = old_books (old_books == "" ? "" : " ") "\"" f[1] "\""
            else new_books = new_books (new_books == "" ? "" : " ") "\"" f[1] "\""
        }
        close(books)
    }
}

function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }

# troff: a hyphen the user types is \-, and a line must not start with a control character.
function troff(s) { gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s); return s }
function textline(s) { s = troff(s); if (s ~ /^[.']/) s = "\\&" s; return s }

function addword(list, w) { return (" " list " ") ~ (" " w " ") ? list : (list == "" ? w : list " " w) }

# A form's options before its command word are the program's own, those after it the command's.
function parse_form(form,    n, t, i, cmd, opts, k, names) {
    n = split(form, t, /[ \t\[\]]+/)
    cmd = ""; opts = ""
    for (i = 2; i <= n; i++) {
        if (t[i] ~ /^--[a-z0-9-]+$/) {
            if (cmd == "") global_options = addword(global_options, t[i])
            else opts = addword(opts, t[i])
        } else if (cmd == "" && t[i] ~ /^[a-z][a-z0-9|-]*$/) {
            cmd = t[i]
        }
    }
    if (cmd == "") return
    k = split(cmd, names, "|")
    for (i = 1; i <= k; i++) {
        command_words = addword(command_words, names[i])
        if (opts != "") command_opts[names[i]] = opts
    }
}

FNR == NR {
    if (state == 0 && sub(/^Usage: +/, "")) { state = 1 }
    if (state == 1) {
        if ($0 ~ /^[ \t]*$/) { state = 2; next }
        line = trim($0)
        if (line ~ /^kivra-bible( |$)/) forms[++nforms] = line
        else forms[nforms] = forms[nforms] " " line
        next
    }
    if (state >= 2 && $0 ~ /^[A-Z].*:$/) { state = 3; next }  # the keys of the window follow
    if (state == 3) {
        if ($0 ~ /^  [^ ]/) {
            line = substr($0, 3)
            split_at = match(line, /  +/)
            keys[++nkeys] = substr(line, 1, split_at - 1); keydescs[nkeys] = trim(substr(line, split_at))
        }
        next
    }
    if (state == 2) {
        if ($0 ~ /^  [^ ]/) {
            line = substr($0, 3)
            split_at = match(line, /  +/)
            if (split_at) { term = substr(line, 1, split_at - 1); desc = trim(substr(line, split_at)) }
            else { term = line; desc = "" }
            terms[++nterms] = term; descs[nterms] = desc
        } else if ($0 ~ /^   +kivra-bible / && nterms) {
            descs[nterms] = descs[nterms] "\n" trim($0)
        } else if ($0 ~ /^   +[^ ]/ && nterms) {
            descs[nterms] = descs[nterms] " " trim($0)
        }
    }
    next
}

FNR == 1 {
    for (i = 1; i <= nforms; i++) parse_form(forms[i])
    for (i = 1; i <= nterms; i++)
        if (terms[i] ~ /^-/) { split(terms[i], w, " "); global_options = addword(global_options, w[1]) }
}

# An entry as a tagged paragraph: the term bold, its arguments italic.
function entry(term, desc,    n, w, i, args, lines) {
    n = split(term, w, " ")
    args = ""
    for (i = 2; i <= n; i++) args = args " " w[i]
    print ".TP"
    if (args == "") print ".B " troff(w[1])
    else print ".BI " troff(w[1]) " \"" troff(args) "\""
    # An example command line stays a line of its own.
    n = split(desc, lines, "\n")
    for (i = 1; i <= n; i++) {
        if (i > 1) print ".br"
        print textline(lines[i])
    }
}

/^@SYNOPSIS@$/ {
    for (i = 1; i <= nforms; i++) {
        if (i > 1) print ".br"
        print textline(forms[i])
    }
    next
}
function is_command(term,    w) { split(term, w, " "); return (" " command_words " ") ~ (" " w[1] " ") }
/^@KEYS@$/ { for (i = 1; i <= nkeys; i++) entry(keys[i], keydescs[i]); next }
/^@OPTIONS@$/ { for (i = 1; i <= nterms; i++) if (terms[i] ~ /^-/) entry(terms[i], descs[i]); next }
/^@COMMANDS@$/ { for (i = 1; i <= nterms; i++) if (is_command(terms[i])) entry(terms[i], descs[i]); next }
/^@ARGUMENTS@$/ {
    for (i = 1; i <= nterms; i++) if (terms[i] !~ /^-/ && !is_command(terms[i])) entry(terms[i], descs[i])
    next
}
/@COMMAND_OPTIONS@/ {
    indent = $0; sub(/@COMMAND_OPTIONS@.*/, "", indent)
    n = split(command_words, w, " ")
    for (i = 1; i <= n; i++)
        if (w[i] in command_opts) print indent w[i] ") words=\"" command_opts[w[i]] "\" ;;"
    next
}
{
    gsub(/@VERSION@/, version)
    gsub(/@COMMAND_WORDS@/, command_words)
    gsub(/@GLOBAL_OPTIONS@/, global_options)
    gsub(/@OLD_BOOKS@/, old_books)
    gsub(/@NEW_BOOKS@/, new_books)
    print
}
