# SPDX-License-Identifier: GPL-2.0-or-later
# Screenshots of $DISPLAY and what their parts show. A PART is WxH+X+Y.
#   screenshot FILE [PART]          the whole screen (or a PART of it) into FILE
#   region_colour FILE PART         its mean colour, "red green blue" (0..255)
#   brightness_of FILE PART         the mean of those three
#   differing_pixels FILE FILE [FUZZ]
#                                   how many pixels of the two pictures differ
#                                   (by more than FUZZ, such as 15%)
#   looks_like_fire FILE [PART]     red above $fire_red and above blue by more
#                                   than $fire_margin (a black or white part is
#                                   no fire); by default the lower third
#   wait_for_fire FILE SECONDS [PART...]
#                                   waits until every PART of a new screenshot
#                                   looks like fire; the last one stays in FILE
#   shows_no_fire FILE PART...      a new screenshot in FILE whose every PART
#                                   was read and shows no fire
#   animates PART                   two screenshots a second apart (into $work)
#                                   differ in more than 1000 pixels of PART
source "$(dirname "${BASH_SOURCE[0]}")/waiting.sh"
fire_red=25
fire_margin=20

screenshot() { import -window root ${2:+-crop "$2"} "$1" 2>/dev/null; }

region_colour() {
  convert "$1" -crop "$2" +repage -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

brightness_of() {
  local r g b
  read -r r g b <<<"$(region_colour "$1" "$2")"
  echo $(((r + g + b) / 3))
}

# compare fails when the pictures differ: only its count is taken.
differing_pixels() {
  compare -metric AE ${3:+-fuzz "$3"} "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

looks_like_fire() {
  local part=${2:-$(convert "$1" -format '%w''x%[fx:int(h/3)]+0+%[fx:int(2*h/3)]' info:)} r g b
  read -r r g b <<<"$(region_colour "$1" "$part")"
  [ "$r" -gt "$fire_red" ] && [ "$r" -gt $((b + fire_margin)) ]
}

wait_for_fire() {
  local file=$1 seconds=$2
  shift 2
  fire_everywhere() {
    screenshot "$file" || return 1
    [ $# -gt 0 ] || set -- ""
    local part
    for part in "$@"; do looks_like_fire "$file" "$part" || return 1; done
  }
  wait_until "$seconds" fire_everywhere "$@"
}

# A screenshot or a part that cannot be read is a failure, not an absence of fire.
shows_no_fire() {
  local file=$1 part colour
  shift
  screenshot "$file" || return 1
  for part in "$@"; do
    colour=$(region_colour "$file" "$part") && [[ $colour =~ ^[0-9]+\ [0-9]+\ [0-9]+$ ]] || return 1
    ! looks_like_fire "$file" "$part" || return 1
  done
}

animates() {
  local changed
  screenshot "$work/before.png" && sleep 1 && screenshot "$work/after.png" || return 1
  convert "$work/before.png" -crop "$1" +repage "$work/before-part.png" &&
    convert "$work/after.png" -crop "$1" +repage "$work/after-part.png" || return 1
  changed=$(differing_pixels "$work/before-part.png" "$work/after-part.png")
  [ "${changed%.*}" -gt 1000 ]
}
