#!/usr/bin/perl
# Japanese is written without spaces, so groff finds no place to break a long line and
# lets it run past the right margin. This filter puts a break point "\:" between two
# characters wherever Japanese line breaking allows one: not before closing punctuation,
# small kana or the long-vowel mark, not after an opening bracket. The NAME section is
# left alone: its line becomes the whatis entry. Hyphenation, which the man macros turn
# on again at .TH, is turned off after it: it would split the English words.
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my $may_end = qr/[\x{3041}-\x{3096}\x{309D}\x{309E}\x{30A1}-\x{30FA}\x{30FC}-\x{30FE}\x{3005}\x{3006}\x{4E00}-\x{9FFF}\x{3001}\x{3002}\x{3009}\x{300B}\x{300D}\x{300F}\x{3011}\x{FF09}\x{FF0C}\x{FF0E}\x{FF1A}\x{FF1B}\x{FF01}\x{FF1F}\x{FF5E}]/;
my $may_start = qr/[\x{3041}-\x{3096}\x{30A1}-\x{30FA}\x{3005}\x{3006}\x{4E00}-\x{9FFF}\x{3008}\x{300A}\x{300C}\x{300E}\x{3010}\x{FF08}]/;
my $small_kana = qr/[\x{3041}\x{3043}\x{3045}\x{3047}\x{3049}\x{3063}\x{3083}\x{3085}\x{3087}\x{308E}\x{3095}\x{3096}\x{30A1}\x{30A3}\x{30A5}\x{30A7}\x{30A9}\x{30C3}\x{30E3}\x{30E5}\x{30E7}\x{30EE}\x{30F5}\x{30F6}]/;

my $in_name = 0;
while (my $line = <STDIN>) {
    $in_name = $1 eq "\x{540D}\x{524D}" if $line =~ /^\.SH\s+"?([^"\n]*)"?/;    # 名前
    $line =~ s/(?<=$may_end)(?=$may_start)(?!$small_kana)/\\:/g
      unless $in_name || $line =~ /^\.(?:TH|\\")/;
    print $line;
    print ".nh\n" if $line =~ /^\.TH\b/;
}
