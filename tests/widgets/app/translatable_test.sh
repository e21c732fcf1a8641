#!/usr/bin/env bash
# Every text a user reads reaches the translators: a string literal handed to a call that sets a
# caption, tooltip, message or error text, or written to the terminal, must be among the texts
# lupdate extracts from src/. A literal that is not is shown in English whatever the language.
set -euo pipefail
lupdate=$1
src=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "$src" -name '*.cpp' -o -name '*.h' | sort >"$work/files"
"$lupdate" -silent -locations none -I "$src/core" -I "$src/widgets" @"$work/files" -ts "$work/all.ts" >/dev/null

perl - "$work/all.ts" "$work/files" <<'PERL'
use strict; use warnings;
sub unxml { my $s = shift; $s =~ s/&quot;/"/g; $s =~ s/&apos;/'/g; $s =~ s/&lt;/</g; $s =~ s/&gt;/>/g;
            $s =~ s/&#x([0-9a-f]+);/chr(hex $1)/gie; $s =~ s/&amp;/&/g; return $s; }
sub unc { my $s = shift; $s =~ s/\\n/\n/g; $s =~ s/\\t/\t/g; $s =~ s/\\(.)/$1/g; return $s; }
open my $list, '<', $ARGV[1] or die; my @files = <$list>; chomp @files;
local $/;
open my $ts, '<:utf8', $ARGV[0] or die; my $xml = <$ts>; close $ts;
my %extracted = map { unxml($_) => 1 } $xml =~ m{<source>(.*?)</source>}gs;
die "lupdate extracted nothing\n" unless %extracted;

# A literal, possibly split over lines ("a " "b"), optionally inside QStringLiteral/QLatin1String.
my $lit = qr/(?:(?:QStringLiteral|QLatin1String|QString)\(\s*)?((?:"(?:[^"\\]|\\.)*"\s*)+)/;
my $setter = qr/\b(?:setText|setPlainText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText
               |setAccessibleName|setAccessibleDescription|setTitle|addItem|addAction|showMessage|setLabelText
               |setHeaderData|setSpecialValueText|QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu
               |ClickLabel|puts|fputs)\s*\(\s*/x;
my $errorSet = qr/(?:\*|\b|\.|->)(?:error|m_error)\s*=\s*/;
my $stream = qr/(?:\b(?:err|out|s)(?:\(\))?|QTextStream\((?:stdout|stderr)\))\s*<<\s*/;
my @escapes; my $seen = 0;
for my $file (@files) {
    open my $fh, '<:utf8', $file or die; my $code = <$fh>; close $fh;
    $code =~ s{^\s*//.*$}{}mg;
    while ($code =~ /(?:$setter|$errorSet|$stream)$lit/g) {
        my $pieces = $1;
        my $text = join '', map { unc($_) } $pieces =~ /"((?:[^"\\]|\\.)*)"/g;
        ++$seen;
        next unless $text =~ /[A-Za-z]{2}/;         # names, numbers and punctuation are not language
        next if $text =~ /^[a-z][A-Za-z0-9]*$/;     # object and field names
        next if $text =~ /^Kivra! Bible\s*$/;       # the program's name is the same in every language
        next if $extracted{$text};
        (my $short = $file) =~ s{.*/src/}{src/};
        push @escapes, "$short: \"$text\"";
    }
}
die "no text-setting call found\n" unless $seen;
if (@escapes) { print STDERR "Not translatable:\n", map { "  $_\n" } @escapes; exit 1; }
PERL
