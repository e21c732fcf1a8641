#!/usr/bin/env bash
# Installs into a temporary prefix and runs the installed program as a user who cannot write that
# prefix: options, bookmarks and stories must be kept in the per-user folder and come back.
set -euo pipefail
build=$1
for need in desktop-file-validate:desktop-file-utils sqlite3:sqlite3 setpriv:util-linux; do
    command -v "${need%%:*}" >/dev/null ||
        { echo "This test needs the program ${need%%:*}: install the Debian package ${need#*:}." >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/kivra-bible.desktop"
test -f "$prefix/share/icons/hicolor/scalable/apps/kivra-bible.svg"
# The web panel's browser and the SWORD library behind the other Bibles are libraries of their own,
# loaded from next to the executable.
test -f "$prefix/lib/kivra-bible/libkivra-webpanel.so"
test -f "$prefix/lib/kivra-bible/libkivra-sword.so"
# The translations sit in the program folder, where the program looks for them.
test -f "$prefix/lib/kivra-bible/translations/kivra-bible_en.qm"

home=$work/home
mkdir -p "$home"
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$home"
    runas=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home")
else
    chmod -R a-w "$prefix"
    runas=(env HOME="$home")
fi
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME= XDG_RUNTIME_DIR=
kivra="$prefix/bin/kivra-bible"
data="$home/.local/share/kivra-bible"
before=$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)

# setpriv and env exec the program, so a background run's pid is the program's own.
as_user() { "${runas[@]}" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The GUI: start on a passage, end the session with SIGTERM (closing saves the passage), start again.
run_gui() {
    "${runas[@]}" "$kivra" --no-splash "$@" &
    local pid=$!
    sleep 5  # a signal that arrives earlier still ends the program cleanly, with less to check
    kill -TERM "$pid"
    wait "$pid" || fail "the program did not end cleanly"
}
run_gui --open "New Testament" John 3:16-3:18
test -f "$data/Db/dbOptions.pre" || fail "no per-user options database"
test -f "$data/Db/dbStory.dat" || fail "no per-user story database"
test -f "$data/image/obj_bible_story_no_image.gif" || fail "pictures not seeded"
test ! -e "$data/Db/dbBible.dat" || fail "the Bible text was copied"
for private in "$data" "$data/Db" "$data/image"; do
    [ "$(stat -c %a "$private")" = 700 ] || fail "$private can be read by others"
done
for private in "$data/Db/dbOptions.pre" "$data/Db/dbStory.dat" "$data/image/obj_bible_story_no_image.gif"; do
    [ "$(stat -c %a "$private")" = 600 ] || fail "$private can be read by others"
done
# Without a home folder the program says so instead of looking for its data under /.
if out=$("${runas[@]}" env -u HOME "$kivra" passage "Old Testament" Genesis 1:1-1:1 2>&1); then
    fail "started without a home folder"
fi
grep -q 'HOME' <<<"$out" || fail "no word of the missing home folder: $out"
passage=$(sqlite3 "$data/Db/dbOptions.pre" "SELECT BookMarkBook||' '||BookMarkChapter||':'||BookMarkSection||'-'||BookMarkToChapter||':'||BookMarkToSection FROM tblOptions")
[ "$passage" = "John 3:16-3:18" ] || fail "passage not saved: $passage"
run_gui
passage=$(sqlite3 "$data/Db/dbOptions.pre" "SELECT BookMarkBook||' '||BookMarkChapter||':'||BookMarkSection||'-'||BookMarkToChapter||':'||BookMarkToSection FROM tblOptions")
[ "$passage" = "John 3:16-3:18" ] || fail "passage did not come back: $passage"

if "$kivra" --help | grep -q import-bookmarks; then
    # Bookmarks and stories go in through the program and come back out of it.
    src=$work/src
    mkdir -p "$src"
    cp -r "$build/Db" "$build/image" "$src/"
    sqlite3 "$src/Db/dbOptions.pre" "INSERT INTO tblBookmark (BookMarkTestament, BookMarkBook, BookMarkChapter, BookMarkSection, BookMarkToBook, BookMarkToChapter, BookMarkToSection, BookMarkNotes, BookmarkReference, BookmarkHooker) VALUES ('New Testament','John',3,16,'John',3,16,'For God so loved','4711','4711')"
    sqlite3 "$src/Db/dbStory.dat" "INSERT INTO tblBibleStory (StoryNumber, StoryPartNumber, StoryName, StoryTestament, StoryBook, StoryChapter, StorySection, StoryToBook, StoryToChapter, StoryToSection, StoryNotes, StoryImagePath, StoryImageType) VALUES (1,0,'Creation','Old Testament','Genesis',1,1,'Genesis',1,31,'In the beginning','','')"
    chmod -R a+rX "$src"
    "$build/kivra-bible" --app-dir "$src" export-bookmarks "$src/b.kbm" >/dev/null
    "$build/kivra-bible" --app-dir "$src" export-stories "$src/s.kbs" >/dev/null
    chmod a+r "$src"/*.kbm "$src"/*.kbs
    as_user "$kivra" import-bookmarks "$src/b.kbm" >/dev/null
    as_user "$kivra" import-stories "$src/s.kbs" >/dev/null
    [ "$(sqlite3 "$data/Db/dbOptions.pre" "SELECT BookMarkNotes FROM tblBookmark")" = "For God so loved" ] || fail "bookmark not saved"
    [ "$(sqlite3 "$data/Db/dbStory.dat" "SELECT StoryName FROM tblBibleStory")" = "Creation" ] || fail "story not saved"
    run_gui
    as_user "$kivra" export-bookmarks "$home/again.kbm" >/dev/null
    as_user "$kivra" dump "$home/again.kbm" | grep -q "For God so loved" || fail "bookmark did not come back"
fi

# The other Bibles are read through the installed library, and the program ends cleanly after it.
out=$(as_user "$kivra" bibles 2>&1) || fail "listing the Bibles failed: $out"
! grep -q "SWORD modules cannot be read" <<<"$out" || fail "the SWORD library was not loaded: $out"

after=$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "the installed files changed"
echo "install test passed"
