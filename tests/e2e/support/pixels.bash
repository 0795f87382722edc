# Reading pixels from screenshots and exported pictures with ImageMagick, as plain numbers.

take_screenshot() { timeout 15 import -window root "$1"; }

# lit_run SHOT LEFT TOP WIDTH: the longest run of non-black pixels along one screen row of WIDTH
# pixels from LEFT, printed as "start length red green blue" (start counts from LEFT; the colour
# is the run's middle pixel). "0 0 0 0 0" when the row is all black.
lit_run() {
  convert "$1" -crop "${4}x1+${2}+${3}" +repage -depth 8 rgb:- |
    od -An -v -tu1 -w3 |
    awk '
      { lit = ($1 > 40 || $2 > 40 || $3 > 40); colour[NR] = $1 " " $2 " " $3 }
      lit && !inside { inside = 1; start = NR }
      !lit && inside { inside = 0; keep(start, NR - start) }
      END {
        if (inside) keep(start, NR + 1 - start)
        if (best == 0) { print "0 0 0 0 0"; exit }
        print bestStart - 1, best, colour[bestStart + int(best / 2)]
      }
      function keep(s, n) { if (n > best) { best = n; bestStart = s } }'
}

is_png_file() {
  [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] &&
    quietly identify "png:$1"
}

# png_mismatch FILE WIDTH HEIGHT RED GREEN BLUE ALPHA TOLERANCE: prints nothing when the file is a
# PNG of that size whose every pixel is within TOLERANCE of the colour, else what differs.
png_mismatch() {
  local file=$1 width=$2 height=$3
  if ! is_png_file "$file"; then
    echo "not a PNG file"
    return
  fi
  local size
  size=$(identify -format '%w x %h' "png:$file")
  if [[ $size != "$width x $height" ]]; then
    echo "size $size, expected $width x $height"
    return
  fi
  convert "png:$file" -alpha on -depth 8 rgba:- |
    od -An -v -tu1 -w4 |
    awk -v r="$4" -v g="$5" -v b="$6" -v a="$7" -v tol="$8" -v w="$width" '
      function off(v, e) { return v > e + tol || v < e - tol }
      off($1, r) || off($2, g) || off($3, b) || off($4, a) {
        if (bad++ == 0) first = "pixel " (NR - 1) % w "," int((NR - 1) / w) " is " $1 "," $2 "," $3 "," $4
      }
      END {
        if (bad) print bad " pixels off by more than " tol " from " r "," g "," b "," a "; " first
      }'
}
