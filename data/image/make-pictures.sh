#!/usr/bin/env bash
# Recreates the four stock story pictures in this folder (ImageMagick 6 `convert`): a soft
# background, a frame and an open book, with a caption. The GIFs are committed; this script is
# only run by hand when the art changes.
set -euo pipefail
cd "$(dirname "$0")"

# picture FILE WIDTH HEIGHT CAPTION MARK: MARK is drawn on the right page ("" for none).
picture() {
  local file=$1 w=$2 h=$3 caption=$4 mark=$5
  local cx=$((w / 2)) top=$((h * 18 / 100)) bottom=$((h * 60 / 100)) dip=$((h * 4 / 100))
  local pw=$((w * 22 / 100)) m=$((w / 40 + 1)) r=$((w / 30 + 1))
  local stroke=$((w / 200 + 1)) lines=""
  # Text lines on both pages; the gap keeps them clear of the spine and the page edges.
  local gap=$((pw / 8)) step=$(((bottom - top) / 7)) y
  for ((y = top + step; y < bottom - step / 2; y += step)); do
    lines+=" line $((cx - pw + gap)),$y $((cx - gap)),$((y + dip / 2))"
    if [[ -z $mark ]]; then lines+=" line $((cx + gap)),$((y + dip / 2)) $((cx + pw - gap)),$y"; fi
  done
  convert -size "${w}x${h}" gradient:'#fbf6ec-#eadfca' \
    -fill none -stroke '#c8b594' -strokewidth "$stroke" \
    -draw "roundrectangle $m,$m $((w - m - 1)),$((h - m - 1)) $r,$r" \
    -fill '#9c7b55' -stroke '#7a5c3c' \
    -draw "polygon $((cx - pw - m)),$((top - m / 2)) $cx,$((top + dip - m / 2)) $((cx + pw + m)),$((top - m / 2)) $((cx + pw + m)),$((bottom + m)) $cx,$((bottom + dip + m)) $((cx - pw - m)),$((bottom + m))" \
    -fill '#fffdf7' -stroke '#b9a684' \
    -draw "polygon $cx,$((top + dip)) $((cx - pw)),$top $((cx - pw)),$bottom $cx,$((bottom + dip))" \
    -draw "polygon $cx,$((top + dip)) $((cx + pw)),$top $((cx + pw)),$bottom $cx,$((bottom + dip))" \
    -stroke '#d9ccb4' -draw "${lines# }" \
    ${mark:+-stroke none -fill '#b0603a' -font DejaVu-Sans-Bold -pointsize $(((bottom - top) * 7 / 10))
             -gravity northwest -annotate +$((cx + pw / 2 - (bottom - top) / 5))+$((top + (bottom - top) / 10)) "$mark"} \
    -gravity south -stroke none -fill '#5a4630' -font DejaVu-Sans -pointsize $((h * 11 / 100)) \
    -annotate +0+$((h * 9 / 100)) "$caption" \
    +dither -colors 64 "$file"
}

picture obj_bible_story_no_image.gif 120 90 "No picture" ""
picture obj_bible_story_image_not_found.gif 120 90 "Picture not found" "?"
picture obj_bible_story_no_image_full.gif 400 300 "No picture" ""
picture obj_bible_story_image_not_found_full.gif 400 300 "Picture not found" "?"
