#!/usr/bin/perl
# Draws Trailwick's icon and writes it as a Windows .ico file: one image, 132 x 132 pixels, 24 bits per
# pixel with its transparency mask. The picture: a dashed trail winding up a teal tile to an orange flag.
#   perl make-icon.pl OUTPUT.ico
use strict;
use warnings;

my $out = shift or die "usage: $0 OUTPUT.ico\n";
my $N = 132;

sub clamp01 { my $v = shift; $v < 0 ? 0 : $v > 1 ? 1 : $v }
sub mix { my ($a, $b, $t) = @_; [map { $a->[$_] + ($b->[$_] - $a->[$_]) * $t } 0 .. 2] }

# Tile: a rounded square with a vertical gradient; `inside` is its coverage for the mask.
my (@rgb, @inside);
my ($radius, $margin) = (22, 2);
for my $y (0 .. $N - 1) {
  for my $x (0 .. $N - 1) {
    my ($cx, $cy) = ($x + 0.5, $y + 0.5);
    my ($lo, $hi) = ($margin + $radius, $N - $margin - $radius);
    my $dx = $cx < $lo ? $lo - $cx : $cx > $hi ? $cx - $hi : 0;
    my $dy = $cy < $lo ? $lo - $cy : $cy > $hi ? $cy - $hi : 0;
    my $cover = clamp01($radius + 0.5 - sqrt($dx * $dx + $dy * $dy));
    $inside[$y][$x] = $cover;
    $rgb[$y][$x] = mix([0x2a, 0x9d, 0x8f], [0x1b, 0x4f, 0x72], $y / ($N - 1));
  }
}

# Paints a disc of colour $c at ($px, $py), blending by the disc's coverage of each pixel.
sub disc {
  my ($px, $py, $r, $c) = @_;
  for my $y (int($py - $r - 1) .. int($py + $r + 1)) {
    next if $y < 0 || $y >= $N;
    for my $x (int($px - $r - 1) .. int($px + $r + 1)) {
      next if $x < 0 || $x >= $N;
      my $d = sqrt(($x + 0.5 - $px) ** 2 + ($y + 0.5 - $py) ** 2);
      my $a = clamp01($r + 0.5 - $d);
      $rgb[$y][$x] = mix($rgb[$y][$x], $c, $a) if $a > 0;
    }
  }
}

# The trail: a cubic curve from the lower left to the upper right, drawn as dashes.
my @p = ([24, 112], [112, 118], [18, 52], [98, 36]);
my ($len, $prev) = (0, undef);
for my $i (0 .. 600) {
  my $t = $i / 600;
  my @w = ((1 - $t) ** 3, 3 * $t * (1 - $t) ** 2, 3 * $t * $t * (1 - $t), $t ** 3);
  my $x = 0; my $y = 0;
  for my $k (0 .. 3) { $x += $w[$k] * $p[$k][0]; $y += $w[$k] * $p[$k][1]; }
  $len += sqrt(($x - $prev->[0]) ** 2 + ($y - $prev->[1]) ** 2) if $prev;
  $prev = [$x, $y];
  disc($x, $y, 4, [0xff, 0xff, 0xff]) if ($len % 18) < 6;
}
disc(24, 112, 8, [0xff, 0xff, 0xff]);

# The flag at the end of the trail: a pole and a pennant.
for my $y (14 .. 40) { disc(100, $y, 1.8, [0xf1, 0xfa, 0xee]); }
for my $y (14 .. 30) {
  my $w = 24 * (1 - abs($y - 22) / 8.5);
  for my $x (101 .. 101 + $w) { disc($x, $y, 0.8, [0xf4, 0xa2, 0x61]) if $x < $N; }
}

# Icon file: ICONDIR, one ICONDIRENTRY, then the image as a DIB (height doubled for the mask), colour rows
# bottom-up as BGR, then the 1-bit mask rows (1 = transparent), each row padded to 4 bytes.
my $xorRow = (($N * 3 + 3) & ~3);
my $andRow = ((($N + 31) >> 5) << 2);
my $dibSize = 40 + $xorRow * $N + $andRow * $N;
my $data = pack('vvv', 0, 1, 1);
$data .= pack('CCCCvvVV', $N, $N, 0, 0, 1, 24, $dibSize, 6 + 16);
$data .= pack('VllvvVVllVV', 40, $N, 2 * $N, 1, 24, 0, $xorRow * $N + $andRow * $N, 0, 0, 0, 0);
for my $y (reverse 0 .. $N - 1) {
  my $row = '';
  for my $x (0 .. $N - 1) {
    my $a = $inside[$y][$x];
    my @c = map { int($_ * $a + 0.5) } @{$rgb[$y][$x]};
    $row .= pack('CCC', $c[2], $c[1], $c[0]);
  }
  $data .= $row . ("\0" x ($xorRow - length $row));
}
for my $y (reverse 0 .. $N - 1) {
  my $bits = join '', map { $inside[$y][$_] < 0.5 ? '1' : '0' } 0 .. $N - 1;
  my $row = pack('B*', $bits);
  $data .= $row . ("\0" x ($andRow - length $row));
}
open(my $fh, '>:raw', $out) or die "$out: $!\n";
print $fh $data;
close($fh) or die "$out: $!\n";
